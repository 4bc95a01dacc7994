// The main window itself: the ways it closes and what closing does, the about box, the
// minimised icon.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainDialogFixture.h"
#include "unit/TableRows.h"

using namespace main_dialog_test;

using MainDialogClosing = MainDialogFixture;

TEST_F(MainDialogClosing, EnterDoesNothing) {
    Start();
    ClearRegistryLog();

    m_user.PressKey(VK_RETURN);
    m_windows.DispatchPosted();

    EXPECT_TRUE(MainAlive());
    EXPECT_TRUE(m_windows.IsWindowVisible(Main()));
    EXPECT_TRUE(Writes().empty());
}

TEST_F(MainDialogClosing, EscapeDestroysTheWindow) {
    Start();

    m_user.PressKey(VK_ESCAPE);
    m_windows.DispatchPosted();

    EXPECT_FALSE(MainAlive());
}

TEST_F(MainDialogClosing, TheCloseBoxPostsTheExitCommandWhichDestroysTheWindow) {
    Start();

    ASSERT_TRUE(m_user.CloseBox(Main()));

    EXPECT_TRUE(MainAlive()) << "closing waits for the posted command";
    EXPECT_TRUE(IsPostedToMain(WM_COMMAND, ID_TRAY_EXIT));
    EXPECT_FALSE(IsPostedToMain(WM_COMMAND, IDCANCEL));
    m_windows.DispatchPosted();
    EXPECT_FALSE(MainAlive());
}

TEST_F(MainDialogClosing, TheContextMenuExitPostsCloseFirst) {
    Start();

    m_windows.Deliver(Main(), WM_COMMAND, ID_CONTEXT_EXIT, 0);

    EXPECT_TRUE(MainAlive());
    EXPECT_TRUE(IsPostedToMain(WM_CLOSE, 0));
    m_windows.DispatchPosted();
    EXPECT_FALSE(MainAlive());
}

TEST_F(MainDialogClosing, TheTrayExitCommandDestroysTheWindowAtOnce) {
    Start();

    m_windows.Deliver(Main(), WM_COMMAND, ID_TRAY_EXIT, 0);

    EXPECT_FALSE(MainAlive());
}

TEST_F(MainDialogClosing, ClosingStoresNothing) {
    Start();
    SelectKey(KEY_ENTER);
    ClearRegistryLog();

    m_user.PressKey(VK_ESCAPE);
    m_windows.DispatchPosted();

    EXPECT_TRUE(Writes().empty());
}

TEST_F(MainDialogClosing, DestroyingTheWindowDuringAHeldRunReleasesTheHeldKeys) {
    StoreInt(L"HoldKey", 1);
    Start();
    SelectKey(KEY_TAB, MODIFIER_SHIFT);
    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));
    ASSERT_TRUE(Tick());
    ASSERT_EQ(m_input.KeysDown(), (std::vector<std::uint32_t>{VK_TAB, VK_SHIFT}));
    m_input.ClearLog();
    m_timers.Log().Clear();
    // Start disabled the focused button: the user clicks into the dialog before pressing Escape.
    m_windows.GiveFocus(m_windows.Control(Main(), IDC_KEY_LIST));

    m_user.PressKey(VK_ESCAPE);
    m_windows.DispatchPosted();

    ASSERT_FALSE(MainAlive());
    EXPECT_TRUE(SequenceMatches(m_input.Log(), {
                                                   "SendInput 1 {vk=0x10 scan=0x2A flags=0x2}",
                                                   "SendInput 1 {vk=0x09 scan=0x0F flags=0x2}",
                                               }));
    EXPECT_TRUE(m_input.KeysDown().empty());
    EXPECT_EQ(m_timers.Log().Count("KillTimer(" + Hex(Main()) + ", 1)"), 1u);
    EXPECT_EQ(m_timers.Log().Count("KillTimer(" + Hex(Main()) + ", 2)"), 1u);
}

TEST_F(MainDialogClosing, DestroyingTheWindowAfterARunEndedSendsNoInput) {
    StoreInt(L"HoldKey", 1);
    StoreInt(L"SetNumberOfClicksToAutomate", 1);
    Start();
    SelectKey(KEY_TAB);
    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));
    ASSERT_TRUE(Tick());
    m_input.ClearLog();

    m_windows.Deliver(Main(), WM_COMMAND, ID_TRAY_EXIT, 0);

    EXPECT_TRUE(m_input.Log().Empty());
}

TEST_F(MainDialogClosing, ExitWhileTheSelectorOfAStartIsOpenEndsTheStartWithTheWindow) {
    StoreInt(L"SendKeysToActiveWindow", 0);
    Start();
    SelectKey(KEY_TAB);
    // With the selector up, a window gets stored as the target and the tray menu's Exit is chosen.
    m_windows.QueueUserAction([this] {
        StoreSeekedWindow(m_windows.AddTopLevelWindow(L"Target", L"Edit"));
        m_windows.Deliver(Main(), WM_COMMAND, ID_TRAY_EXIT, 0);
    });

    m_user.Click(IDC_START_KEYPRESSING, Main());

    ASSERT_EQ(m_windows.DialogsCreated(IDD_WINDOW_SELECTOR).size(), 1u);
    EXPECT_FALSE(MainAlive());
    EXPECT_TRUE(m_windows.MessageBoxes().empty()) << "the start went on without its window";
}

TEST_F(MainDialogClosing, DeletingTheDialogObjectFirstDestroysItsWindowThroughTheDialog) {
    StoreInt(L"HoldKey", 1);
    auto dialog = std::make_unique<CPellorDlg>(m_platform, m_settings);
    ASSERT_TRUE(dialog->Create());
    const WindowHandle window = dialog->m_hWnd;
    m_windows.ShowWindow(window, SW_SHOW);
    ASSERT_TRUE(m_user.Select(IDC_KEY_LIST, KEY_TAB, window));
    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING, window));
    m_timers.Fire(window, CPellorDlg::IDT_PRESS_FIXED);
    ASSERT_FALSE(m_input.KeysDown().empty());

    dialog.reset();

    EXPECT_FALSE(m_windows.IsWindow(window));
    EXPECT_TRUE(m_input.KeysDown().empty()) << "WM_DESTROY still reached the dialog";
}

// --- The about box ---

using MainDialogAbout = MainDialogFixture;

TEST_F(MainDialogAbout, TheSystemMenuItemOpensTheAboutBoxModally) {
    Start();
    InNextModal([this] { EXPECT_TRUE(m_user.Click(IDOK)); });

    m_windows.Deliver(Main(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);

    const std::vector<WindowHandle> boxes = m_windows.DialogsCreated(IDD_ABOUT_DIALOG);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(m_windows.Window(boxes[0]).parent, Main());
    EXPECT_FALSE(m_windows.IsWindow(boxes[0]));
    EXPECT_TRUE(m_bMainDisabledInModal);
    EXPECT_TRUE(m_windows.IsWindowEnabled(Main()));
}

TEST_F(MainDialogAbout, TheLowFourBitsOfTheSystemCommandDoNotMatter) {
    Start();
    m_windows.QueueUserAction([this] { m_user.PressKey(VK_ESCAPE); });

    m_windows.Deliver(Main(), WM_SYSCOMMAND, IDM_ABOUTBOX | 0x0003, 0);

    EXPECT_EQ(m_windows.DialogsCreated(IDD_ABOUT_DIALOG).size(), 1u);
}

TEST_F(MainDialogAbout, OtherSystemCommandsGoToDefaultProcessing) {
    constexpr WParam SC_MINIMIZE_COMMAND = 0xF020;
    Start();

    m_windows.Deliver(Main(), WM_SYSCOMMAND, SC_MINIMIZE_COMMAND, 0);

    EXPECT_TRUE(m_windows.DialogsCreated(IDD_ABOUT_DIALOG).empty());
    const std::vector<Msg>& passed = m_windows.DefaultProcessed();
    EXPECT_TRUE(std::any_of(passed.begin(), passed.end(), [this](const Msg& msg) {
        return msg.hwnd == Main() && msg.message == WM_SYSCOMMAND && msg.wParam == SC_MINIMIZE_COMMAND;
    }));
}

// --- The minimised window ---

namespace {

struct IconPlacementCase {
    Rect window;
    int x;
    int y;
};

using MainDialogMinimisedPaint = TableTest<MainDialogFixture, IconPlacementCase>;

} // namespace

TEST_P(MainDialogMinimisedPaint, DrawsTheIconCentredInTheClientArea) {
    Start();
    m_windows.SetWindowRect(Main(), GetParam().window);
    m_windows.SetIconic(Main(), true);
    m_windows.Log().Clear();

    m_windows.Deliver(Main(), WM_PAINT, 0, 0);

    const DeviceContext dc = FakePainting::FIRST_DC;
    EXPECT_TRUE(
        SequenceMatches(m_painting.Log(), {
                                              "BeginPaint(" + Hex(Main()) + ")",
                                              "DrawIcon(" + Hex(dc) + ", " + std::to_string(GetParam().x) +
                                                  ", " + std::to_string(GetParam().y) + ", " +
                                                  Hex(m_windows.IconOf(IDI_TAPWELL)) + ")",
                                              "EndPaint(" + Hex(Main()) + ")",
                                          }));
    EXPECT_TRUE(SequenceMatches(m_windows.Log(),
                                {"SendMessage(" + Hex(Main()) + ", 0x0027, " + std::to_string(dc) + ", 0)"}));
}

INSTANTIATE_TEST_SUITE_P(ClientSizes, MainDialogMinimisedPaint,
                         ::testing::Values(IconPlacementCase{{100, 100, 500, 400}, 184, 134},
                                           IconPlacementCase{{0, 0, 160, 33}, 64, 1},
                                           IconPlacementCase{{0, 0, 31, 31}, 0, 0},
                                           IconPlacementCase{{10, 20, 10, 20}, -15, -15}));

TEST_F(MainDialogMinimisedPaint, ANormalWindowIsPaintedByTheSystem) {
    Start();

    m_windows.Deliver(Main(), WM_PAINT, 0, 0);

    EXPECT_TRUE(m_painting.Log().Empty());
    const std::vector<Msg>& passed = m_windows.DefaultProcessed();
    EXPECT_TRUE(std::any_of(passed.begin(), passed.end(), [this](const Msg& msg) {
        return msg.hwnd == Main() && msg.message == WM_PAINT;
    }));
}

TEST_F(MainDialogMinimisedPaint, DraggingTheMinimisedWindowShowsTheIcon) {
    Start();

    EXPECT_EQ(m_windows.Deliver(Main(), WM_QUERYDRAGICON, 0, 0),
              static_cast<LResult>(m_windows.IconOf(IDI_TAPWELL)));
}
