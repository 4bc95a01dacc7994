#pragma once
// Menus for FakeWindows: menu resources the test describes, the menus loaded from them, system
// menus, and pop-up tracking with a scripted choice that arrives at the owner as a posted
// WM_COMMAND, as a real menu choice does.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fakes/CallLog.h"
#include "fakes/FakeWindows.h"
#include "ports/IMenus.h"
#include "ports/Win32Constants.h"

// An item of a menu resource: a command, a separator, or a pop-up with items of its own.
struct FakeMenuItem {
    std::uint32_t flags = 0; // MF_STRING, MF_SEPARATOR, ...
    std::uintptr_t id = 0;
    std::wstring text;
    std::vector<FakeMenuItem> popup;

    static FakeMenuItem Command(std::uintptr_t id, std::wstring text) {
        return FakeMenuItem{MF_STRING, id, std::move(text), {}};
    }
    static FakeMenuItem Separator() { return FakeMenuItem{MF_SEPARATOR, 0, L"", {}}; }
    static FakeMenuItem Popup(std::wstring text, std::vector<FakeMenuItem> items) {
        return FakeMenuItem{MF_POPUP, 0, std::move(text), std::move(items)};
    }
};

class FakeMenus : public IMenus {
public:
    struct Item {
        std::uint32_t flags = 0;
        std::uintptr_t id = 0;
        std::wstring text;
        MenuHandle subMenu = 0;
    };
    struct Menu {
        MenuHandle handle = 0;
        std::uint32_t resourceId = 0; // 0 for a system menu
        MenuHandle parent = 0;        // the menu a pop-up belongs to
        std::vector<Item> items;
        bool hasDefault = false;
        std::uint32_t defaultItem = 0;
        bool defaultByPosition = false;
        bool destroyed = false;
    };
    struct TrackCall {
        MenuHandle menu = 0;
        std::uint32_t flags = 0;
        int x = 0;
        int y = 0;
        WindowHandle owner = 0;
    };

    explicit FakeMenus(FakeWindows& windows) : m_windows(windows) {}

    MenuHandle LoadMenu(std::uint32_t id) override {
        m_log.Add("LoadMenu(" + std::to_string(id) + ")");
        const auto found = m_resources.find(id);
        return found != m_resources.end() ? Build(found->second, id, 0) : 0;
    }
    // Destroys the menu's pop-ups with it.
    bool DestroyMenu(MenuHandle menu) override {
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
    MenuHandle GetSubMenu(MenuHandle menu, int position) override {
        const Menu* target = FindLive(menu);
        return target && position >= 0 && position < static_cast<int>(target->items.size())
                   ? target->items[static_cast<std::size_t>(position)].subMenu
                   : 0;
    }
    bool SetMenuDefaultItem(MenuHandle menu, std::uint32_t item, bool byPosition) override {
        m_log.Add(Call("SetMenuDefaultItem", {Hex(menu), std::to_string(item), BoolText(byPosition)}));
        Menu* target = FindLive(menu);
        if (target != nullptr) {
            target->hasDefault = true;
            target->defaultItem = item;
            target->defaultByPosition = byPosition;
        }
        return target != nullptr;
    }
    bool TrackPopupMenu(MenuHandle menu, std::uint32_t flags, int x, int y, WindowHandle owner) override {
        m_log.Add(Call("TrackPopupMenu",
                       {Hex(menu), Hex(flags), std::to_string(x), std::to_string(y), Hex(owner)}));
        if (FindLive(menu) == nullptr || !m_windows.IsWindow(owner)) {
            return false;
        }
        m_tracked.push_back(TrackCall{menu, flags, x, y, owner});
        const std::uintptr_t command = m_choices.empty() ? 0 : m_choices.front();
        if (!m_choices.empty()) {
            m_choices.pop_front();
        }
        if (command != 0) {
            m_windows.Enqueue(Msg{owner, WM_COMMAND, command & 0xFFFF, 0, 0, {}});
        }
        return true;
    }
    MenuHandle GetSystemMenu(WindowHandle window, bool revert) override {
        m_log.Add(Call("GetSystemMenu", {Hex(window), BoolText(revert)}));
        if (revert || !m_windows.IsWindow(window)) {
            return 0;
        }
        MenuHandle& handle = m_systemMenus[window];
        handle = handle != 0 ? handle : Build({}, 0, 0);
        return handle;
    }
    bool AppendMenu(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                    const std::wstring& text) override {
        m_log.Add(
            Call("AppendMenu", {Hex(menu), Hex(flags), std::to_string(id), "\"" + Narrow(text) + "\""}));
        Menu* target = FindLive(menu);
        if (target != nullptr) {
            target->items.push_back(Item{flags, id, text, 0});
        }
        return target != nullptr;
    }

    bool InsertMenu(MenuHandle menu, std::uint32_t before, std::uint32_t flags, std::uintptr_t id,
                    const std::wstring& text) override {
        Menu* target = FindLive(menu);
        auto item = target ? FindItem(*target, before) : std::vector<Item>::iterator();
        if (target != nullptr && item != target->items.end()) {
            target->items.insert(item, Item{flags, id, text, 0});
            return true;
        }
        return false;
    }
    bool DeleteMenu(MenuHandle menu, std::uint32_t id) override {
        Menu* target = FindLive(menu);
        auto item = target ? FindItem(*target, id) : std::vector<Item>::iterator();
        if (target != nullptr && item != target->items.end()) {
            target->items.erase(item);
            return true;
        }
        return false;
    }

    void AddMenuResource(std::uint32_t id, std::vector<FakeMenuItem> items) {
        m_resources[id] = std::move(items);
    }
    // The command the user picks at the next TrackPopupMenu; 0 dismisses the menu. Without an
    // answer the menu is dismissed.
    void ChooseOnNextTrack(std::uintptr_t command) { m_choices.push_back(command); }

    const Menu& MenuOf(MenuHandle menu) const { // fails the test for an unknown handle
        const auto found = m_menus.find(menu);
        if (found == m_menus.end()) {
            ADD_FAILURE() << "no menu " << Hex(menu);
            return m_none;
        }
        return found->second;
    }
    const std::vector<TrackCall>& Tracked() const { return m_tracked; }
    // Menus loaded from resources and not destroyed (pop-ups are destroyed with their menu).
    int LiveLoadedMenus() const {
        int count = 0;
        for (const auto& entry : m_menus) {
            count +=
                !entry.second.destroyed && entry.second.resourceId != 0 && entry.second.parent == 0 ? 1 : 0;
        }
        return count;
    }
    MenuHandle SystemMenuOf(WindowHandle window) const {
        const auto found = m_systemMenus.find(window);
        return found != m_systemMenus.end() ? found->second : 0;
    }
    CCallLog& Log() { return m_log; }

private:
    MenuHandle Build(const std::vector<FakeMenuItem>& items, std::uint32_t resourceId, MenuHandle parent) {
        const MenuHandle handle = m_nextHandle;
        m_nextHandle += 4;
        m_menus[handle] = Menu{handle, resourceId, parent, {}, false, 0, false, false};
        for (const FakeMenuItem& item : items) {
            const MenuHandle subMenu = item.popup.empty() ? 0 : Build(item.popup, resourceId, handle);
            m_menus[handle].items.push_back(Item{item.flags, item.id, item.text, subMenu});
        }
        return handle;
    }
    Menu* FindLive(MenuHandle menu) {
        const auto found = m_menus.find(menu);
        return found != m_menus.end() && !found->second.destroyed ? &found->second : nullptr;
    }
    static std::vector<Item>::iterator FindItem(Menu& menu, std::uintptr_t id) {
        return std::find_if(menu.items.begin(), menu.items.end(),
                            [id](const Item& item) { return item.id == id; });
    }

    FakeWindows& m_windows;
    std::map<std::uint32_t, std::vector<FakeMenuItem>> m_resources;
    std::map<MenuHandle, Menu> m_menus;
    std::map<WindowHandle, MenuHandle> m_systemMenus;
    std::deque<std::uintptr_t> m_choices;
    std::vector<TrackCall> m_tracked;
    MenuHandle m_nextHandle = 0x8000;
    Menu m_none;
    CCallLog m_log;
};
