#include "ui/HotKeyStore.h"

#include "ui/HotKeyModifiers.h"

namespace {

constexpr wchar_t kValueBaseSuffix[] = L" StartAutoClickHotkey";
constexpr wchar_t kKeyEntrySuffix[] = L" Key";
constexpr wchar_t kModEntrySuffix[] = L" Mod";
constexpr std::uint32_t kLowWord = 0xFFFF;

} // namespace

std::wstring FormatHotKeyValueBase(const std::wstring& instanceSection) {
    return instanceSection + kValueBaseSuffix;
}

CHotKeyStore::CHotKeyStore(const CProfile& profile, const std::wstring& section)
    : m_profile(profile), m_strSection(section) {}

StoredHotKey CHotKeyStore::Read(const std::wstring& base) const {
    StoredHotKey hotKey;
    hotKey.vk = static_cast<std::uint32_t>(m_profile.GetProfileInt(m_strSection, base + kKeyEntrySuffix, 0)) &
                kLowWord;
    hotKey.storedModifiers =
        static_cast<std::uint32_t>(m_profile.GetProfileInt(m_strSection, base + kModEntrySuffix, 0)) &
        kLowWord;
    hotKey.controlModifiers = ModifiersToControlForm(hotKey.storedModifiers, hotKey.vk);
    return hotKey;
}

bool CHotKeyStore::Write(const std::wstring& base, std::uint32_t vk, std::uint32_t controlModifiers) const {
    if (!m_profile.WriteProfileInt(m_strSection, base + kKeyEntrySuffix, static_cast<int>(vk))) {
        return false;
    }
    return m_profile.WriteProfileInt(m_strSection, base + kModEntrySuffix,
                                     static_cast<int>(ModifiersToStoredForm(controlModifiers)));
}
