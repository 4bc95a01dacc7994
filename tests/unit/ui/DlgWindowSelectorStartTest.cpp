// The selector opened by the start of a run whose stored window is gone: the run starts only when
// the selector leaves a window that exists.
#include <gtest/gtest.h>

#include "MainDialogFixture.h"
#include "SelectorFixture.h"
#include "unit/TableRows.h"

using namespace main_dialog_test;

namespace {

class SelectorAtStart : public MainDialogFixture {
protected:
    void SetUp() override {
        const WindowHandle gone = m_windows.AddTopLevelWindow(L"Closed", L"Notepad", {600, 100, 1000, 500});
        m_windows.DestroyWindow(gone);
        StoreInt(L"SendKeysToActiveWindow", 0);
        StoreSeekedWindow(gone);
        m_hNewTarget = m_windows.AddTopLevelWindow(L"Untitled - Notepad", L"Notepad", {600, 100, 1000, 500});
    }

    // The selector reports mouse input in its client coordinates; it holds the capture meanwhile.
    void PostToSelector(std::uint32_t message, Point screen) {
        const Rect rect = selector_test::DIALOG_RECT;
        m_windows.Enqueue(Msg{m_windows.LastDialog(IDD_WINDOW_SELECTOR),
                              message,
                              selector_test::DRAG_BUTTON,
                              selector_test::MakeLParam(screen.x - rect.left, screen.y - rect.top),
                              0,
                              {}});
    }
    void DragSightTo(Point screen) {
        const Point sight{selector_test::DIALOG_RECT.left + selector_test::ON_SIGHT.x,
                          selector_test::DIALOG_RECT.top + selector_test::ON_SIGHT.y};
        m_windows.QueueUserAction([this, sight] { PostToSelector(WM_LBUTTONDOWN, sight); });
        m_windows.QueueUserAction([this, screen] { PostToSelector(WM_MOUSEMOVE, screen); });
        m_windows.QueueUserAction([this, screen] { PostToSelector(WM_LBUTTONUP, screen); });
    }

    WindowHandle m_hNewTarget = 0;
};

// The user drags the sight onto a new window and closes the selector with the button.
struct CloseCase : NamedRow {
    int button;
    bool runs; // and the new window is stored
};
using SelectorAtStartClosed = TableTest<SelectorAtStart, CloseCase>;

TEST_P(SelectorAtStartClosed, StartsTheRunOnlyWithTheWindowPicked) {
    const CloseCase& c = GetParam();
    Start();
    SelectKey(KEY_ENTER);
    DragSightTo({610, 120});
    m_windows.QueueUserAction([this, &c] { EXPECT_TRUE(m_user.Click(c.button)); });

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));

    EXPECT_EQ(m_windows.DialogsCreated(IDD_WINDOW_SELECTOR).size(), 1u);
    EXPECT_EQ(m_settings.GetSeekedWindow() == m_hNewTarget, c.runs);
    EXPECT_EQ(TimerActive(CPellorDlg::IDT_PRESS_FIXED), c.runs);
    EXPECT_FALSE(TimerActive(CPellorDlg::IDT_PRESS_RANDOM));
    EXPECT_EQ(RunButtons(), c.runs ? RunningButtons() : IdleButtons());
}

INSTANTIATE_TEST_SUITE_P(Buttons, SelectorAtStartClosed,
                         ::testing::Values(CloseCase{"OK starts the run", IDOK, true},
                                           CloseCase{"Cancel leaves the run idle", IDCANCEL, false}),
                         RowName());

} // namespace
