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

namespace {

enum class Ends { AtOnce, AfterThePostedCommand, Unchecked };

struct CloseCase : NamedRow {
    void (*close)(MainDialogFixture& test);
    Ends ends;
};
using MainDialogClose = TableTest<MainDialogFixture, CloseCase>;

} // namespace

TEST_P(MainDialogClose, EndsTheWindowWithItsIconAndShortcutAndStoresNothing) {
    StoreShortcut(VK_F6, MOD_ALT);
    Start();
    SelectKey(KEY_ENTER);
    ClearRegistryLog();

    GetParam().close(*this);
    if (GetParam().ends != Ends::Unchecked) {
        EXPECT_EQ(MainAlive(), GetParam().ends == Ends::AfterThePostedCommand);
    }
    m_windows.DispatchPosted();

    EXPECT_FALSE(MainAlive());
    EXPECT_EQ(m_tray.IconCount(), 0u);
    EXPECT_EQ(m_hotKeys.RegisteredCount(), 0u);
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(Stored(KEY_ENTRY), VK_F6);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MainDialogClose,
    ::testing::Values(
        CloseCase{"Escape", [](MainDialogFixture& t) { t.m_user.PressKey(VK_ESCAPE); }, Ends::Unchecked},
        CloseCase{"close box", [](MainDialogFixture& t) { ASSERT_TRUE(t.m_user.CloseBox(t.Main())); },
                  Ends::AfterThePostedCommand},
        // It goes the close box's way: WM_CLOSE first.
        CloseCase{"Exit of the context menu",
                  [](MainDialogFixture& t) { t.m_windows.Deliver(t.Main(), WM_COMMAND, ID_CONTEXT_EXIT, 0); },
                  Ends::AfterThePostedCommand},
        CloseCase{"Exit of the tray menu",
                  [](MainDialogFixture& t) { t.m_windows.Deliver(t.Main(), WM_COMMAND, ID_TRAY_EXIT, 0); },
                  Ends::AtOnce}),
    RowName());

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

namespace {

struct SystemCommandCase : NamedRow {
    WParam command;
    bool about; // else it goes to default processing
};
using MainDialogSystemCommand = TableTest<MainDialogFixture, SystemCommandCase>;

} // namespace

TEST_P(MainDialogSystemCommand, OpensTheAboutBoxModallyOrPassesItOn) {
    const SystemCommandCase& c = GetParam();
    Start();
    bool bMainEnabledMeanwhile = true;
    m_windows.QueueUserAction([this, &bMainEnabledMeanwhile] {
        bMainEnabledMeanwhile = m_windows.IsWindowEnabled(Main());
        EXPECT_TRUE(m_user.Click(IDOK));
    });

    m_windows.Deliver(Main(), WM_SYSCOMMAND, c.command, 0);

    const std::vector<WindowHandle> boxes = m_windows.DialogsCreated(IDD_ABOUT_DIALOG);
    ASSERT_EQ(boxes.size(), c.about ? 1u : 0u);
    const std::vector<Msg>& passed = m_windows.DefaultProcessed();
    EXPECT_EQ(
        std::any_of(passed.begin(), passed.end(),
                    [&](const Msg& msg) { return msg.message == WM_SYSCOMMAND && msg.wParam == c.command; }),
        !c.about);
    if (c.about) {
        EXPECT_EQ(m_windows.Window(boxes[0]).parent, Main());
        EXPECT_FALSE(m_windows.IsWindow(boxes[0]));
        EXPECT_FALSE(bMainEnabledMeanwhile);
        EXPECT_TRUE(m_windows.IsWindowEnabled(Main()));
    }
}

// The system keeps the low four bits of a command for itself.
INSTANTIATE_TEST_SUITE_P(Commands, MainDialogSystemCommand,
                         ::testing::Values(SystemCommandCase{"about", IDM_ABOUTBOX, true},
                                           SystemCommandCase{"about with low bits", IDM_ABOUTBOX | 0x0003,
                                                             true},
                                           SystemCommandCase{"minimise", 0xF020, false}),
                         RowName());

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
