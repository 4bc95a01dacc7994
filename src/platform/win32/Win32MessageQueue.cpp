#include "platform/win32/Win32MessageQueue.h"

#include <string>

#include "platform/win32/Win32Handles.h"

namespace {

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

// timeBeginPeriod/timeEndPeriod, looked up so that the program does not need winmm for a fallback.
using TimePeriodFunction = UINT(WINAPI*)(UINT);

// By its full path in the system folder: a bare name (and an import) is looked for beside the program
// first, where a file of that name in a downloads folder would be loaded in its place.
HMODULE LoadWinmmFromSystemFolder() {
    wchar_t szFolder[MAX_PATH] = {};
    const UINT nLength = GetSystemDirectoryW(szFolder, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH) {
        return nullptr;
    }
    return LoadLibraryW((std::wstring(szFolder, nLength) + L"\\winmm.dll").c_str());
}

TimePeriodFunction WinmmFunction(const char* name) {
    // Loaded once and kept: the library stays for the life of the process.
    static const HMODULE winmm = LoadWinmmFromSystemFolder();
    return winmm != nullptr
               ? reinterpret_cast<TimePeriodFunction>(reinterpret_cast<void*>(GetProcAddress(winmm, name)))
               : nullptr;
}

} // namespace

CWin32MessageQueue::CWin32MessageQueue(ITimers& clock) : m_clock(clock) {
    m_hTimer =
        CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    m_bHighResolution = m_hTimer != nullptr;
    if (m_hTimer == nullptr) {
        m_hTimer = CreateWaitableTimerW(nullptr, FALSE, nullptr);
    }
}

CWin32MessageQueue::~CWin32MessageQueue() {
    RaiseTimerResolution(false);
    if (m_hTimer != nullptr) {
        CloseHandle(m_hTimer);
    }
}

bool CWin32MessageQueue::PeekMessage(Msg* msg) {
    MSG native{};
    if (!PeekMessageW(&native, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    *msg = FromNative(native);
    return true;
}

bool CWin32MessageQueue::WaitForMessage(bool hasDue, Microseconds due) {
    if (!hasDue || m_hTimer == nullptr) {
        // Nothing to wait for but messages: the timer, if it was set, is left to go off unheeded.
        RaiseTimerResolution(false);
        m_bTimerSet = false;
        MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        return false;
    }
    if (!m_bTimerSet || m_nTimerDue != due) {
        RaiseTimerResolution(!m_bHighResolution);
        const Microseconds now = m_clock.Now();
        // Negative: relative to now, in 100-nanosecond units, so a change of the wall clock cannot move it.
        LARGE_INTEGER relative{};
        relative.QuadPart = -(due > now ? due - now : 0) * 10;
        SetWaitableTimer(m_hTimer, &relative, 0, nullptr, nullptr, FALSE);
        m_bTimerSet = true;
        m_nTimerDue = due;
    }
    HANDLE timer = m_hTimer;
    // A synchronisation timer: the wait that it ends also resets it.
    if (MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0) {
        m_bTimerSet = false;
        return true;
    }
    return false;
}

void CWin32MessageQueue::RaiseTimerResolution(bool raise) {
    if (raise == m_bResolutionRaised) {
        return;
    }
    if (const TimePeriodFunction function = WinmmFunction(raise ? "timeBeginPeriod" : "timeEndPeriod")) {
        function(1);
    }
    m_bResolutionRaised = raise;
}
