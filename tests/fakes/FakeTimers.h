#pragma once
// Window timers for FakeWindows: SetTimer/KillTimer/SetDeadline are recorded and kept as state, and
// a test makes a timer go off, either now (Fire) or through the message queue (Elapse), so that it
// arrives in whatever message loop is running. The clock stands still until a timer with a deadline
// goes off: then it moves on to that deadline.
#include <cstdint>
#include <map>
#include <utility>

#include "fakes/CallLog.h"
#include "fakes/FakeWindows.h"
#include "ports/ITimers.h"

class FakeTimers : public ITimers {
public:
    explicit FakeTimers(FakeWindows& windows) : m_windows(windows) {}

    std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) override;
    bool KillTimer(WindowHandle window, std::uintptr_t id) override;
    Microseconds Now() override { return m_now; }
    void SetDeadline(WindowHandle window, std::uintptr_t id, Microseconds due) override;

    // Running: set and not killed, on a window that still exists.
    bool IsActive(WindowHandle window, std::uintptr_t id) const;
    // The interval of a running timer, 0 when it is not running; for a deadline, the milliseconds
    // until it, rounded up.
    std::uint32_t Interval(WindowHandle window, std::uintptr_t id) const;
    int ActiveCount() const;
    // Dispatches WM_TIMER to the window now; false (and nothing happens) when the timer is not running.
    bool Fire(WindowHandle window, std::uintptr_t id);
    // Queues WM_TIMER for the message loop; false when the timer is not running.
    bool Elapse(WindowHandle window, std::uintptr_t id);

    // "SetTimer(0x1000, 1, 250)", "KillTimer(0x1000, 1)", "SetDeadline(0x1000, 1, 250)" (in ms from now).
    CCallLog& Log() { return m_log; }

private:
    FakeWindows& m_windows;
    // Fire and Elapse: the clock moves on to the timer's deadline, if it has one.
    bool GoOff(WindowHandle window, std::uintptr_t id);

    std::map<std::pair<WindowHandle, std::uintptr_t>, std::uint32_t> m_timers;
    std::map<std::pair<WindowHandle, std::uintptr_t>, Microseconds> m_deadlines;
    Microseconds m_now = 1000000;
    CCallLog m_log;
};
