#include "settings/AppSettings.h"

#include <cstdint>

#include "ports/Win32Constants.h"
#include "settings/InstanceSection.h"
#include "settings/RegKey.h"
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

// Outside the profile, only a REG_DWORD counts as a window.
int CAppSettings::ReadSeekedWindow(int nDefault) const {
    // The value is named after the instance section; before that is formatted there is no name
    // to look under.
    if (g_strInstanceSection.empty()) {
        return nDefault;
    }
    CRegKey key(m_profile.Registry());
    std::uint32_t nType = REG_NONE;
    std::uint32_t nValue = 0;
    if (!key.Create(HKEY_CURRENT_USER, SEEKED_WINDOWS_KEY_PATH, KEY_READ | KEY_WRITE) ||
        !key.QueryDword(g_strInstanceSection, nType, nValue) || nType != REG_DWORD) {
        return nDefault;
    }
    return static_cast<int>(nValue);
}

void CAppSettings::WriteSeekedWindow(int nValue) {
    if (g_strInstanceSection.empty()) {
        return;
    }
    CRegKey key(m_profile.Registry());
    if (key.Create(HKEY_CURRENT_USER, SEEKED_WINDOWS_KEY_PATH, KEY_READ | KEY_WRITE)) {
        key.SetDword(g_strInstanceSection, static_cast<std::uint32_t>(nValue));
    }
}
