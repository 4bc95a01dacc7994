#include "platform/win32/Win32Timers.h"

#include "platform/win32/Win32Handles.h"

namespace {

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

// timeBeginPeriod/timeEndPeriod, looked up so that the program does not need winmm for a fallback.
using TimePeriodFunction = UINT(WINAPI*)(UINT);

TimePeriodFunction WinmmFunction(const char* name) {
    HMODULE winmm = GetModuleHandleW(L"winmm.dll");
    if (winmm == nullptr) {
        winmm = LoadLibraryW(L"winmm.dll");
    }
    return winmm != nullptr
               ? reinterpret_cast<TimePeriodFunction>(reinterpret_cast<void*>(GetProcAddress(winmm, name)))
               : nullptr;
}

void RaiseTimerResolution(bool raise) {
    if (const TimePeriodFunction function = WinmmFunction(raise ? "timeBeginPeriod" : "timeEndPeriod")) {
        function(1);
    }
}

} // namespace

CWin32Timers::CWin32Timers() {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    m_nFrequency = frequency.QuadPart > 0 ? frequency.QuadPart : 1;
    m_hTimer =
        CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    m_bHighResolution = m_hTimer != nullptr;
    if (m_hTimer == nullptr) {
        m_hTimer = CreateWaitableTimerW(nullptr, FALSE, nullptr);
    }
}

CWin32Timers::~CWin32Timers() {
    CancelDeadline();
    if (m_hTimer != nullptr) {
        CloseHandle(m_hTimer);
    }
}

std::uintptr_t CWin32Timers::SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) {
    return ::SetTimer(ToHwnd(window), id, milliseconds, nullptr);
}

bool CWin32Timers::KillTimer(WindowHandle window, std::uintptr_t id) {
    if (m_hDeadlineWindow == window && m_nDeadlineId == id) {
        CancelDeadline();
    }
    return ::KillTimer(ToHwnd(window), id) != FALSE;
}

Microseconds CWin32Timers::Now() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    // Split so that the product cannot overflow for any uptime.
    const std::int64_t seconds = counter.QuadPart / m_nFrequency;
    const std::int64_t rest = counter.QuadPart % m_nFrequency;
    return seconds * 1000000 + rest * 1000000 / m_nFrequency;
}

void CWin32Timers::SetDeadline(WindowHandle window, std::uintptr_t id, Microseconds due) {
    if (m_hDeadlineWindow != window || m_nDeadlineId != id) {
        CancelDeadline();
    } else if (m_bArmed && due == m_nDue) {
        // Already set for that moment: a window timer that came early changes nothing.
        return;
    }
    const Microseconds now = Now();
    const Microseconds wait = due > now ? due - now : 0;
    if (m_hTimer != nullptr) {
        if (!m_bHighResolution && !m_bResolutionRaised) {
            RaiseTimerResolution(true);
            m_bResolutionRaised = true;
        }
        // Negative: relative to now, in 100-nanosecond units, so a change of the wall clock cannot move it.
        LARGE_INTEGER relative{};
        relative.QuadPart = -wait * 10;
        SetWaitableTimer(m_hTimer, &relative, 0, nullptr, nullptr, FALSE);
    }
    m_bArmed = true;
    m_bSignalled = false;
    m_hDeadlineWindow = window;
    m_nDeadlineId = id;
    m_nDue = due;
    // Rounded up, and a millisecond later still, so that in our own loop the waitable timer comes first
    // and the window timer is set anew before it goes off.
    ::SetTimer(ToHwnd(window), id, static_cast<UINT>((wait + 999) / 1000 + 1), nullptr);
}

bool CWin32Timers::TakeDueDeadline(Msg* msg) {
    if (!m_bArmed) {
        return false;
    }
    if (!m_bSignalled && Now() < m_nDue) {
        return false;
    }
    m_bArmed = false;
    m_bSignalled = false;
    // A window destroyed without killing its timer gets nothing.
    if (!IsWindow(ToHwnd(m_hDeadlineWindow))) {
        return false;
    }
    *msg = Msg{m_hDeadlineWindow, WM_TIMER, m_nDeadlineId, 0, GetTickCount(), {}};
    return true;
}

bool CWin32Timers::WaitForMessageOrDeadline() {
    if (m_bArmed && m_hTimer != nullptr) {
        HANDLE timer = m_hTimer;
        // A synchronisation timer: the wait that it ends also resets it.
        m_bSignalled = MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
                       WAIT_OBJECT_0;
        return m_bSignalled;
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    return false;
}

void CWin32Timers::CancelDeadline() {
    if (m_hTimer != nullptr) {
        CancelWaitableTimer(m_hTimer);
    }
    if (m_bResolutionRaised) {
        RaiseTimerResolution(false);
        m_bResolutionRaised = false;
    }
    m_bArmed = false;
    m_bSignalled = false;
    m_hDeadlineWindow = 0;
    m_nDeadlineId = 0;
}
