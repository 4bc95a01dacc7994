#pragma once
// The application profile: integer and text values in named sections below
// HKEY_CURRENT_USER\software\<registry key>\<application name>. Every call opens the section key
// (creating it if missing) and closes it again; nothing is kept between calls.
#include <string>

#include "ports/IRegistry.h"

class CProfile {
public:
    explicit CProfile(IRegistry& registry);

    void SetApplicationName(const std::wstring& strAppName);
    const std::wstring& GetApplicationName() const;
    // Until this is called (with a non-empty key and application name), the profile leaves the
    // registry alone: reads give their defaults and writes fail.
    void SetRegistryKey(const std::wstring& strRegistryKey);
    const std::wstring& GetRegistryKey() const;
    bool IsUsable() const;

    int GetProfileInt(const std::wstring& section, const std::wstring& entry, int nDefault) const;
    bool WriteProfileInt(const std::wstring& section, const std::wstring& entry, int nValue) const;
    std::wstring GetProfileString(const std::wstring& section, const std::wstring& entry,
                                  const std::wstring& strDefault) const;
    bool WriteProfileString(const std::wstring& section, const std::wstring& entry,
                            const std::wstring& strValue) const;

    IRegistry& Registry() const;
    // software\<registry key>\<application name>: the key of every section.
    std::wstring ApplicationKeyPath() const;

private:
    std::wstring SectionPath(const std::wstring& section) const;

    IRegistry& m_registry;
    std::wstring m_strAppName;
    std::wstring m_strRegistryKey;
};
