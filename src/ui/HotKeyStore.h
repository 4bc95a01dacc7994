#pragma once
// The start/stop shortcut as the application profile keeps it: two integers in the instance
// section, "<base> Key" (the virtual-key code, 0 for none) and "<base> Mod" (MOD_* flags), where
// the base is "<instance section> StartAutoClickHotkey".
#include <cstdint>
#include <string>

#include "settings/Profile.h"

// "%s StartAutoClickHotkey" with the instance section name.
std::wstring FormatHotKeyValueBase(const std::wstring& instanceSection);

struct StoredHotKey {
    std::uint32_t vk = 0;
    std::uint32_t controlModifiers = 0; // HOTKEYF_*
    std::uint32_t storedModifiers = 0;  // MOD_*
};

class CHotKeyStore {
public:
    // section is read at each call: the instance section is named only once start-up has counted
    // the other instances.
    CHotKeyStore(const CProfile& profile, const std::wstring& section);

    // Missing entries read as 0; only the low 16 bits of each value count.
    StoredHotKey Read(const std::wstring& base) const;
    // Writes the Key entry, and only when that succeeded the Mod entry (converted to MOD_*);
    // true when both were written.
    bool Write(const std::wstring& base, std::uint32_t vk, std::uint32_t controlModifiers) const;

private:
    const CProfile& m_profile;
    const std::wstring& m_strSection;
};
