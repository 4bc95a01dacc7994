#include "fakes/FakeKeyboardLayout.h"

#include <algorithm>

#include "ports/Win32Constants.h"

namespace {

constexpr std::uint32_t kFirstLetterKey = 0x41;
constexpr std::uint32_t kLastLetterKey = 0x5A;
constexpr std::uint32_t kFirstDigitKey = 0x30;
constexpr std::uint32_t kLastDigitKey = 0x39;
constexpr std::uint8_t kKeyDownBit = 0x80;
constexpr std::uint8_t kToggleBit = 0x01;

// The small letters the keys A..Z type on the Russian standard arrangement.
constexpr wchar_t kCyrillicLetters[26] = {
    L'\x0444', L'\x0438', L'\x0441', L'\x0432', L'\x0443', L'\x0430', L'\x043F', L'\x0440', L'\x0448',
    L'\x043E', L'\x043B', L'\x0434', L'\x044C', L'\x0442', L'\x0449', L'\x0437', L'\x0439', L'\x043A',
    L'\x044B', L'\x0435', L'\x0433', L'\x043C', L'\x0446', L'\x0447', L'\x043D', L'\x044F',
};

bool IsLetterKey(std::uint32_t vk) {
    return vk >= kFirstLetterKey && vk <= kLastLetterKey;
}

bool IsDigitKey(std::uint32_t vk) {
    return vk >= kFirstDigitKey && vk <= kLastDigitKey;
}

bool IsKnownLayout(LayoutHandle layout) {
    return layout == CFakeKeyboardLayout::US_LAYOUT || layout == CFakeKeyboardLayout::CYRILLIC_LAYOUT;
}

wchar_t SmallLetter(std::uint32_t vk, LayoutHandle layout) {
    if (layout == CFakeKeyboardLayout::CYRILLIC_LAYOUT) {
        return kCyrillicLetters[vk - kFirstLetterKey];
    }
    return static_cast<wchar_t>(L'a' + (vk - kFirstLetterKey));
}

} // namespace

void CFakeKeyboardLayout::SetKeyOutput(LayoutHandle layout, std::uint32_t vk, const std::wstring& units,
                                       int result) {
    m_overrides[{layout, vk}] = Output{units, result};
}

void CFakeKeyboardLayout::SetKeyName(LParam keyParameter, const std::wstring& name) {
    m_keyNames[keyParameter] = name;
}

bool CFakeKeyboardLayout::GetKeyboardState(KeyboardState* state) {
    if (!m_bStateAvailable) {
        return false;
    }
    *state = m_state;
    return true;
}

LayoutHandle CFakeKeyboardLayout::GetKeyboardLayout(std::uint32_t threadId) {
    return threadId == 0 ? m_threadLayout : 0;
}

std::uint32_t CFakeKeyboardLayout::MapVirtualKeyEx(std::uint32_t code, std::uint32_t mapType,
                                                   LayoutHandle layout) {
    m_log.Add("MapVirtualKeyEx " + Hex(code, 2) + " " + std::to_string(mapType) + " " + Hex(layout, 8));
    if (mapType == MAPVK_VK_TO_VSC) {
        const auto found = m_scanCodes.find(code);
        return found != m_scanCodes.end() ? found->second : 0;
    }
    if (mapType != MAPVK_VK_TO_CHAR || !IsKnownLayout(layout)) {
        return 0;
    }
    // Unshifted character, with letters reported in capitals, as the real call does.
    if (IsLetterKey(code)) {
        const wchar_t small = SmallLetter(code, layout);
        return layout == US_LAYOUT ? static_cast<std::uint32_t>(small - L'a' + L'A')
                                   : static_cast<std::uint32_t>(small - 0x20);
    }
    return IsDigitKey(code) ? code : 0;
}

std::uint32_t CFakeKeyboardLayout::MapVirtualKey(std::uint32_t code, std::uint32_t mapType) {
    return MapVirtualKeyEx(code, mapType, m_threadLayout);
}

CFakeKeyboardLayout::Output CFakeKeyboardLayout::Produce(std::uint32_t vk, const KeyboardState& state,
                                                         LayoutHandle layout) const {
    const auto found = m_overrides.find({layout, vk});
    if (found != m_overrides.end()) {
        return found->second;
    }
    if (!IsKnownLayout(layout)) {
        return Output{};
    }
    if (IsLetterKey(vk)) {
        const bool shift = (state[VK_SHIFT] & kKeyDownBit) != 0;
        const bool capsLock = (state[VK_CAPITAL] & kToggleBit) != 0;
        const wchar_t small = SmallLetter(vk, layout);
        // Cyrillic capitals are 0x20 below their small letters in the range these keys use, as are Latin
        // ones.
        return Output{std::wstring(1, shift != capsLock ? static_cast<wchar_t>(small - 0x20) : small), 1};
    }
    if (IsDigitKey(vk)) {
        return Output{std::wstring(1, static_cast<wchar_t>(vk)), 1};
    }
    return Output{};
}

int CFakeKeyboardLayout::ToUnicodeEx(std::uint32_t vk, std::uint32_t scanCode, const KeyboardState& state,
                                     wchar_t* buffer, int bufferSize, std::uint32_t flags,
                                     LayoutHandle layout) {
    const bool zeroed =
        std::all_of(buffer, buffer + std::max(bufferSize, 0), [](wchar_t unit) { return unit == 0; });
    m_log.Add("ToUnicodeEx " + Hex(vk, 2) + " " + Hex(scanCode, 2) + " " + std::to_string(bufferSize) + " " +
              Hex(flags) + " " + Hex(layout, 8) + (zeroed ? " zeroed" : " dirty"));
    const Output output = Produce(vk, state, layout);
    const std::size_t count =
        std::min(output.units.size(), static_cast<std::size_t>(std::max(bufferSize, 0)));
    std::copy(output.units.begin(), output.units.begin() + static_cast<std::ptrdiff_t>(count), buffer);
    return output.result;
}

int CFakeKeyboardLayout::GetKeyNameText(LParam keyParameter, wchar_t* buffer, int bufferSize) {
    const auto found = m_keyNames.find(keyParameter);
    if (found == m_keyNames.end() || bufferSize <= 0) {
        if (bufferSize > 0) {
            buffer[0] = 0;
        }
        return 0;
    }
    const std::size_t count = std::min(found->second.size(), static_cast<std::size_t>(bufferSize - 1));
    std::copy(found->second.begin(), found->second.begin() + static_cast<std::ptrdiff_t>(count), buffer);
    buffer[count] = 0;
    return static_cast<int>(count);
}
