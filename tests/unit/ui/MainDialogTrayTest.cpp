// The main dialog's notification-area icon, its tooltip, the tray menu, hiding and showing, and the
// context menu with every command it routes.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainDialogShortcutFixture.h"
#include "unit/TableRows.h"

using namespace main_dialog_test;

namespace {

LParam PointParam(int x, int y) {
    return static_cast<LParam>((static_cast<std::uint32_t>(x) & 0xFFFF) |
                               (static_cast<std::uint32_t>(y) & 0xFFFF) << 16);
}

} // namespace

class MainDialogTray : public MainDialogShortcutFixture {
protected:
    std::string Add() const { return "NIM_ADD(" + Hex(Main()) + ", 90, flags 7)"; }
    std::string Delete() const { return "NIM_DELETE(" + Hex(Main()) + ", 90, flags 7)"; }
    std::string Tip(const std::string& text) const {
        return "NIM_MODIFY(" + Hex(Main()) + ", 90, flags 4, tip \"" + text + "\")";
    }

    LResult TrayMouse(std::uint32_t mouseMessage) {
        return m_windows.Deliver(Main(), WM_TRAYNOTIFY, TRAY_ICON_ID, static_cast<LParam>(mouseMessage));
    }
    // The menu resource a tracked pop-up comes from.
    std::uint32_t ResourceOf(const FakeMenus::TrackCall& track) const {
        return m_menus.MenuOf(track.menu).resourceId;
    }
    // The user picks the command from the context menu; what that posts is dispatched.
    void ChooseFromContextMenu(int command) {
        m_menus.ChooseOnNextTrack(static_cast<std::uintptr_t>(command));
        m_windows.Deliver(Main(), WM_CONTEXTMENU, Main(), PointParam(10, 10));
        m_windows.DispatchPosted();
    }
    std::vector<std::string> ShowCalls() {
        return m_windows.Log().Select(
            {"ShowWindow(" + Hex(Main()), "SetFocus(" + Hex(Main()), "SetForegroundWindow(" + Hex(Main())});
    }
};

// --- The icon and its tooltip ---

TEST_F(MainDialogTray, IconIsAddedAtStartWithTheTitleThenTheTipIsSet) {
    Start();

    EXPECT_TRUE(SequenceMatches(m_tray.Log(), {Add(), Tip("Tapwell by Tovrin")}));
    const FakeNotificationArea::Icon& icon = m_tray.IconOf(Main(), TRAY_ICON_ID);
    EXPECT_EQ(icon.icon, m_windows.IconOf(IDI_TAPWELL));
    EXPECT_EQ(icon.callbackMessage, WM_TRAYNOTIFY);
    EXPECT_EQ(icon.tip, APP_TITLE);
}

TEST_F(MainDialogTray, TipFollowsTheKeyAndModifierSelections) {
    StoreShortcut(VK_F6, MOD_CONTROL | MOD_ALT);
    Start();

    SelectKey(KEY_F5);
    EXPECT_EQ(TrayTip(), L"Ctrl + Alt + F6 - [ F5 ]\nTapwell by Tovrin");

    ASSERT_TRUE(m_user.Select(IDC_MODIFIER_LIST, MODIFIER_CTRL, Main()));
    EXPECT_EQ(TrayTip(), L"Ctrl + Alt + F6  - [ Ctrl + F5 ]\nTapwell by Tovrin");

    ASSERT_TRUE(m_user.Select(IDC_MODIFIER_LIST, MODIFIER_NONE, Main()));
    EXPECT_EQ(TrayTip(), L"Ctrl + Alt + F6 - [ F5 ]\nTapwell by Tovrin");
}

TEST_F(MainDialogTray, TipAtStartShowsTheStoredSelectionsAndShortcut) {
    StoreShortcut(VK_F6, MOD_CONTROL | MOD_ALT);
    StoreInt(L"KeyIndexTobeAutomated", KEY_F5);
    StoreInt(L"ModKeyIndexTobeAutomated", MODIFIER_SHIFT);

    Start();

    EXPECT_EQ(TrayTip(), L"Ctrl + Alt + F6  - [ Shift + F5 ]\nTapwell by Tovrin");
}

TEST_F(MainDialogTray, TipFollowsSaveAndClearOfTheShortcut) {
    Start();
    SelectKey(KEY_F5);
    EXPECT_EQ(TrayTip(), APP_TITLE);

    SaveShortcut(VK_F6, HOTKEYF_ALT);
    EXPECT_EQ(TrayTip(), L"Alt + F6 - [ F5 ]\nTapwell by Tovrin");

    ASSERT_TRUE(m_user.Click(IDC_CLEAR_SHORTCUT_KEY, Main()));
    EXPECT_EQ(TrayTip(), APP_TITLE);
}

TEST_F(MainDialogTray, LongTipIsCutAt127Characters) {
    m_layout.SetKeyName(LParam{0x40} << 16, std::wstring(150, L'N'));
    StoreShortcut(VK_F6, 0);
    StoreInt(L"KeyIndexTobeAutomated", KEY_F5);

    Start();

    EXPECT_EQ(TrayTip(), std::wstring(127, L'N'));
}

TEST_F(MainDialogTray, IconIsDeletedWhenTheDialogIsDestroyed) {
    Start();
    m_tray.Log().Clear();

    ASSERT_TRUE(m_user.CloseBox(Main()));
    m_windows.DispatchPosted();

    ASSERT_FALSE(MainAlive());
    EXPECT_TRUE(SequenceMatches(m_tray.Log(), {Delete()}));
    EXPECT_EQ(m_tray.IconCount(), 0u);
}

TEST_F(MainDialogTray, NewTaskbarGetsTheIconBackWithTheBareTitleAndTheMenu) {
    StoreShortcut(VK_F6, MOD_ALT);
    StoreInt(L"KeyIndexTobeAutomated", KEY_F5);
    Start();
    ASSERT_NE(TrayTip(), APP_TITLE);
    m_tray.RestartShell();
    m_tray.Log().Clear();

    const LResult result = m_windows.Deliver(Main(), m_windows.RegisteredMessage(L"TaskbarCreated"), 0, 0);

    EXPECT_EQ(result, 1);
    EXPECT_TRUE(SequenceMatches(m_tray.Log(), {Delete(), Add()}));
    EXPECT_EQ(TrayTip(), APP_TITLE);
    EXPECT_EQ(m_tray.IconOf(Main(), TRAY_ICON_ID).icon, m_windows.IconOf(IDI_TAPWELL));
    // The tray menu was loaded again, the first one released; "Show" is still the default.
    EXPECT_EQ(m_menus.LiveLoadedMenus(), 2);
    EXPECT_EQ(TrayMouse(WM_RBUTTONUP), 1);
    ASSERT_EQ(m_menus.Tracked().size(), 1u);
    const FakeMenus::Menu& popup = m_menus.MenuOf(m_menus.Tracked()[0].menu);
    EXPECT_TRUE(popup.hasDefault);
    EXPECT_EQ(popup.defaultItem, static_cast<std::uint32_t>(ID_TRAY_SHOW));
}

TEST_F(MainDialogTray, RefusedIconHasNoMenuUntilTheTaskbarComes) {
    m_tray.RefuseAdds(true);
    Start();

    EXPECT_EQ(m_tray.IconCount(), 0u);
    EXPECT_EQ(TrayMouse(WM_RBUTTONUP), 1);
    EXPECT_TRUE(m_menus.Tracked().empty());

    m_tray.RefuseAdds(false);
    m_windows.Deliver(Main(), m_windows.RegisteredMessage(L"TaskbarCreated"), 0, 0);

    EXPECT_TRUE(m_tray.HasIcon(Main(), TRAY_ICON_ID));
    TrayMouse(WM_RBUTTONUP);
    ASSERT_EQ(m_menus.Tracked().size(), 1u);
    EXPECT_EQ(ResourceOf(m_menus.Tracked()[0]), static_cast<std::uint32_t>(IDR_TRAY_MENU));
}

// --- Mouse on the icon ---

TEST_F(MainDialogTray, RightButtonUpOpensTheTrayMenuAtThePointerForTheDialog) {
    Start();
    m_windows.SetCursorPos({1210, 1000});
    m_windows.SetForegroundWindow(0);
    m_windows.Log().Clear();

    EXPECT_EQ(TrayMouse(WM_RBUTTONUP), 1);

    EXPECT_EQ(m_windows.ForegroundWindow(), Main());
    ASSERT_EQ(m_menus.Tracked().size(), 1u);
    const FakeMenus::TrackCall& track = m_menus.Tracked()[0];
    EXPECT_EQ(ResourceOf(track), static_cast<std::uint32_t>(IDR_TRAY_MENU));
    EXPECT_EQ(track.flags, 0u);
    EXPECT_EQ(track.x, 1210);
    EXPECT_EQ(track.y, 1000);
    EXPECT_EQ(track.owner, Main());
}

TEST_F(MainDialogTray, OtherMouseMessagesOnTheIconDoNothing) {
    Start();
    ASSERT_TRUE(m_user.Click(IDC_HIDE_TO_TRAY, Main()));
    m_windows.Log().Clear();

    for (std::uint32_t mouseMessage :
         {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_MBUTTONUP}) {
        EXPECT_EQ(TrayMouse(mouseMessage), 1) << Hex(mouseMessage, 4);
    }

    EXPECT_TRUE(m_menus.Tracked().empty());
    EXPECT_TRUE(m_windows.Log().Empty());
    EXPECT_FALSE(m_windows.IsWindowVisible(Main()));
}

TEST_F(MainDialogTray, TrayMenuShowAndExitAreCarriedOut) {
    Start();
    ASSERT_TRUE(m_user.Click(IDC_HIDE_TO_TRAY, Main()));

    m_menus.ChooseOnNextTrack(ID_TRAY_SHOW);
    TrayMouse(WM_RBUTTONUP);
    m_windows.DispatchPosted();
    EXPECT_TRUE(m_windows.IsWindowVisible(Main()));

    m_menus.ChooseOnNextTrack(ID_TRAY_EXIT);
    TrayMouse(WM_RBUTTONUP);
    m_windows.DispatchPosted();
    EXPECT_FALSE(MainAlive());
    EXPECT_EQ(m_tray.IconCount(), 0u);
}

namespace {

struct DoubleClickCase : NamedRow {
    std::vector<int> before; // show commands since start-up
};
using MainDialogTrayDoubleClick = TableTest<MainDialogTray, DoubleClickCase>;

} // namespace

TEST_P(MainDialogTrayDoubleClick, RestoresShowsFocusesAndBringsToFront) {
    Start();
    for (int command : GetParam().before) {
        m_windows.ShowWindow(Main(), command);
    }
    m_windows.Log().Clear();

    EXPECT_EQ(TrayMouse(WM_LBUTTONDBLCLK), 1);

    const std::string main = Hex(Main());
    EXPECT_TRUE(
        SequenceMatches(ShowCalls(), {"ShowWindow(" + main + ", 9)", "ShowWindow(" + main + ", 5)",
                                      "SetFocus(" + main + ")", "SetForegroundWindow(" + main + ")"}));
    EXPECT_TRUE(m_windows.IsWindowVisible(Main()));
    EXPECT_FALSE(m_windows.IsIconic(Main()));
    EXPECT_EQ(m_windows.ForegroundWindow(), Main());
}

INSTANTIATE_TEST_SUITE_P(Windows, MainDialogTrayDoubleClick,
                         ::testing::Values(DoubleClickCase{"visible", {}},
                                           DoubleClickCase{"hidden to the tray", {SW_MINIMIZE, SW_HIDE}},
                                           DoubleClickCase{"minimised", {SW_MINIMIZE}}),
                         RowName());

// --- Hiding ---

TEST_F(MainDialogTray, HideMinimisesThenHidesAndKeepsIconShortcutAndRun) {
    StoreShortcut(VK_F6, MOD_ALT);
    Start();
    SelectKey(KEY_F5);
    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING, Main()));
    m_windows.Log().Clear();

    ASSERT_TRUE(m_user.Click(IDC_HIDE_TO_TRAY, Main()));

    const std::string main = Hex(Main());
    EXPECT_TRUE(SequenceMatches(ShowCalls(), {"ShowWindow(" + main + ", 6)", "ShowWindow(" + main + ", 0)"}));
    EXPECT_FALSE(m_windows.IsWindowVisible(Main()));
    EXPECT_TRUE(m_tray.HasIcon(Main(), TRAY_ICON_ID));
    EXPECT_TRUE(ShortcutRegistered());
    EXPECT_TRUE(Tick());
    EXPECT_EQ(Status(), L"Keyed 1 Times");
}

// --- The context menu ---

TEST_F(MainDialogTray, RightClickOpensTheContextMenuAtTheMessagesPoint) {
    Start();

    const struct {
        int x;
        int y;
    } points[] = {{120, 340}, {-1, -1}, {-200, 50}};
    for (const auto& point : points) {
        m_windows.Deliver(Main(), WM_CONTEXTMENU, Main(), PointParam(point.x, point.y));
    }

    ASSERT_EQ(m_menus.Tracked().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const FakeMenus::TrackCall& track = m_menus.Tracked()[i];
        EXPECT_EQ(ResourceOf(track), static_cast<std::uint32_t>(IDR_CONTEXT_MENU));
        EXPECT_EQ(track.x, points[i].x);
        EXPECT_EQ(track.y, points[i].y);
        EXPECT_EQ(track.flags, 0u);
        EXPECT_EQ(track.owner, Main());
    }
}

TEST_F(MainDialogTray, MenuButtonOpensTheContextMenuAtThePointer) {
    Start();
    m_windows.SetCursorPos({433, 287});

    ASSERT_TRUE(m_user.Click(IDC_MENU, Main()));

    ASSERT_EQ(m_menus.Tracked().size(), 1u);
    const FakeMenus::TrackCall& track = m_menus.Tracked()[0];
    EXPECT_EQ(ResourceOf(track), static_cast<std::uint32_t>(IDR_CONTEXT_MENU));
    EXPECT_EQ(track.x, 433);
    EXPECT_EQ(track.y, 287);
    EXPECT_EQ(track.owner, Main());
}

TEST_F(MainDialogTray, ContextExitPostsCloseWhichEndsTheProgram) {
    Start();
    m_windows.Log().Clear();

    ChooseFromContextMenu(ID_CONTEXT_EXIT);

    const std::string main = Hex(Main());
    EXPECT_TRUE(
        SequenceMatches(m_windows.Log().Select({"PostMessage(" + main, "DestroyWindow(" + main}),
                        {"PostMessage(" + main + ", 0x0010, 0, 0)",
                         "PostMessage(" + main + ", 0x0111, 32771, 0)", "DestroyWindow(" + main + ")"}));
    EXPECT_FALSE(MainAlive());
    EXPECT_EQ(m_tray.IconCount(), 0u);
}

TEST_F(MainDialogTray, ContextInstanceModePostsTheSButtonsCommand) {
    Start();
    m_windows.Log().Clear();

    ChooseFromContextMenu(ID_CONTEXT_INSTANCE_MODE);

    EXPECT_TRUE(SequenceMatches(m_windows.Log().Select({"PostMessage(" + Hex(Main())}),
                                {"PostMessage(" + Hex(Main()) + ", 0x0111, 1036, 0)"}));
}

TEST_F(MainDialogTray, ContextRefreshRefillsTheListsKeepingTheSelection) {
    Start();
    SelectKey(KEY_LETTER_A);
    m_layout.ClearLog();
    ClearRegistryLog();

    ChooseFromContextMenu(ID_CONTEXT_REFRESH_KEYS);

    EXPECT_FALSE(m_layout.Log().Empty()) << "the letter keys were named again";
    EXPECT_EQ(Selection(IDC_KEY_LIST), KEY_LETTER_A);
    EXPECT_TRUE(Writes().empty());
}

TEST_F(MainDialogTray, EveryOtherCommandOfTheMenusAndButtonsIsTakenByTheDialog) {
    Start();
    const int commands[] = {
        ID_CONTEXT_SCREENSHOT,     ID_CONTEXT_HELP_TUTORIALS, ID_CONTEXT_SIMULATION_SETTINGS,
        ID_CONTEXT_START_TAPFORCE, ID_CONTEXT_SHARE_FACEBOOK, ID_CONTEXT_SHARE_TWITTER,
        IDC_SHARE_FACEBOOK,        IDC_SHARE_TWITTER,         IDC_INSTANCE_MODE,
        IDC_INSTANCE_MODE_S};
    for (int command : commands) {
        ChooseFromContextMenu(command);
    }

    for (const Msg& msg : m_windows.DefaultProcessed()) {
        EXPECT_NE(msg.message, WM_COMMAND) << "command " << (msg.wParam & 0xFFFF) << " was not routed";
    }
    EXPECT_TRUE(MainAlive());
}
