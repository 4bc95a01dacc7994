#pragma once
// Window timers for FakeWindows: SetTimer/KillTimer/SetDeadline are recorded and kept as state, and
// a test makes a timer go off, either now (Fire) or through the message queue (Elapse), so that it
// arrives in whatever message loop is running. The clock stands still until a timer with a deadline
// goes off: then it moves on to that deadline.
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "fakes/CallLog.h"
#include "fakes/FakeWindows.h"
#include "ports/ITimers.h"
#include "ports/Win32Constants.h"

class FakeTimers : public ITimers {
public:
    explicit FakeTimers(FakeWindows& windows) : m_windows(windows) {}

    // "SetTimer(0x1000, 1, 250)", "KillTimer(0x1000, 1)", "SetDeadline(0x1000, 1, 250)" (in ms from now).
    CCallLog& Log() { return m_log; }

    std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) override {
        m_log.Add(Call("SetTimer", {Hex(window), std::to_string(id), std::to_string(milliseconds)}));
        if (!m_windows.IsWindow(window)) {
            return 0;
        }
        // Setting a running timer again replaces its interval; a deadline it has stays.
        m_timers[{window, id}].milliseconds = milliseconds;
        return id;
    }
    bool KillTimer(WindowHandle window, std::uintptr_t id) override {
        m_log.Add(Call("KillTimer", {Hex(window), std::to_string(id)}));
        const bool bWasActive = IsActive(window, id);
        m_timers.erase({window, id});
        return bWasActive;
    }
    Microseconds Now() override { return m_now; }
    WallTime WallClock() override { return {}; }
    void SetDeadline(WindowHandle window, std::uintptr_t id, Microseconds due) override {
        m_log.Add(
            Call("SetDeadline", {Hex(window), std::to_string(id), std::to_string(MillisecondsUntil(due))}));
        if (m_windows.IsWindow(window)) {
            m_timers[{window, id}] = Timer{0, true, due};
        }
    }

    // Running: set and not killed, on a window that still exists.
    bool IsActive(WindowHandle window, std::uintptr_t id) const {
        return m_timers.count({window, id}) != 0 && m_windows.Exists(window) &&
               m_windows.Window(window).IsLive();
    }
    // The interval of a running timer, 0 when it is not running; for a deadline, the milliseconds
    // until it, rounded up.
    std::uint32_t Interval(WindowHandle window, std::uintptr_t id) const {
        if (!IsActive(window, id)) {
            return 0;
        }
        const Timer& timer = m_timers.at({window, id});
        return timer.bDeadline
                   ? static_cast<std::uint32_t>(std::max<Microseconds>(MillisecondsUntil(timer.due), 0))
                   : timer.milliseconds;
    }
    int ActiveCount() const {
        return static_cast<int>(std::count_if(m_timers.begin(), m_timers.end(), [this](const auto& timer) {
            return IsActive(timer.first.first, timer.first.second);
        }));
    }
    // Dispatches WM_TIMER to the window now; false (and nothing happens) when the timer is not running.
    bool Fire(WindowHandle window, std::uintptr_t id) {
        const bool bActive = GoOff(window, id);
        if (bActive) {
            m_windows.DispatchMessage(Msg{window, WM_TIMER, id, 0, 0, {}});
        }
        return bActive;
    }
    // Queues WM_TIMER for the message loop; false when the timer is not running.
    bool Elapse(WindowHandle window, std::uintptr_t id) {
        const bool bActive = GoOff(window, id);
        if (bActive) {
            m_windows.Enqueue(Msg{window, WM_TIMER, id, 0, 0, {}});
        }
        return bActive;
    }

private:
    struct Timer {
        std::uint32_t milliseconds = 0;
        bool bDeadline = false;
        Microseconds due = 0;
    };

    Microseconds MillisecondsUntil(Microseconds due) const { return (due - m_now + 999) / 1000; }
    // The clock moves on to the timer's deadline, if it has one.
    bool GoOff(WindowHandle window, std::uintptr_t id) {
        if (!IsActive(window, id)) {
            return false;
        }
        const Timer& timer = m_timers.at({window, id});
        m_now = timer.bDeadline ? std::max(m_now, timer.due) : m_now;
        return true;
    }

    FakeWindows& m_windows;
    std::map<std::pair<WindowHandle, std::uintptr_t>, Timer> m_timers;
    Microseconds m_now = 1000000;
    CCallLog m_log;
};
