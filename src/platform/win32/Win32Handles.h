#pragma once
// Handles cross the ports as 32-bit integers; on i686 every Win32 handle fits in one.
#include <windows.h>

#include <cstdint>

#include "ports/WinTypes.h"

template <typename Handle> Handle ToHandle(std::uint32_t value) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(value));
}

template <typename Handle> std::uint32_t FromHandle(Handle handle) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}

inline HWND ToHwnd(WindowHandle window) {
    return ToHandle<HWND>(window);
}
