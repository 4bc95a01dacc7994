#include "settings/Profile.h"

#include <cstdint>

#include "ports/Win32Constants.h"
#include "settings/RegKey.h"

namespace {

// Lower case on purpose: the registry matches key names without regard to case, so this reaches
// the user's existing "Software" key.
constexpr wchar_t SOFTWARE_KEY[] = L"software";

} // namespace

CProfile::CProfile(IRegistry& registry) : m_registry(registry) {}

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

std::wstring CProfile::SectionPath(const std::wstring& section) const {
    return ApplicationKeyPath() + L'\\' + section;
}

int CProfile::GetProfileInt(const std::wstring& section, const std::wstring& entry, int nDefault) const {
    // An empty section would put the value straight into the application's key.
    if (!IsUsable() || section.empty()) {
        return nDefault;
    }
    CRegKey key(m_registry);
    std::uint32_t nType = REG_NONE;
    std::uint32_t nValue = 0;
    if (!key.Create(HKEY_CURRENT_USER, SectionPath(section), KEY_READ | KEY_WRITE) ||
        !key.QueryDword(entry, nType, nValue)) {
        return nDefault;
    }
    return static_cast<int>(nValue);
}

bool CProfile::WriteProfileInt(const std::wstring& section, const std::wstring& entry, int nValue) const {
    if (!IsUsable() || section.empty()) {
        return false;
    }
    CRegKey key(m_registry);
    return key.Create(HKEY_CURRENT_USER, SectionPath(section), KEY_READ | KEY_WRITE) &&
           key.SetDword(entry, static_cast<std::uint32_t>(nValue));
}

std::wstring CProfile::GetProfileString(const std::wstring& section, const std::wstring& entry,
                                        const std::wstring& strDefault) const {
    if (!IsUsable() || section.empty()) {
        return strDefault;
    }
    CRegKey key(m_registry);
    std::wstring strValue;
    if (!key.Create(HKEY_CURRENT_USER, SectionPath(section), KEY_READ | KEY_WRITE) ||
        !key.QueryString(entry, strValue)) {
        return strDefault;
    }
    return strValue;
}

bool CProfile::WriteProfileString(const std::wstring& section, const std::wstring& entry,
                                  const std::wstring& strValue) const {
    if (!IsUsable() || section.empty()) {
        return false;
    }
    CRegKey key(m_registry);
    return key.Create(HKEY_CURRENT_USER, SectionPath(section), KEY_READ | KEY_WRITE) &&
           key.SetString(entry, strValue);
}
