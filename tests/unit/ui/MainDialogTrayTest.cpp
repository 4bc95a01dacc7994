// The main dialog's notification-area icon, its tooltip, the tray menu, hiding and showing, and the
// context menu with every command it routes.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainDialogFixture.h"
#include "unit/TableRows.h"

using namespace main_dialog_test;

class MainDialogTray : public MainDialogFixture {
protected:
    LResult TrayMouse(std::uint32_t mouseMessage) {
        return m_windows.Deliver(Main(), WM_TRAYNOTIFY, TRAY_ICON_ID, static_cast<LParam>(mouseMessage));
    }
    void TaskbarCreated() { m_windows.Deliver(Main(), m_windows.RegisteredMessage(L"TaskbarCreated"), 0, 0); }
    bool RetryTimerFires() { return m_timers.Fire(Main(), CPellorDlg::IDT_TRAY_ADD_RETRY); }
    // The menu resource of the last tracked pop-up, where and for whom it was tracked.
    std::string LastTrack() const {
        if (m_menus.Tracked().empty()) {
            return "none";
        }
        const FakeMenus::TrackCall& track = m_menus.Tracked().back();
        return std::to_string(m_menus.MenuOf(track.menu).resourceId) + " at " + std::to_string(track.x) +
               ", " + std::to_string(track.y) + " flags " + std::to_string(track.flags) + " for " +
               Hex(track.owner);
    }
    std::string TrackedAt(std::uint32_t resource, int x, int y) const {
        return std::to_string(resource) + " at " + std::to_string(x) + ", " + std::to_string(y) +
               " flags 0 for " + Hex(Main());
    }
    // The user picks the command from the context menu; what that posts is dispatched.
    void ChooseFromContextMenu(int command) {
        m_menus.ChooseOnNextTrack(static_cast<std::uintptr_t>(command));
        m_windows.Deliver(Main(), WM_CONTEXTMENU, Main(), selector_test::MakeLParam(10, 10));
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

    EXPECT_TRUE(SequenceMatches(
        m_tray.Log(), {"NIM_ADD(" + Hex(Main()) + ", 90, flags 7)",
                       "NIM_MODIFY(" + Hex(Main()) + ", 90, flags 4, tip \"" + Narrow(APP_TITLE) + "\")"}));
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

TEST_F(MainDialogTray, NewTaskbarGetsTheIconBackWithTheBareTitle) {
    StoreShortcut(VK_F6, MOD_ALT);
    StoreInt(L"KeyIndexTobeAutomated", KEY_F5);
    Start();
    ASSERT_NE(TrayTip(), APP_TITLE);
    m_tray.RestartShell();

    TaskbarCreated();

    EXPECT_EQ(TrayTip(), APP_TITLE);
    EXPECT_EQ(m_tray.IconOf(Main(), TRAY_ICON_ID).icon, m_windows.IconOf(IDI_TAPWELL));
}

TEST_F(MainDialogTray, RefusedIconIsAddedAgainOnATimerAndThenHasItsMenu) {
    m_tray.RefuseAdds(true);
    Start();
    for (int attempt = 0; attempt < 3; ++attempt) {
        ASSERT_TRUE(RetryTimerFires());
    }

    m_tray.RefuseAdds(false);
    ASSERT_TRUE(RetryTimerFires());

    EXPECT_TRUE(m_tray.HasIcon(Main(), TRAY_ICON_ID));
    EXPECT_FALSE(TimerActive(CPellorDlg::IDT_TRAY_ADD_RETRY));
    m_windows.SetCursorPos({5, 6});
    TrayMouse(WM_RBUTTONUP);
    EXPECT_EQ(LastTrack(), TrackedAt(IDR_TRAY_MENU, 5, 6));
}

TEST_F(MainDialogTray, AHiddenWindowWhoseIconTheShellNeverTakesShowsItselfAndANewTaskbarStartsAgain) {
    m_tray.RefuseAdds(true);
    Start();
    m_windows.ShowWindow(Main(), SW_HIDE);
    int attempts = 1;
    while (RetryTimerFires()) {
        ++attempts;
    }
    EXPECT_EQ(attempts, CPellorDlg::TRAY_ADD_ATTEMPTS);
    EXPECT_TRUE(m_windows.IsWindowVisible(Main()));

    TaskbarCreated();
    EXPECT_TRUE(TimerActive(CPellorDlg::IDT_TRAY_ADD_RETRY));
}

// --- Mouse on the icon ---

TEST_F(MainDialogTray, RightButtonUpOpensTheTrayMenuAtThePointerInTheForeground) {
    Start();
    m_windows.SetCursorPos({1210, 1000});
    m_windows.SetForegroundWindow(0);

    EXPECT_EQ(TrayMouse(WM_RBUTTONUP), 1);

    EXPECT_EQ(m_windows.ForegroundWindow(), Main());
    EXPECT_EQ(LastTrack(), TrackedAt(IDR_TRAY_MENU, 1210, 1000));
    // Windows only: without a message after it, the next menu closes at once.
    EXPECT_TRUE(IsPostedToMain(WM_NULL, 0));
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
    EXPECT_EQ(Registered().vk, VK_F6);
    EXPECT_TRUE(Tick());
    EXPECT_EQ(Status(), L"Keyed 1 Times");
}

// --- The context menu ---

TEST_F(MainDialogTray, RightClickOpensTheContextMenuAtTheMessagesPointAndTheButtonAtThePointer) {
    Start();
    for (const Point point : {Point{120, 340}, Point{-1, -1}, Point{-200, 50}}) {
        m_windows.Deliver(Main(), WM_CONTEXTMENU, Main(), selector_test::MakeLParam(point.x, point.y));
        EXPECT_EQ(LastTrack(), TrackedAt(IDR_CONTEXT_MENU, point.x, point.y));
    }

    m_windows.SetCursorPos({433, 287});
    ASSERT_TRUE(m_user.Click(IDC_MENU, Main()));
    EXPECT_EQ(LastTrack(), TrackedAt(IDR_CONTEXT_MENU, 433, 287));
}

TEST_F(MainDialogTray, EveryOtherCommandOfTheMenusAndButtonsIsTakenByTheDialog) {
    Start();
    const int commands[] = {
        ID_CONTEXT_SCREENSHOT,     ID_CONTEXT_HELP_TUTORIALS, ID_CONTEXT_SIMULATION_SETTINGS,
        ID_CONTEXT_START_TAPFORCE, ID_CONTEXT_SHARE_FACEBOOK, ID_CONTEXT_SHARE_TWITTER,
        IDC_SHARE_FACEBOOK,        IDC_SHARE_TWITTER,         IDC_INSTANCE_MODE,
        IDC_INSTANCE_MODE_S,       ID_CONTEXT_INSTANCE_MODE,  ID_CONTEXT_REFRESH_KEYS};
    for (int command : commands) {
        ChooseFromContextMenu(command);
    }

    for (const Msg& msg : m_windows.DefaultProcessed()) {
        EXPECT_NE(msg.message, WM_COMMAND) << "command " << (msg.wParam & 0xFFFF) << " was not routed";
    }
    EXPECT_TRUE(MainAlive());
}
