// The tray as Windows' shell needs it: an icon refused while the shell starts, and the tray menu.
#include <gtest/gtest.h>

#include "MainDialogFixture.h"
#include "ui/TrayIcon.h"

class TrayOnWindows : public MainDialogFixture {
protected:
    bool RetryTimerFires() { return m_timers.Fire(Main(), CPellorDlg::IDT_TRAY_ADD_RETRY); }
};

TEST_F(TrayOnWindows, ARefusedIconIsAddedAgainOnATimerUntilTheShellTakesIt) {
    m_tray.RefuseAdds(true);
    Start();
    for (int attempt = 0; attempt < 3; ++attempt) {
        ASSERT_TRUE(RetryTimerFires());
    }
    m_tray.RefuseAdds(false);
    ASSERT_TRUE(RetryTimerFires());

    EXPECT_TRUE(m_tray.HasIcon(Main(), TRAY_ICON_ID));
    EXPECT_FALSE(TimerActive(CPellorDlg::IDT_TRAY_ADD_RETRY));
}

TEST_F(TrayOnWindows, AHiddenWindowWhoseIconTheShellNeverTakesShowsItselfAndANewTaskbarStartsAgain) {
    m_tray.RefuseAdds(true);
    Start();
    m_windows.ShowWindow(Main(), SW_HIDE);
    int attempts = 1;
    while (RetryTimerFires()) {
        ++attempts;
    }
    EXPECT_EQ(attempts, CPellorDlg::TRAY_ADD_ATTEMPTS);
    EXPECT_TRUE(m_windows.IsWindowVisible(Main()));

    m_windows.Deliver(Main(), m_windows.RegisteredMessage(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TimerActive(CPellorDlg::IDT_TRAY_ADD_RETRY));
}

TEST_F(TrayOnWindows, TheTrayMenuIsFollowedByAPostedNullMessage) {
    Start();
    m_windows.Deliver(Main(), WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONUP);
    EXPECT_TRUE(IsPostedToMain(WM_NULL, 0));
}
