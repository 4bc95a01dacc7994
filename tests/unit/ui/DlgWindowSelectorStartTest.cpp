// The target check of a start: keys for the active window or a stored window that exists need no
// selector; a stored window that is gone opens it, and the run starts only when it leaves a target.
#include <gtest/gtest.h>

#include "MainDialogFixture.h"
#include "SelectorFixture.h"
#include "unit/TableRows.h"

using namespace main_dialog_test;

namespace {

enum class Target { ActiveWindow, StoredWindow, GoneWindow };

struct TargetCase : NamedRow {
    Target target;
    std::vector<int> clicks; // in the selector, after the sight was dragged onto a new window
    bool selectorOpens;
    bool runs;
    bool newWindowStored;
};
using SelectorAtStart = TableTest<MainDialogFixture, TargetCase>;

} // namespace

TEST_P(SelectorAtStart, StartsTheRunOnlyWithATarget) {
    const TargetCase& c = GetParam();
    const WindowHandle stored = m_windows.AddTopLevelWindow(L"Closed", L"Notepad", {600, 100, 1000, 500});
    if (c.target == Target::GoneWindow) {
        m_windows.DestroyWindow(stored);
    }
    StoreInt(L"SendKeysToActiveWindow", c.target == Target::ActiveWindow ? 1 : 0);
    StoreSeekedWindow(stored);
    const WindowHandle newTarget =
        m_windows.AddTopLevelWindow(L"Untitled - Notepad", L"Notepad", {600, 100, 1000, 500});
    Start();
    SelectKey(KEY_ENTER);
    // The selector reports mouse input in its client coordinates; it holds the capture meanwhile.
    const auto post = [this](std::uint32_t message, Point client) {
        m_windows.Enqueue(Msg{m_windows.LastDialog(IDD_WINDOW_SELECTOR),
                              message,
                              selector_test::DRAG_BUTTON,
                              selector_test::MakeLParam(client.x, client.y),
                              0,
                              {}});
    };
    const Point onNewTarget{610 - selector_test::DIALOG_RECT.left, 120 - selector_test::DIALOG_RECT.top};
    if (c.selectorOpens) {
        m_windows.QueueUserAction([=] { post(WM_LBUTTONDOWN, selector_test::ON_SIGHT); });
        m_windows.QueueUserAction([=] { post(WM_MOUSEMOVE, onNewTarget); });
        m_windows.QueueUserAction([=] { post(WM_LBUTTONUP, onNewTarget); });
    }
    for (int id : c.clicks) {
        m_windows.QueueUserAction([this, id] { EXPECT_TRUE(m_user.Click(id)); });
    }

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));

    EXPECT_EQ(m_windows.DialogsCreated(IDD_WINDOW_SELECTOR).size(), c.selectorOpens ? 1u : 0u);
    EXPECT_EQ(m_settings.GetSeekedWindow() == newTarget, c.newWindowStored);
    EXPECT_EQ(TimerActive(CPellorDlg::IDT_PRESS_FIXED), c.runs);
    EXPECT_EQ(RunButtons(), c.runs ? RunningButtons() : IdleButtons());
}

INSTANTIATE_TEST_SUITE_P(
    Targets, SelectorAtStart,
    ::testing::Values(
        TargetCase{"active window needs no selector", Target::ActiveWindow, {}, false, true, false},
        TargetCase{"stored window that exists needs none", Target::StoredWindow, {}, false, true, false},
        TargetCase{"OK on a new window starts the run", Target::GoneWindow, {IDOK}, true, true, true},
        TargetCase{"Cancel leaves the run idle", Target::GoneWindow, {IDCANCEL}, true, false, false},
        TargetCase{"choosing the active window starts the run",
                   Target::GoneWindow,
                   {IDC_RECEIVER_ACTIVE_WINDOW, IDOK},
                   true,
                   true,
                   true}),
    RowName());
