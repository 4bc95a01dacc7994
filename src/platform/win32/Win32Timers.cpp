#include "platform/win32/Win32Timers.h"

#include <windows.h>

#include "platform/win32/Win32Handles.h"

std::uintptr_t CWin32Timers::SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) {
    return ::SetTimer(ToHwnd(window), id, milliseconds, nullptr);
}

bool CWin32Timers::KillTimer(WindowHandle window, std::uintptr_t id) {
    return ::KillTimer(ToHwnd(window), id) != FALSE;
}
