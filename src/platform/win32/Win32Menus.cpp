#include "platform/win32/Win32Menus.h"

#include <windows.h>
// After <windows.h>, before anything that names a port method.
#include "platform/win32/Win32NameMacros.h"

namespace {

template <typename Handle> Handle ToHandle(std::uint32_t handle) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(handle));
}

template <typename Handle> std::uint32_t FromHandle(Handle handle) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}

} // namespace

MenuHandle Win32Menus::LoadMenu(std::uint32_t id) {
    return FromHandle(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)));
}

bool Win32Menus::DestroyMenu(MenuHandle menu) {
    return ::DestroyMenu(ToHandle<HMENU>(menu)) != FALSE;
}

MenuHandle Win32Menus::GetSubMenu(MenuHandle menu, int position) {
    return FromHandle(::GetSubMenu(ToHandle<HMENU>(menu), position));
}

bool Win32Menus::SetMenuDefaultItem(MenuHandle menu, std::uint32_t item, bool byPosition) {
    return ::SetMenuDefaultItem(ToHandle<HMENU>(menu), item, byPosition ? TRUE : FALSE) != FALSE;
}

bool Win32Menus::TrackPopupMenu(MenuHandle menu, std::uint32_t flags, int x, int y, WindowHandle owner) {
    return ::TrackPopupMenu(ToHandle<HMENU>(menu), flags, x, y, 0, ToHandle<HWND>(owner), nullptr) != FALSE;
}

MenuHandle Win32Menus::GetSystemMenu(WindowHandle window, bool revert) {
    return FromHandle(::GetSystemMenu(ToHandle<HWND>(window), revert ? TRUE : FALSE));
}

bool Win32Menus::AppendMenu(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                            const std::wstring& text) {
    return AppendMenuW(ToHandle<HMENU>(menu), flags, id,
                       (flags & MF_SEPARATOR) != 0 ? nullptr : text.c_str()) != FALSE;
}
