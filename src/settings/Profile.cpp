#include "settings/Profile.h"

namespace {

// Lower case on purpose: the registry matches key names without regard to case, so this reaches
// the user's existing "Software" key.
constexpr wchar_t SOFTWARE_KEY[] = L"software";

} // namespace

CProfile::CProfile(IRegistry& registry)
    : m_registry(registry), m_registryStore(registry, *this), m_pStore(&m_registryStore) {}

void CProfile::SetApplicationName(const std::wstring& strAppName) {
    m_strAppName = strAppName;
}

const std::wstring& CProfile::GetApplicationName() const {
    return m_strAppName;
}

void CProfile::SetRegistryKey(const std::wstring& strRegistryKey) {
    m_strRegistryKey = strRegistryKey;
}

const std::wstring& CProfile::GetRegistryKey() const {
    return m_strRegistryKey;
}

bool CProfile::IsUsable() const {
    return !m_strRegistryKey.empty() && !m_strAppName.empty();
}

IRegistry& CProfile::Registry() const {
    return m_registry;
}

std::wstring CProfile::ApplicationKeyPath() const {
    return std::wstring(SOFTWARE_KEY) + L'\\' + m_strRegistryKey + L'\\' + m_strAppName;
}

bool CProfile::Reaches(const std::wstring& section) const {
    return IsUsable() && !section.empty();
}

void CProfile::UseStore(ISettingsStore& store) {
    m_pStore = &store;
}

ISettingsStore& CProfile::Store() const {
    return *m_pStore;
}

int CProfile::GetProfileInt(const std::wstring& section, const std::wstring& entry, int nDefault) const {
    return Reaches(section) ? m_pStore->ReadInt(section, entry, nDefault) : nDefault;
}

bool CProfile::WriteProfileInt(const std::wstring& section, const std::wstring& entry, int nValue) const {
    return Reaches(section) && m_pStore->WriteInt(section, entry, nValue);
}

std::wstring CProfile::GetProfileString(const std::wstring& section, const std::wstring& entry,
                                        const std::wstring& strDefault) const {
    return Reaches(section) ? m_pStore->ReadString(section, entry, strDefault) : strDefault;
}

bool CProfile::WriteProfileString(const std::wstring& section, const std::wstring& entry,
                                  const std::wstring& strValue) const {
    return Reaches(section) && m_pStore->WriteString(section, entry, strValue);
}

