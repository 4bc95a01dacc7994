#pragma once
// The start/stop shortcut's hotkey control, which can also say what it holds in the key names of
// the current keyboard layout ("Ctrl + Alt + F6").
#include <cstdint>
#include <string>

#include "fw/HotKeyCtrl.h"
#include "ports/IKeyboardLayout.h"

class CNamedHotKeyCtrl : public CHotKeyCtrl {
public:
    CNamedHotKeyCtrl(const WindowPorts& windows, IKeyboardLayout& layout);
    ~CNamedHotKeyCtrl() override;

    // The control's combination, modifiers always in the order Ctrl, Shift, Alt, joined by " + ";
    // empty when the control holds nothing.
    std::wstring GetHotKeyName();
    // The layout's name of one key; extended selects the navigation-block variant of keys that
    // share a scan code with the keypad (Home rather than Num 7).
    std::wstring GetKeyName(std::uint32_t vk, bool extended);

private:
    IKeyboardLayout& m_layout;
};
