#pragma once
// IMenus over user32: menus from the program's own resources, the system menu, pop-up tracking.
#include <cstdint>
#include <string>

#include "ports/IMenus.h"

class CWin32Menus : public IMenus {
public:
    MenuHandle LoadMenu(std::uint32_t id) override;
    bool DestroyMenu(MenuHandle menu) override;
    MenuHandle GetSubMenu(MenuHandle menu, int position) override;
    bool SetMenuDefaultItem(MenuHandle menu, std::uint32_t item, bool byPosition) override;
    bool TrackPopupMenu(MenuHandle menu, std::uint32_t flags, int x, int y, WindowHandle owner) override;
    MenuHandle GetSystemMenu(WindowHandle window, bool revert) override;
    bool InsertMenu(MenuHandle menu, std::uint32_t before, std::uint32_t flags, std::uintptr_t id,
                    const std::wstring& text) override;
    bool DeleteMenu(MenuHandle menu, std::uint32_t id) override;
    bool AppendMenu(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                    const std::wstring& text) override;
};
