#include "fw/MessagePump.h"

#include "ports/Win32Constants.h"

CMessagePump::CMessagePump(ITimers& system, IMessageQueue& queue) : m_system(system), m_queue(queue) {}

std::uintptr_t CMessagePump::SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) {
    if (m_bArmed && m_hDeadlineWindow == window && m_nDeadlineId == id) {
        m_bArmed = false;
    }
    return m_system.SetTimer(window, id, milliseconds);
}

bool CMessagePump::KillTimer(WindowHandle window, std::uintptr_t id) {
    if (m_hDeadlineWindow == window && m_nDeadlineId == id) {
        m_bArmed = false;
    }
    return m_system.KillTimer(window, id);
}

Microseconds CMessagePump::Now() {
    return m_system.Now();
}

void CMessagePump::SetDeadline(WindowHandle window, std::uintptr_t id, Microseconds due) {
    if (m_bArmed && (m_hDeadlineWindow != window || m_nDeadlineId != id)) {
        m_system.KillTimer(m_hDeadlineWindow, m_nDeadlineId);
    }
    m_bArmed = true;
    m_hDeadlineWindow = window;
    m_nDeadlineId = id;
    m_nDue = due;
    // Set anew every time, also for the same moment: a stand-in that went off early in a loop of the
    // system's own (window timers may come up to a tick early) waits for the time left.
    m_system.SetDeadline(window, id, due + STAND_IN_LAG);
}

bool CMessagePump::GetMessage(Msg* msg) {
    for (;;) {
        const bool bDeadlineDue = m_bArmed && m_system.Now() >= m_nDue;
        if (bDeadlineDue && !m_bQueueOwed) {
            m_bArmed = false;
            m_bQueueOwed = true;
            *msg = Msg{m_hDeadlineWindow, WM_TIMER, m_nDeadlineId, 0, 0, {}};
            return true;
        }
        // The queue is looked into only when the last look or wait said something may be in it, or
        // when a deadline due again at once has to wait for its turn: that spares a call to the
        // system at most deadlines.
        if (m_bQueueMayHoldMessages || bDeadlineDue) {
            m_bQueueOwed = false;
            m_bQueueMayHoldMessages = m_queue.PeekMessage(msg);
            if (m_bQueueMayHoldMessages) {
                return msg->message != WM_QUIT;
            }
            continue;
        }
        // The wait looks into the queue too: it ends at once for a message waiting.
        m_bQueueOwed = false;
        m_bQueueMayHoldMessages = !m_queue.WaitForMessage(m_bArmed, m_nDue);
    }
}
