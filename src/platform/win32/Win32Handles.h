#pragma once
// Handles cross the ports as 32-bit integers, which holds every Win32 handle in the i686 build:
// the one pair of conversions, a message's, and the one callback that hands enumerated windows to a port
// visitor.
#include <cstdint>
#include <functional>

#include "platform/win32/Win32Sdk.h"
#include "ports/WinTypes.h"

static_assert(sizeof(void*) == sizeof(std::uint32_t), "handles cross the ports as 32-bit integers");

// A predefined registry root such as HKEY_CURRENT_USER ((LONG)0x80000001) round-trips too: with
// 32-bit pointers, sign and zero extension give the same handle.
template <typename Handle> Handle ToHandle(std::uint32_t value) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(value));
}

template <typename Handle> std::uint32_t FromHandle(Handle handle) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}

inline HWND ToHwnd(WindowHandle window) {
    return ToHandle<HWND>(window);
}

// Msg and MSG have the same fields; only the window handle changes its type on the way.
template <typename To, typename From, typename HandleConversion>
To ConvertMsg(const From& from, HandleConversion convertHandle) {
    To to{};
    to.hwnd = convertHandle(from.hwnd);
    to.message = from.message;
    to.wParam = from.wParam;
    to.lParam = from.lParam;
    to.time = from.time;
    to.pt.x = from.pt.x;
    to.pt.y = from.pt.y;
    return to;
}

inline MSG ToNative(const Msg& msg) {
    return ConvertMsg<MSG>(msg, ToHwnd);
}

inline Msg FromNative(const MSG& native) {
    return ConvertMsg<Msg>(native, FromHandle<HWND>);
}

// For EnumWindows and EnumChildWindows, with WindowVisitor(visit) as the callback's parameter.
inline BOOL CALLBACK VisitWindow(HWND window, LPARAM visit) {
    return (*reinterpret_cast<const std::function<bool(WindowHandle)>*>(visit))(FromHandle(window)) ? TRUE
                                                                                                    : FALSE;
}

inline LPARAM WindowVisitor(const std::function<bool(WindowHandle)>& visit) {
    return reinterpret_cast<LPARAM>(&visit);
}
