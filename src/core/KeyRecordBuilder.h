#pragma once
// What a keyboard's key looks like in the records and messages made for it: its scan code, its
// extended flag and the virtual-key code its messages carry. Every record and message the injector
// makes for a key, down or up, takes them from here, so that a program reading scan codes (a game,
// say) sees the key a keyboard would give it.
#include <cstdint>

#include "core/KeyMessageParams.h"
#include "ports/IKeyboardInput.h"

struct KeyScanCode {
    std::uint8_t scan = 0;
    bool extended = false; // the key's make code has the E0 prefix
};

class CKeyRecordBuilder {
public:
    explicit CKeyRecordBuilder(IKeyboardInput& input);

    KeyScanCode ScanCodeOf(std::uint16_t vk) const;
    // A SendInput record of the key (flags: 0 or KEYEVENTF_KEYUP), with its scan code and extended flag.
    InputRecord Record(std::uint16_t vk, std::uint32_t flags) const;
    // A posted message's lParam fields of the key, with its scan code and extended flag.
    KeyMessageParams MessageParams(std::uint16_t vk) const;
    // A keyboard's messages carry the generic code of a left or right Shift, Ctrl or Alt: which one
    // it was is in the scan code and the extended flag.
    static std::uint16_t MessageVk(std::uint16_t vk);

private:
    IKeyboardInput& m_input;
};
