#include "platform/win32/Win32Timers.h"

#include "platform/win32/Win32Handles.h"

CWin32Timers::CWin32Timers() {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    m_nFrequency = frequency.QuadPart > 0 ? frequency.QuadPart : 1;
}

std::uintptr_t CWin32Timers::SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) {
    return ::SetTimer(ToHwnd(window), id, milliseconds, nullptr);
}

bool CWin32Timers::KillTimer(WindowHandle window, std::uintptr_t id) {
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
    const Microseconds now = Now();
    const Microseconds wait = due > now ? due - now : 0;
    ::SetTimer(ToHwnd(window), id, static_cast<UINT>((wait + 999) / 1000), nullptr);
}

WallTime CWin32Timers::WallClock() {
    // FILETIME counts 100 ns steps from 1601; 11644473600 s lie between then and 1970.
    constexpr std::int64_t TICKS_PER_SECOND = 10000000;
    constexpr std::int64_t SECONDS_1601_TO_1970 = 11644473600LL;
    FILETIME utc{};
    GetSystemTimeAsFileTime(&utc);
    const std::int64_t ticks = (static_cast<std::int64_t>(utc.dwHighDateTime) << 32) | utc.dwLowDateTime;
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return WallTime{ticks / TICKS_PER_SECOND - SECONDS_1601_TO_1970,
                    local.wHour * 3600 + local.wMinute * 60 + local.wSecond};
}
