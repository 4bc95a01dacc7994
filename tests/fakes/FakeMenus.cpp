#include "fakes/FakeMenus.h"

#include "ports/Win32Constants.h"

MenuHandle FakeMenus::Build(const std::vector<FakeMenuItem>& items, std::uint32_t resourceId,
                            MenuHandle parent) {
    const MenuHandle handle = m_nextHandle;
    m_nextHandle += 4;
    Menu& menu = m_menus[handle];
    menu.handle = handle;
    menu.resourceId = resourceId;
    menu.parent = parent;
    for (const FakeMenuItem& item : items) {
        const MenuHandle subMenu = item.popup.empty() ? 0 : Build(item.popup, resourceId, handle);
        m_menus[handle].items.push_back(Item{item.flags, item.id, item.text, subMenu});
    }
    return handle;
}

FakeMenus::Menu* FakeMenus::FindLive(MenuHandle menu) {
    const auto found = m_menus.find(menu);
    return found != m_menus.end() && !found->second.destroyed ? &found->second : nullptr;
}

MenuHandle FakeMenus::LoadMenu(std::uint32_t id) {
    m_log.Add("LoadMenu(" + std::to_string(id) + ")");
    const auto found = m_resources.find(id);
    return found != m_resources.end() ? Build(found->second, id, 0) : 0;
}

bool FakeMenus::DestroyMenu(MenuHandle menu) {
    m_log.Add("DestroyMenu(" + Hex(menu) + ")");
    Menu* target = FindLive(menu);
    if (target == nullptr) {
        return false;
    }
    target->destroyed = true;
    for (const Item& item : std::vector<Item>(target->items)) {
        if (item.subMenu != 0) {
            DestroyMenu(item.subMenu);
        }
    }
    return true;
}

MenuHandle FakeMenus::GetSubMenu(MenuHandle menu, int position) {
    const Menu* target = FindLive(menu);
    if (target == nullptr || position < 0 || position >= static_cast<int>(target->items.size())) {
        return 0;
    }
    return target->items[static_cast<std::size_t>(position)].subMenu;
}

bool FakeMenus::SetMenuDefaultItem(MenuHandle menu, std::uint32_t item, bool byPosition) {
    m_log.Add("SetMenuDefaultItem(" + Hex(menu) + ", " + std::to_string(item) + ", " + BoolText(byPosition) +
              ")");
    Menu* target = FindLive(menu);
    if (target == nullptr) {
        return false;
    }
    target->hasDefault = true;
    target->defaultItem = item;
    target->defaultByPosition = byPosition;
    return true;
}

bool FakeMenus::TrackPopupMenu(MenuHandle menu, std::uint32_t flags, int x, int y, WindowHandle owner) {
    m_log.Add("TrackPopupMenu(" + Hex(menu) + ", " + Hex(flags) + ", " + std::to_string(x) + ", " +
              std::to_string(y) + ", " + Hex(owner) + ")");
    if (FindLive(menu) == nullptr || !m_windows.IsWindow(owner)) {
        return false;
    }
    m_tracked.push_back(TrackCall{menu, flags, x, y, owner});
    std::uintptr_t command = 0;
    if (!m_choices.empty()) {
        command = m_choices.front();
        m_choices.pop_front();
    }
    if (command != 0) {
        m_windows.Enqueue(Msg{owner, WM_COMMAND, command & 0xFFFF, 0, 0, {}});
    }
    return true;
}

MenuHandle FakeMenus::GetSystemMenu(WindowHandle window, bool revert) {
    m_log.Add("GetSystemMenu(" + Hex(window) + ", " + BoolText(revert) + ")");
    if (revert || !m_windows.IsWindow(window) || m_noSystemMenu.count(window) != 0) {
        return 0;
    }
    const auto found = m_systemMenus.find(window);
    if (found != m_systemMenus.end()) {
        return found->second;
    }
    const MenuHandle handle = Build({}, 0, 0);
    m_menus[handle].systemMenuOf = window;
    m_systemMenus[window] = handle;
    return handle;
}

bool FakeMenus::AppendMenu(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                           const std::wstring& text) {
    m_log.Add("AppendMenu(" + Hex(menu) + ", " + Hex(flags) + ", " + std::to_string(id) + ", \"" +
              Narrow(text) + "\")");
    Menu* target = FindLive(menu);
    if (target == nullptr) {
        return false;
    }
    target->items.push_back(Item{flags, id, text, 0});
    return true;
}

void FakeMenus::AddMenuResource(std::uint32_t id, std::vector<FakeMenuItem> items) {
    m_resources[id] = std::move(items);
}

const FakeMenus::Menu& FakeMenus::MenuOf(MenuHandle menu) const {
    const auto found = m_menus.find(menu);
    if (found == m_menus.end()) {
        ADD_FAILURE() << "no menu " << Hex(menu);
        return m_none;
    }
    return found->second;
}

int FakeMenus::LiveLoadedMenus() const {
    int count = 0;
    for (const auto& entry : m_menus) {
        const Menu& menu = entry.second;
        count += !menu.destroyed && menu.resourceId != 0 && menu.parent == 0 ? 1 : 0;
    }
    return count;
}

MenuHandle FakeMenus::SystemMenuOf(WindowHandle window) const {
    const auto found = m_systemMenus.find(window);
    return found != m_systemMenus.end() ? found->second : 0;
}
