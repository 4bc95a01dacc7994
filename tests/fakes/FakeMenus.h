#pragma once
// Menus for FakeWindows: menu resources the test describes, the menus loaded from them, system
// menus, and pop-up tracking with a scripted choice that arrives at the owner as a posted
// WM_COMMAND, as a real menu choice does.
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
        WindowHandle systemMenuOf = 0;
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

    MenuHandle LoadMenu(std::uint32_t id) override;
    bool DestroyMenu(MenuHandle menu) override;
    MenuHandle GetSubMenu(MenuHandle menu, int position) override;
    bool SetMenuDefaultItem(MenuHandle menu, std::uint32_t item, bool byPosition) override;
    bool TrackPopupMenu(MenuHandle menu, std::uint32_t flags, int x, int y, WindowHandle owner) override;
    MenuHandle GetSystemMenu(WindowHandle window, bool revert) override;
    bool AppendMenu(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                    const std::wstring& text) override;

    void AddMenuResource(std::uint32_t id, std::vector<FakeMenuItem> items);
    // The command the user picks at the next TrackPopupMenu; 0 dismisses the menu. Without an
    // answer the menu is dismissed.
    void ChooseOnNextTrack(std::uintptr_t command) { m_choices.push_back(command); }
    // A window without a system menu (GetSystemMenu returns 0).
    void RemoveSystemMenu(WindowHandle window) { m_noSystemMenu[window] = true; }

    const Menu& MenuOf(MenuHandle menu) const; // fails the test for an unknown handle
    const std::vector<TrackCall>& Tracked() const { return m_tracked; }
    // Menus loaded from resources and not destroyed (pop-ups are destroyed with their menu).
    int LiveLoadedMenus() const;
    MenuHandle SystemMenuOf(WindowHandle window) const;
    CCallLog& Log() { return m_log; }

private:
    MenuHandle Build(const std::vector<FakeMenuItem>& items, std::uint32_t resourceId, MenuHandle parent);
    Menu* FindLive(MenuHandle menu);

    FakeWindows& m_windows;
    std::map<std::uint32_t, std::vector<FakeMenuItem>> m_resources;
    std::map<MenuHandle, Menu> m_menus;
    std::map<WindowHandle, MenuHandle> m_systemMenus;
    std::map<WindowHandle, bool> m_noSystemMenu;
    std::deque<std::uintptr_t> m_choices;
    std::vector<TrackCall> m_tracked;
    MenuHandle m_nextHandle = 0x8000;
    Menu m_none;
    CCallLog m_log;
};
