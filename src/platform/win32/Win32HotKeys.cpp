#include "platform/win32/Win32HotKeys.h"

#include "platform/win32/Win32Handles.h"

#include <cstdint>

bool CWin32HotKeys::RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t vk) {
    return ::RegisterHotKey(ToHwnd(window), id, modifiers, vk) != FALSE;
}

bool CWin32HotKeys::UnregisterHotKey(WindowHandle window, int id) {
    return ::UnregisterHotKey(ToHwnd(window), id) != FALSE;
}

std::uint32_t CWin32HotKeys::GetLastError() {
    return ::GetLastError();
}
