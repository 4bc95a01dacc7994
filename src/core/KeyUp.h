#pragma once
// A key that is down because of the injector, and how to let it go: the way it went down.
#include <cstdint>

#include "ports/WinTypes.h"

struct KeyUp {
    enum class Way { Input, Unicode, KeybdEvent, Posted };
    Way way = Way::Input;
    std::uint16_t code = 0; // the virtual-key code, or the UTF-16 unit of a Unicode record
    // Written by earlier versions; a key-up's scan code and extended flag come from its code.
    std::uint16_t scan = 0;
    // Posted: the window, the key-up's lParam, and a modifier whose key-up follows the key's.
    WindowHandle window = 0;
    LParam lParam = 0;
    std::uint16_t modifierVk = 0;

    bool operator==(const KeyUp& other) const {
        return way == other.way && code == other.code && scan == other.scan && window == other.window &&
               lParam == other.lParam && modifierVk == other.modifierVk;
    }
};
