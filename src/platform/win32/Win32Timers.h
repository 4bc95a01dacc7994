#pragma once
// ITimers over user32: window timers that arrive as WM_TIMER, without a callback.
#include <cstdint>

#include "ports/ITimers.h"

class CWin32Timers : public ITimers {
public:
    std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) override;
    bool KillTimer(WindowHandle window, std::uintptr_t id) override;
};
