#pragma once
// The program's two menu resources, as FakeMenus serves them.
#include "fakes/FakeMenus.h"
#include "resource.h"

inline void AddTrayMenuResource(FakeMenus& menus) {
    menus.AddMenuResource(IDR_TRAY_MENU,
                          {FakeMenuItem::Popup(L"_POPUP_", {
                                                               FakeMenuItem::Command(ID_TRAY_EXIT, L"Exit"),
                                                               FakeMenuItem::Separator(),
                                                               FakeMenuItem::Command(ID_TRAY_SHOW, L"Show"),
                                                           })});
}

inline void AddContextMenuResource(FakeMenus& menus) {
    menus.AddMenuResource(
        IDR_CONTEXT_MENU,
        {FakeMenuItem::Popup(
            L"_CTXT_",
            {
                FakeMenuItem::Command(ID_CONTEXT_SCREENSHOT, L"Screenshot to Clipboard"),
                FakeMenuItem::Separator(),
                FakeMenuItem::Command(ID_CONTEXT_START_TAPFORCE,
                                      L"Tapforce for DirectX or FullScreen Applications"),
                FakeMenuItem::Separator(),
                FakeMenuItem::Command(ID_CONTEXT_SIMULATION_SETTINGS, L"Settings..."),
                FakeMenuItem::Separator(),
                FakeMenuItem::Command(ID_CONTEXT_OPEN_PROFILE, L"Open Profile..."),
                FakeMenuItem::Command(ID_CONTEXT_SAVE_PROFILE, L"Save Profile..."),
                FakeMenuItem::Separator(),
                FakeMenuItem::Command(ID_CONTEXT_INSTANCE_MODE, L"Allow Single or Multiple Instances..."),
                FakeMenuItem::Separator(),
                FakeMenuItem::Command(ID_CONTEXT_REFRESH_KEYS, L"Refresh Characters in List"),
                FakeMenuItem::Separator(),
                FakeMenuItem::Command(ID_CONTEXT_HELP_TUTORIALS, L"Help Tutorials..."),
                FakeMenuItem::Separator(),
                FakeMenuItem::Command(ID_CONTEXT_SHARE_FACEBOOK, L"Share On Facebook"),
                FakeMenuItem::Command(ID_CONTEXT_SHARE_TWITTER, L"Share on Twitter"),
                FakeMenuItem::Separator(),
                FakeMenuItem::Command(ID_CONTEXT_EXIT, L"Exit\tAlt+F4"),
            })});
}
