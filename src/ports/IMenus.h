#pragma once
// Menus: resources, the system menu and pop-up tracking.
#include <cstdint>
#include <string>

#include "ports/WinTypes.h"

class IMenus {
public:
    virtual ~IMenus() = default;

    virtual MenuHandle LoadMenu(std::uint32_t id) = 0;
    virtual bool DestroyMenu(MenuHandle menu) = 0;
    virtual MenuHandle GetSubMenu(MenuHandle menu, int position) = 0;
    virtual bool SetMenuDefaultItem(MenuHandle menu, std::uint32_t item, bool byPosition) = 0;
    // TrackPopupMenu without a rectangle; the chosen item arrives at owner as WM_COMMAND.
    virtual bool TrackPopupMenu(MenuHandle menu, std::uint32_t flags, int x, int y, WindowHandle owner) = 0;
    virtual MenuHandle GetSystemMenu(WindowHandle window, bool revert) = 0;
    virtual bool AppendMenu(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                            const std::wstring& text) = 0;
    // InsertMenuW and DeleteMenuW by command: the new item goes before the item with the command before.
    virtual bool InsertMenu(MenuHandle menu, std::uint32_t before, std::uint32_t flags, std::uintptr_t id,
                            const std::wstring& text) = 0;
    virtual bool DeleteMenu(MenuHandle menu, std::uint32_t id) = 0;
};
