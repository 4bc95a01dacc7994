#pragma once
// The settings in the current user's registry: the application profile's sections below
// HKEY_CURRENT_USER\software\<registry key>\<application name>, and the selected windows' key.
// Every call opens the key it needs (creating it if missing) and closes it again.
#include <string>
#include <vector>

#include "ports/IRegistry.h"
#include "settings/SettingsStore.h"

class CProfile;

class CRegistryStore : public ISettingsStore {
public:
    // The profile names the application's key.
    CRegistryStore(IRegistry& registry, const CProfile& profile);
    ~CRegistryStore() override;
    CRegistryStore(const CRegistryStore&) = delete;
    CRegistryStore& operator=(const CRegistryStore&) = delete;

    int ReadInt(const std::wstring& section, const std::wstring& name, int nDefault) override;
    bool WriteInt(const std::wstring& section, const std::wstring& name, int nValue) override;
    std::wstring ReadString(const std::wstring& section, const std::wstring& name,
                            const std::wstring& strDefault) override;
    bool WriteString(const std::wstring& section, const std::wstring& name,
                     const std::wstring& text) override;
    int ReadWindow(const std::wstring& instanceSection, int nDefault) override;
    bool WriteWindow(const std::wstring& instanceSection, int nValue) override;

    // Watches the application's key and the selected windows' key.
    bool OpenWatch() override;
    bool Rewatch() override;
    bool TakeChange() override;
    void CloseWatch() override;

private:
    std::wstring SectionPath(const std::wstring& section) const;

    IRegistry& m_registry;
    const CProfile& m_profile;
    std::vector<RegKeyHandle> m_watchedKeys;
};
