#include "core/KeyRecordBuilder.h"

#include <algorithm>
#include <iterator>

#include "ports/Win32Constants.h"

namespace {

constexpr std::uint32_t E0_PREFIX = 0xE000;
constexpr std::uint32_t PREFIX_MASK = 0xFF00;
constexpr std::uint32_t VK_RWIN = 0x5C;

struct FixedScanCode {
    std::uint16_t vk;
    KeyScanCode code;
};

// Keys whose mapping does not give what their keyboard key sends.
constexpr FixedScanCode FIXED_SCAN_CODES[] = {
    // Pause sends E1 1D 45, which the mapping gives as E1 1D; its messages carry 45.
    {VK_PAUSE, {0x45, false}},
    // Num Lock sends a bare 45, yet its messages are those of an extended key (Pause's are not).
    {VK_NUMLOCK, {0x45, true}},
    // The mapping gives 54, what the key sends with Alt held (SysRq).
    {VK_SNAPSHOT, {0x37, true}},
    // The keypad's digits are mapped only while Num Lock is on; their keys never move.
    {VK_NUMPAD0, {0x52, false}},
    {VK_NUMPAD0 + 1, {0x4F, false}},
    {VK_NUMPAD0 + 2, {0x50, false}},
    {VK_NUMPAD0 + 3, {0x51, false}},
    {VK_NUMPAD0 + 4, {0x4B, false}},
    {VK_NUMPAD0 + 5, {0x4C, false}},
    {VK_NUMPAD0 + 6, {0x4D, false}},
    {VK_NUMPAD0 + 7, {0x47, false}},
    {VK_NUMPAD0 + 8, {0x48, false}},
    {VK_NUMPAD0 + 9, {0x49, false}},
    {VK_BROWSER_REFRESH, {0x67, true}},
};

// Keys that are extended on every keyboard. Some mappings (Wine's) leave the E0 prefix off these,
// and the navigation keys would then read as their keypad twins.
constexpr std::uint16_t EXTENDED_KEYS[] = {
    VK_PRIOR,  VK_NEXT,   VK_END,    VK_HOME,     VK_LEFT,  VK_UP,   VK_RIGHT, VK_DOWN,
    VK_INSERT, VK_DELETE, VK_DIVIDE, VK_RCONTROL, VK_RMENU, VK_LWIN, VK_RWIN,  VK_APPS,
};

bool IsExtendedKey(std::uint16_t vk) {
    // The browser, media and launch keys are all E0 keys.
    return (vk >= VK_BROWSER_BACK && vk <= VK_LAUNCH_APP2) ||
           std::find(std::begin(EXTENDED_KEYS), std::end(EXTENDED_KEYS), vk) != std::end(EXTENDED_KEYS);
}

} // namespace

CKeyRecordBuilder::CKeyRecordBuilder(IKeyboardInput& input) : m_input(input) {}

KeyScanCode CKeyRecordBuilder::ScanCodeOf(std::uint16_t vk) const {
    for (const FixedScanCode& fixed : FIXED_SCAN_CODES) {
        if (fixed.vk == vk) {
            return fixed.code;
        }
    }
    const std::uint32_t scan = m_input.MapVirtualKey(vk, MAPVK_VK_TO_VSC_EX);
    KeyScanCode code;
    code.scan = static_cast<std::uint8_t>(scan & 0xFF);
    code.extended = (scan & PREFIX_MASK) == E0_PREFIX || IsExtendedKey(vk);
    return code;
}

InputRecord CKeyRecordBuilder::Record(std::uint16_t vk, std::uint32_t flags) const {
    const KeyScanCode code = ScanCodeOf(vk);
    InputRecord record;
    record.type = INPUT_KEYBOARD;
    record.ki.wVk = vk;
    record.ki.wScan = code.scan;
    record.ki.dwFlags = flags | (code.extended ? KEYEVENTF_EXTENDEDKEY : 0);
    return record;
}

KeyMessageParams CKeyRecordBuilder::MessageParams(std::uint16_t vk) const {
    const KeyScanCode code = ScanCodeOf(vk);
    KeyMessageParams params;
    params.scanCode = code.scan;
    params.extended = code.extended ? 1 : 0;
    return params;
}

std::uint16_t CKeyRecordBuilder::MessageVk(std::uint16_t vk) {
    switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT:
        return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
        return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
        return VK_MENU;
    default:
        return vk;
    }
}
