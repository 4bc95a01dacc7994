#pragma once
// ITimers over user32 and kernel32: window timers that arrive as WM_TIMER, without a callback, and
// one deadline at a time on a high-resolution waitable timer. Our own message loops wait for the
// deadline and a message together (see CWin32Windows::GetMessage); a loop of the system's (a message
// box, a menu) is served by a window timer set to the same moment, rounded up to the millisecond.
#include <cstdint>

#include "ports/ITimers.h"
#include "ports/WinTypes.h"

class CWin32Timers : public ITimers {
public:
    CWin32Timers();
    ~CWin32Timers() override;
    CWin32Timers(const CWin32Timers&) = delete;
    CWin32Timers& operator=(const CWin32Timers&) = delete;

    std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) override;
    bool KillTimer(WindowHandle window, std::uintptr_t id) override;
    Microseconds Now() override;
    void SetDeadline(WindowHandle window, std::uintptr_t id, Microseconds due) override;

    // For the message loop: the deadline, once it has come, as the WM_TIMER it stands for.
    bool TakeDueDeadline(Msg* msg);
    // Blocks until a message is waiting or the deadline comes; with no deadline, until a message.
    // True when the deadline ended the wait.
    bool WaitForMessageOrDeadline();

private:
    void CancelDeadline();

    void* m_hTimer = nullptr;
    // Without a high-resolution timer the system's timer resolution is raised while a deadline is set.
    bool m_bHighResolution = false;
    bool m_bResolutionRaised = false;
    std::int64_t m_nFrequency = 1;

    // Set and not yet taken by the message loop; signalled: the waitable timer ended the last wait.
    bool m_bArmed = false;
    bool m_bSignalled = false;
    WindowHandle m_hDeadlineWindow = 0;
    std::uintptr_t m_nDeadlineId = 0;
    Microseconds m_nDue = 0;
};
