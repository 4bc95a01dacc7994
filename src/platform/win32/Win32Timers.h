#pragma once
// ITimers over user32 and kernel32: window timers that arrive as WM_TIMER, without a callback, and
// the performance counter as the clock. A deadline here is only a window timer set for the time left,
// rounded up to the millisecond: the message pump keeps the precise one.
#include <cstdint>

#include "ports/ITimers.h"
#include "ports/WinTypes.h"

class CWin32Timers : public ITimers {
public:
    CWin32Timers();

    std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) override;
    bool KillTimer(WindowHandle window, std::uintptr_t id) override;
    Microseconds Now() override;
    void SetDeadline(WindowHandle window, std::uintptr_t id, Microseconds due) override;
    WallTime WallClock() override;

private:
    std::int64_t m_nFrequency = 1;
};
