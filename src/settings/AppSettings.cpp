#include "settings/AppSettings.h"

#include "settings/InstanceSection.h"
#include "settings/SettingsNames.h"

namespace {

constexpr wchar_t INSTANCE_SECTION_PREFIX[] = L"Settings ";

} // namespace

CAppSettings::CAppSettings(CProfile& profile) : m_profile(profile) {}

CProfile& CAppSettings::Profile() const {
    return m_profile;
}

void CAppSettings::FormatInstanceSection() {
    g_strInstanceSection = INSTANCE_SECTION_PREFIX + std::to_wstring(g_nInstanceNumber);
}

// The profile reads and writes nothing under an empty section: so per-instance values wait for the
// instance section to be formatted.
std::wstring CAppSettings::SectionName(StoredSection section) const {
    switch (section) {
    case StoredSection::Shared:
        return SECTION_SETTINGS;
    case StoredSection::Social:
        return SECTION_SOCIAL;
    case StoredSection::Instance:
    case StoredSection::SeekedWindows:
        break;
    }
    return g_strInstanceSection;
}

int CAppSettings::Get(const StoredInt& value) const {
    if (value.section == StoredSection::SeekedWindows) {
        return ReadSeekedWindow(value.nDefault);
    }
    return m_profile.GetProfileInt(SectionName(value.section), value.name, value.nDefault);
}

void CAppSettings::Set(const StoredInt& value, int nValue) {
    if (value.section == StoredSection::SeekedWindows) {
        WriteSeekedWindow(nValue);
    } else {
        m_profile.WriteProfileInt(SectionName(value.section), value.name, nValue);
    }
}

void CAppSettings::Get(const StoredText& value, std::wstring& text) const {
    text = m_profile.GetProfileString(SectionName(value.section), value.name, text);
}

void CAppSettings::Set(const StoredText& value, const std::wstring& text) {
    m_profile.WriteProfileString(SectionName(value.section), value.name, text);
}

TargetIdentity CAppSettings::GetTargetIdentity() const {
    TargetIdentity identity;
    Get(TARGET_WINDOW_PROGRAM, identity.strProgram);
    Get(TARGET_WINDOW_CLASS, identity.strClass);
    Get(TARGET_WINDOW_NAME, identity.strTitle);
    Get(TARGET_CONTROL_CLASS, identity.strControlClass);
    identity.nControlId = Get(TARGET_CONTROL_ID);
    return identity;
}

void CAppSettings::SetTargetIdentity(const TargetIdentity& identity) {
    Set(TARGET_WINDOW_PROGRAM, identity.strProgram);
    Set(TARGET_WINDOW_CLASS, identity.strClass);
    Set(TARGET_WINDOW_NAME, identity.strTitle);
    Set(TARGET_CONTROL_CLASS, identity.strControlClass);
    Set(TARGET_CONTROL_ID, identity.nControlId);
}

// The value is named after the instance section; before that is formatted there is no name to look
// under.
int CAppSettings::ReadSeekedWindow(int nDefault) const {
    if (g_strInstanceSection.empty() || !m_profile.IsUsable()) {
        return nDefault;
    }
    return m_profile.Store().ReadWindow(g_strInstanceSection, nDefault);
}

void CAppSettings::WriteSeekedWindow(int nValue) {
    if (!g_strInstanceSection.empty() && m_profile.IsUsable()) {
        m_profile.Store().WriteWindow(g_strInstanceSection, nValue);
    }
}
