#include "platform/win32/Win32Timers.h"

#include <windows.h>

namespace {

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

} // namespace

std::uintptr_t Win32Timers::SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) {
    return ::SetTimer(ToHwnd(window), id, milliseconds, nullptr);
}

bool Win32Timers::KillTimer(WindowHandle window, std::uintptr_t id) {
    return ::KillTimer(ToHwnd(window), id) != FALSE;
}
