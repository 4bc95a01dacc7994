#pragma once
// System-wide shortcuts registered for a window (WM_HOTKEY).
#include <cstdint>

#include "ports/WinTypes.h"

class IHotKeys {
public:
    virtual ~IHotKeys() = default;

    virtual bool RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t vk) = 0;
    virtual bool UnregisterHotKey(WindowHandle window, int id) = 0;
    virtual std::uint32_t GetLastError() = 0;
};
