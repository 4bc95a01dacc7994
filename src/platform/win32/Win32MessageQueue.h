#pragma once
// IMessageQueue over user32 and kernel32: PeekMessageW, and one wait for a message and a moment
// together on a high-resolution waitable timer (MsgWaitForMultipleObjectsEx).
#include "ports/IMessageQueue.h"

class CWin32MessageQueue : public IMessageQueue {
public:
    // clock: the clock the moments are on.
    explicit CWin32MessageQueue(ITimers& clock);
    ~CWin32MessageQueue() override;
    CWin32MessageQueue(const CWin32MessageQueue&) = delete;
    CWin32MessageQueue& operator=(const CWin32MessageQueue&) = delete;

    bool PeekMessage(Msg* msg) override;
    bool WaitForMessage(bool hasDue, Microseconds due) override;

private:
    void RaiseTimerResolution(bool raise);

    ITimers& m_clock;
    void* m_hTimer = nullptr;
    // Without a high-resolution timer the system's timer resolution is raised while a moment is set.
    bool m_bHighResolution = false;
    bool m_bResolutionRaised = false;
    // The moment the waitable timer is set for, while it has not ended a wait.
    bool m_bTimerSet = false;
    Microseconds m_nTimerDue = 0;
};
