#pragma once
// Window timers: WM_TIMER delivered to the window, no callback. A timer may instead be given one
// deadline on the monotonic clock, which the message loop serves as precisely as the system allows.
#include <cstdint>

#include "ports/WinTypes.h"

// Microseconds on the monotonic clock of Now().
using Microseconds = std::int64_t;

class ITimers {
public:
    virtual ~ITimers() = default;

    virtual std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) = 0;
    // Also cancels the timer's deadline.
    virtual bool KillTimer(WindowHandle window, std::uintptr_t id) = 0;

    virtual Microseconds Now() = 0;
    // Timer id of window goes off once at due (a value of Now()), in whatever message loop runs,
    // replacing what it had been set to. It may go off again later: the receiver looks at the clock.
    virtual void SetDeadline(WindowHandle window, std::uintptr_t id, Microseconds due) = 0;
};
