#pragma once
// Window timers: WM_TIMER delivered to the window, no callback.
#include <cstdint>

#include "ports/WinTypes.h"

class ITimers {
public:
    virtual ~ITimers() = default;

    virtual std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) = 0;
    virtual bool KillTimer(WindowHandle window, std::uintptr_t id) = 0;
};
