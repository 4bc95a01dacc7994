#pragma once
// A hotkey control of a dialog, bound with CDataExchange::Control. Modifiers are HOTKEYF_* flags.
#include <cstdint>

#include "fw/Wnd.h"

class CHotKeyCtrl : public CWnd {
public:
    explicit CHotKeyCtrl(const WindowPorts& windows) : CWnd(windows) {}

    void SetHotKey(std::uint32_t vk, std::uint32_t modifiers);
    void GetHotKey(std::uint32_t* vk, std::uint32_t* modifiers);
};
