#include "ui/NamedHotKeyCtrl.h"

#include <algorithm>
#include <vector>

#include "ports/Win32Constants.h"

namespace {

constexpr int FIRST_NAME_BUFFER_SIZE = 128;
// No key name comes near this; it only bounds the doubling against a layout that always fills the buffer.
constexpr int LARGEST_NAME_BUFFER_SIZE = 32768;
constexpr int SCAN_CODE_SHIFT = 16;
constexpr LParam EXTENDED_KEY_BIT = LParam{1} << 24;
constexpr wchar_t SEPARATOR[] = L" + ";

struct ModifierName {
    std::uint32_t flag;
    std::uint32_t vk;
};

constexpr ModifierName MODIFIER_NAMES[] = {
    {HOTKEYF_CONTROL, VK_CONTROL},
    {HOTKEYF_SHIFT, VK_SHIFT},
    {HOTKEYF_ALT, VK_MENU},
};

} // namespace

CNamedHotKeyCtrl::CNamedHotKeyCtrl(const WindowPorts& windows, IKeyboardLayout& layout)
    : CHotKeyCtrl(windows), m_layout(layout) {}

CNamedHotKeyCtrl::~CNamedHotKeyCtrl() = default;

std::wstring CNamedHotKeyCtrl::GetHotKeyName() {
    std::uint32_t vk = 0;
    std::uint32_t modifiers = 0;
    GetHotKey(&vk, &modifiers);
    if (vk == 0 && modifiers == 0) {
        return std::wstring();
    }
    std::wstring name;
    for (const ModifierName& modifier : MODIFIER_NAMES) {
        if ((modifiers & modifier.flag) != 0) {
            name += GetKeyName(modifier.vk, false);
            name += SEPARATOR;
        }
    }
    name += GetKeyName(vk, (modifiers & HOTKEYF_EXT) != 0);
    return name;
}

std::wstring CNamedHotKeyCtrl::GetKeyName(std::uint32_t vk, bool extended) {
    const std::uint32_t scanCode = m_layout.MapVirtualKey(vk, MAPVK_VK_TO_VSC);
    LParam keyParameter = static_cast<LParam>(scanCode) << SCAN_CODE_SHIFT;
    if (extended) {
        keyParameter |= EXTENDED_KEY_BIT;
    }
    // GetKeyNameTextW truncates to one unit less than the buffer and says nothing more, so a name
    // that fills the buffer may have been cut: ask again with twice the room.
    std::vector<wchar_t> buffer(FIRST_NAME_BUFFER_SIZE);
    int length = m_layout.GetKeyNameText(keyParameter, buffer.data(), static_cast<int>(buffer.size()));
    while (length >= static_cast<int>(buffer.size()) - 1 && buffer.size() < LARGEST_NAME_BUFFER_SIZE) {
        buffer.assign(buffer.size() * 2, L'\0');
        length = m_layout.GetKeyNameText(keyParameter, buffer.data(), static_cast<int>(buffer.size()));
    }
    if (length <= 0) {
        return std::wstring();
    }
    return std::wstring(buffer.data(), std::min(static_cast<std::size_t>(length), buffer.size()));
}
