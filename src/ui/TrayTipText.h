#pragma once
// The tooltip of the notification-area icon: what the start/stop shortcut will press, then the
// application title on a second line.
#include <cstdint>
#include <string>

struct TrayTipInputs {
    std::wstring title;
    bool keySelected = false;   // the key list has a selection
    std::wstring keyText;       // the selected key-list entry
    int modifierIndex = -1;     // the modifier list's selection, negative for none
    std::wstring modifierText;  // the selected modifier-list entry
    std::uint32_t hotKeyVk = 0; // the shortcut control's virtual-key code
    std::wstring hotKeyName;    // the shortcut control's display text
    std::wstring runState;      // while a timed run goes: its count and time left, on a line of its own
};

// "Keyed 12 Times, 1:02:03 left"
std::wstring FormatRunTimeLeft(std::uint32_t nKeyedCount, std::int64_t nSecondsLeft);

// The bare title without a key or without a shortcut key; otherwise "<shortcut> - [ <key> ]" or,
// with a modifier other than the first entry ("None"), "<shortcut>  - [ <modifier> + <key> ]".
std::wstring FormatTrayTip(const TrayTipInputs& inputs);
