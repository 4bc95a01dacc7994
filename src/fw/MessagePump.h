#pragma once
// The message loops' source of messages, and the timers the program sees. A timer given a deadline
// goes off as its WM_TIMER as soon as the clock reaches it, in whichever of our loops is running: one
// wait serves the queue and the deadline together. A deadline that has come goes before the queue, so
// that a busy queue cannot hold a press back; but between two deadlines the queue is served at least
// once, so that Stop, the shortcut and the close box act even when every deadline is due the moment
// the last one has been handled. Loops of the system's own (a message box, a menu, a window being
// moved) never ask us for a message: there a window timer set just after the deadline stands in.
#include <cstdint>

#include "ports/IMessageQueue.h"
#include "ports/IMessageSource.h"
#include "ports/ITimers.h"

class CMessagePump : public ITimers, public IMessageSource {
public:
    // The stand-in window timer goes off this long after the deadline, so that in our own loops the
    // deadline always comes first and the stand-in is set anew before it goes off.
    static constexpr Microseconds STAND_IN_LAG = 1000;

    // system: the window timers and the clock; its SetDeadline is the stand-in.
    CMessagePump(ITimers& system, IMessageQueue& queue);

    std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) override;
    bool KillTimer(WindowHandle window, std::uintptr_t id) override;
    Microseconds Now() override;
    void SetDeadline(WindowHandle window, std::uintptr_t id, Microseconds due) override;
    WallTime WallClock() override { return m_system.WallClock(); }

    bool GetMessage(Msg* msg) override;

private:
    ITimers& m_system;
    IMessageQueue& m_queue;

    bool m_bArmed = false;
    WindowHandle m_hDeadlineWindow = 0;
    std::uintptr_t m_nDeadlineId = 0;
    Microseconds m_nDue = 0;
    // A deadline has been handed out since the queue was last looked into or waited on.
    bool m_bQueueOwed = false;
    // The last look found a message, or the last wait ended for one: there may be more.
    bool m_bQueueMayHoldMessages = true;
};
