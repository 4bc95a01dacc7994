#pragma once
// Window timers: WM_TIMER delivered to the window, no callback. A timer may instead be given one
// deadline on the monotonic clock, which the message loop serves as precisely as the system allows.
#include <cstdint>

#include "ports/WinTypes.h"

// Microseconds on the monotonic clock of Now().
using Microseconds = std::int64_t;

// What the user's clock reads. Unlike Now() it goes on while the machine sleeps and jumps when the
// clock is set, so a time of day is compared with it and never with Now().
struct WallTime {
    std::int64_t nUtcSeconds = 0; // seconds since 1970-01-01 UTC
    int nLocalSecondOfDay = 0;    // 0 to 86399, in the user's time zone
};

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

    virtual WallTime WallClock() = 0;
};
