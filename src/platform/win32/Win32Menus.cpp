#include "platform/win32/Win32Menus.h"

#include "platform/win32/Win32Handles.h"

MenuHandle CWin32Menus::LoadMenu(std::uint32_t id) {
    return FromHandle(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)));
}

bool CWin32Menus::DestroyMenu(MenuHandle menu) {
    return ::DestroyMenu(ToHandle<HMENU>(menu)) != FALSE;
}

MenuHandle CWin32Menus::GetSubMenu(MenuHandle menu, int position) {
    return FromHandle(::GetSubMenu(ToHandle<HMENU>(menu), position));
}

bool CWin32Menus::SetMenuDefaultItem(MenuHandle menu, std::uint32_t item, bool byPosition) {
    return ::SetMenuDefaultItem(ToHandle<HMENU>(menu), item, byPosition ? TRUE : FALSE) != FALSE;
}

bool CWin32Menus::TrackPopupMenu(MenuHandle menu, std::uint32_t flags, int x, int y, WindowHandle owner) {
    return ::TrackPopupMenu(ToHandle<HMENU>(menu), flags, x, y, 0, ToHandle<HWND>(owner), nullptr) != FALSE;
}

MenuHandle CWin32Menus::GetSystemMenu(WindowHandle window, bool revert) {
    return FromHandle(::GetSystemMenu(ToHandle<HWND>(window), revert ? TRUE : FALSE));
}

bool CWin32Menus::InsertMenu(MenuHandle menu, std::uint32_t before, std::uint32_t flags, std::uintptr_t id,
                             const std::wstring& text) {
    return InsertMenuW(ToHandle<HMENU>(menu), before, flags | MF_BYCOMMAND, id,
                       (flags & MF_SEPARATOR) != 0 ? nullptr : text.c_str()) != FALSE;
}

bool CWin32Menus::DeleteMenu(MenuHandle menu, std::uint32_t id) {
    return ::DeleteMenu(ToHandle<HMENU>(menu), id, MF_BYCOMMAND) != FALSE;
}

bool CWin32Menus::AppendMenu(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                             const std::wstring& text) {
    return AppendMenuW(ToHandle<HMENU>(menu), flags, id,
                       (flags & MF_SEPARATOR) != 0 ? nullptr : text.c_str()) != FALSE;
}
