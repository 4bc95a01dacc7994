#include "ui/HotKeyStore.h"

#include "ui/HotKeyModifiers.h"

namespace {

constexpr wchar_t VALUE_BASE_SUFFIX[] = L" StartAutoClickHotkey";
constexpr wchar_t KEY_ENTRY_SUFFIX[] = L" Key";
constexpr wchar_t MOD_ENTRY_SUFFIX[] = L" Mod";
constexpr std::uint32_t LOW_WORD = 0xFFFF;

} // namespace

std::wstring FormatHotKeyValueBase(const std::wstring& instanceSection) {
    return instanceSection + VALUE_BASE_SUFFIX;
}

CHotKeyStore::CHotKeyStore(const CProfile& profile, const std::wstring& section)
    : m_profile(profile), m_strSection(section) {}

StoredHotKey CHotKeyStore::Read(const std::wstring& base) const {
    StoredHotKey hotKey;
    hotKey.vk =
        static_cast<std::uint32_t>(m_profile.GetProfileInt(m_strSection, base + KEY_ENTRY_SUFFIX, 0)) &
        LOW_WORD;
    hotKey.storedModifiers =
        static_cast<std::uint32_t>(m_profile.GetProfileInt(m_strSection, base + MOD_ENTRY_SUFFIX, 0)) &
        LOW_WORD;
    hotKey.controlModifiers = ModifiersToControlForm(hotKey.storedModifiers, hotKey.vk);
    return hotKey;
}

bool CHotKeyStore::Write(const std::wstring& base, std::uint32_t vk, std::uint32_t controlModifiers) const {
    if (!m_profile.WriteProfileInt(m_strSection, base + KEY_ENTRY_SUFFIX, static_cast<int>(vk))) {
        return false;
    }
    return m_profile.WriteProfileInt(m_strSection, base + MOD_ENTRY_SUFFIX,
                                     static_cast<int>(ModifiersToStoredForm(controlModifiers)));
}
