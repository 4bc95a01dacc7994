#pragma once
// A menu seen through the menu port. A menu loaded with LoadMenu is owned and destroyed with the
// object (or when another is loaded); sub-menus and borrowed handles are not.
#include <cstdint>
#include <string>

#include "ports/IMenus.h"
#include "ports/WinTypes.h"

class CMenu {
public:
    explicit CMenu(IMenus& menus);
    ~CMenu();

    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    CMenu(CMenu&& other) noexcept;

    // Wraps a handle the object does not own (a system menu, a sub-menu).
    static CMenu Borrow(IMenus& menus, MenuHandle menu);

    bool LoadMenu(std::uint32_t id);
    void DestroyMenu();
    // A non-owning wrapper of the sub-menu at position (its m_hMenu is 0 when there is none).
    CMenu GetSubMenu(int position) const;
    // The chosen item arrives at owner as WM_COMMAND.
    bool TrackPopupMenu(std::uint32_t flags, int x, int y, WindowHandle owner) const;
    bool SetDefaultItem(std::uint32_t item, bool byPosition = false);
    bool AppendMenu(std::uint32_t flags, std::uintptr_t id, const std::wstring& text);
    bool InsertMenu(std::uint32_t before, std::uint32_t flags, std::uintptr_t id,
                    const std::wstring& text) const;
    bool DeleteMenu(std::uint32_t id) const;

    MenuHandle m_hMenu = 0;

private:
    CMenu(IMenus& menus, MenuHandle menu, bool owned);

    IMenus& m_menus;
    bool m_bOwned = false;
};
