#include "settings/RegistryStore.h"

#include <cstdint>

#include "ports/Win32Constants.h"
#include "settings/Profile.h"
#include "settings/RegKey.h"
#include "settings/SettingsNames.h"

CRegistryStore::CRegistryStore(IRegistry& registry, const CProfile& profile)
    : m_registry(registry), m_profile(profile) {}

CRegistryStore::~CRegistryStore() {
    CloseWatch();
}

std::wstring CRegistryStore::SectionPath(const std::wstring& section) const {
    return m_profile.ApplicationKeyPath() + L'\\' + section;
}

int CRegistryStore::ReadInt(const std::wstring& section, const std::wstring& name, int nDefault) {
    CRegKey key(m_registry);
    std::uint32_t nType = REG_NONE;
    std::uint32_t nValue = 0;
    if (!key.Create(HKEY_CURRENT_USER, SectionPath(section), KEY_READ | KEY_WRITE) ||
        !key.QueryDword(name, nType, nValue)) {
        return nDefault;
    }
    return static_cast<int>(nValue);
}

bool CRegistryStore::WriteInt(const std::wstring& section, const std::wstring& name, int nValue) {
    CRegKey key(m_registry);
    return key.Create(HKEY_CURRENT_USER, SectionPath(section), KEY_READ | KEY_WRITE) &&
           key.SetDword(name, static_cast<std::uint32_t>(nValue));
}

std::wstring CRegistryStore::ReadString(const std::wstring& section, const std::wstring& name,
                                        const std::wstring& strDefault) {
    CRegKey key(m_registry);
    std::wstring strValue;
    if (!key.Create(HKEY_CURRENT_USER, SectionPath(section), KEY_READ | KEY_WRITE) ||
        !key.QueryString(name, strValue)) {
        return strDefault;
    }
    return strValue;
}

bool CRegistryStore::WriteString(const std::wstring& section, const std::wstring& name,
                                 const std::wstring& text) {
    CRegKey key(m_registry);
    return key.Create(HKEY_CURRENT_USER, SectionPath(section), KEY_READ | KEY_WRITE) &&
           key.SetString(name, text);
}

// Outside the profile, only a REG_DWORD counts as a window.
int CRegistryStore::ReadWindow(const std::wstring& instanceSection, int nDefault) {
    CRegKey key(m_registry);
    std::uint32_t nType = REG_NONE;
    std::uint32_t nValue = 0;
    if (!key.Create(HKEY_CURRENT_USER, SEEKED_WINDOWS_KEY_PATH, KEY_READ | KEY_WRITE) ||
        !key.QueryDword(instanceSection, nType, nValue) || nType != REG_DWORD) {
        return nDefault;
    }
    return static_cast<int>(nValue);
}

bool CRegistryStore::WriteWindow(const std::wstring& instanceSection, int nValue) {
    CRegKey key(m_registry);
    return key.Create(HKEY_CURRENT_USER, SEEKED_WINDOWS_KEY_PATH, KEY_READ | KEY_WRITE) &&
           key.SetDword(instanceSection, static_cast<std::uint32_t>(nValue));
}

bool CRegistryStore::OpenWatch() {
    CloseWatch();
    if (!m_profile.IsUsable()) {
        return false;
    }
    for (const std::wstring& path : {m_profile.ApplicationKeyPath(), std::wstring(SEEKED_WINDOWS_KEY_PATH)}) {
        RegKeyHandle key = 0;
        if (m_registry.CreateKey(HKEY_CURRENT_USER, path, KEY_READ | KEY_WRITE, &key) == ERROR_SUCCESS) {
            m_watchedKeys.push_back(key);
        }
    }
    return m_watchedKeys.size() == 2;
}

bool CRegistryStore::Rewatch() {
    bool bAll = !m_watchedKeys.empty();
    for (RegKeyHandle key : m_watchedKeys) {
        bAll = m_registry.WatchKey(key) && bAll;
    }
    return bAll;
}

bool CRegistryStore::TakeChange() {
    return m_registry.TakeKeyChange();
}

void CRegistryStore::CloseWatch() {
    for (RegKeyHandle key : m_watchedKeys) {
        m_registry.CloseKey(key);
    }
    m_watchedKeys.clear();
}
