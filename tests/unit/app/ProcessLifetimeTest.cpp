// The whole life of the process through the framework's entry: exit codes and the message loop.
#include <gtest/gtest.h>

#include "AppFixture.h"
#include "ports/Win32Constants.h"

using app_test::AppFixture;

TEST_F(AppFixture, EscapeInTheMainDialogEndsTheProcessNormally) {
    m_windows.QueueUserAction([this] { m_windows.Deliver(MainDialog(), WM_COMMAND, IDCANCEL, 0); });

    EXPECT_EQ(App().WinMainBody(L":silent"), 0);
    EXPECT_FALSE(m_windows.IsWindow(MainDialog()));
    EXPECT_EQ(m_windows.RanDryCount(), 0) << "the loop must end through WM_QUIT";
}

TEST_F(AppFixture, AnotherInstanceEndsThisProcessWithExitCodeZeroAndNoLoop) {
    m_process.SetMutexExists();
    AddRunningInstance();

    EXPECT_EQ(App().WinMainBody(L""), 0);
    EXPECT_EQ(m_windows.RanDryCount(), 0) << "no message loop may run";
    EXPECT_EQ(m_windows.QuitCodes().size(), 0u);
}

TEST_F(AppFixture, AMainDialogThatCannotBeCreatedEndsTheProcessWithAnError) {
    m_bMainDialogTemplate = false;

    EXPECT_EQ(App().WinMainBody(L""), EXIT_CODE_NO_MAIN_WINDOW);
    EXPECT_NE(EXIT_CODE_NO_MAIN_WINDOW, 0);
    EXPECT_EQ(m_windows.RanDryCount(), 0) << "no message loop may run without a main window";
}
