#include "fw/Menu.h"

CMenu::CMenu(IMenus& menus) : m_menus(menus) {}

CMenu::CMenu(IMenus& menus, MenuHandle menu, bool owned) : m_hMenu(menu), m_menus(menus), m_bOwned(owned) {}

CMenu::CMenu(CMenu&& other) noexcept
    : m_hMenu(other.m_hMenu), m_menus(other.m_menus), m_bOwned(other.m_bOwned) {
    other.m_hMenu = 0;
    other.m_bOwned = false;
}

CMenu::~CMenu() {
    DestroyMenu();
}

CMenu CMenu::Borrow(IMenus& menus, MenuHandle menu) {
    return CMenu(menus, menu, false);
}

bool CMenu::LoadMenu(std::uint32_t id) {
    DestroyMenu();
    m_hMenu = m_menus.LoadMenu(id);
    m_bOwned = m_hMenu != 0;
    return m_hMenu != 0;
}

void CMenu::DestroyMenu() {
    if (m_bOwned && m_hMenu != 0) {
        m_menus.DestroyMenu(m_hMenu);
    }
    m_hMenu = 0;
    m_bOwned = false;
}

CMenu CMenu::GetSubMenu(int position) const {
    return CMenu(m_menus, m_hMenu != 0 ? m_menus.GetSubMenu(m_hMenu, position) : 0, false);
}

bool CMenu::TrackPopupMenu(std::uint32_t flags, int x, int y, WindowHandle owner) const {
    return m_hMenu != 0 && m_menus.TrackPopupMenu(m_hMenu, flags, x, y, owner);
}

bool CMenu::SetDefaultItem(std::uint32_t item, bool byPosition) {
    return m_hMenu != 0 && m_menus.SetMenuDefaultItem(m_hMenu, item, byPosition);
}

bool CMenu::InsertMenu(std::uint32_t before, std::uint32_t flags, std::uintptr_t id,
                       const std::wstring& text) const {
    return m_hMenu != 0 && m_menus.InsertMenu(m_hMenu, before, flags, id, text);
}

bool CMenu::DeleteMenu(std::uint32_t id) const {
    return m_hMenu != 0 && m_menus.DeleteMenu(m_hMenu, id);
}

bool CMenu::AppendMenu(std::uint32_t flags, std::uintptr_t id, const std::wstring& text) {
    return m_hMenu != 0 && m_menus.AppendMenu(m_hMenu, flags, id, text);
}
