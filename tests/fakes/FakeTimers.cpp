#include "fakes/FakeTimers.h"

#include <algorithm>
#include <string>

#include "ports/Win32Constants.h"

std::uintptr_t FakeTimers::SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) {
    m_log.Add("SetTimer(" + Hex(window) + ", " + std::to_string(id) + ", " + std::to_string(milliseconds) +
              ")");
    if (!m_windows.IsWindow(window)) {
        return 0;
    }
    // Setting a running timer again replaces its interval.
    m_timers[{window, id}] = milliseconds;
    return id;
}

bool FakeTimers::KillTimer(WindowHandle window, std::uintptr_t id) {
    m_log.Add("KillTimer(" + Hex(window) + ", " + std::to_string(id) + ")");
    const bool wasActive = IsActive(window, id);
    m_timers.erase({window, id});
    m_deadlines.erase({window, id});
    return wasActive;
}

void FakeTimers::SetDeadline(WindowHandle window, std::uintptr_t id, Microseconds due) {
    m_log.Add("SetDeadline(" + Hex(window) + ", " + std::to_string(id) + ", " +
              std::to_string((due - m_now + 999) / 1000) + ")");
    if (m_windows.IsWindow(window)) {
        m_timers.erase({window, id});
        m_deadlines[{window, id}] = due;
    }
}

bool FakeTimers::IsActive(WindowHandle window, std::uintptr_t id) const {
    return (m_timers.count({window, id}) != 0 || m_deadlines.count({window, id}) != 0) &&
           m_windows.Exists(window) && m_windows.Window(window).IsLive();
}

std::uint32_t FakeTimers::Interval(WindowHandle window, std::uintptr_t id) const {
    if (!IsActive(window, id)) {
        return 0;
    }
    const auto deadline = m_deadlines.find({window, id});
    if (deadline == m_deadlines.end()) {
        return m_timers.at({window, id});
    }
    return static_cast<std::uint32_t>(std::max<Microseconds>(deadline->second - m_now + 999, 0) / 1000);
}

int FakeTimers::ActiveCount() const {
    // Window timers and deadlines alike; an id may stand in both maps, and counts once.
    int count = 0;
    for (const auto& timer : m_timers) {
        count += IsActive(timer.first.first, timer.first.second) ? 1 : 0;
    }
    for (const auto& deadline : m_deadlines) {
        const bool countedAlready = m_timers.count(deadline.first) != 0;
        count += !countedAlready && IsActive(deadline.first.first, deadline.first.second) ? 1 : 0;
    }
    return count;
}

bool FakeTimers::GoOff(WindowHandle window, std::uintptr_t id) {
    if (!IsActive(window, id)) {
        return false;
    }
    const auto deadline = m_deadlines.find({window, id});
    if (deadline != m_deadlines.end()) {
        m_now = std::max(m_now, deadline->second);
    }
    return true;
}

bool FakeTimers::Fire(WindowHandle window, std::uintptr_t id) {
    if (!GoOff(window, id)) {
        return false;
    }
    m_windows.DispatchMessage(Msg{window, WM_TIMER, id, 0, 0, {}});
    return true;
}

bool FakeTimers::Elapse(WindowHandle window, std::uintptr_t id) {
    if (!GoOff(window, id)) {
        return false;
    }
    m_windows.Enqueue(Msg{window, WM_TIMER, id, 0, 0, {}});
    return true;
}
