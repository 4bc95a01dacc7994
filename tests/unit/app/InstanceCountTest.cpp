// CPellorApp::CountRunningInstances over the top-level windows EnumWindows reports.
#include <string>

#include <gtest/gtest.h>

#include "AppFixture.h"
#include "ports/Win32Constants.h"

using app_test::AppFixture;

TEST_F(AppFixture, CountsTheMainWindowsOfOtherInstancesOnly) {
    AddRunningInstance(true);
    AddRunningInstance(false);
    AddOtherWindow(L"Untitled - Notepad", L"Notepad");
    AddOtherWindow(L"", L"#32770");
    AddOtherWindow(app_test::TITLE, L"Progman");
    AddOtherWindow(app_test::TITLE, L"CabinetWClass");
    AddOtherWindow(app_test::TITLE, L"Shell_TrayWnd");
    const WindowHandle disabled = AddRunningInstance();
    m_windows.MutableWindow(disabled).enabled = false;
    const WindowHandle owned = AddRunningInstance();
    m_windows.MutableWindow(owned).parent = m_topLevelWindows.front();
    App().m_strAppName = app_test::TITLE;

    EXPECT_EQ(App().CountRunningInstances(), 2);
    EXPECT_EQ(m_process.Visited().size(), m_topLevelWindows.size()) << "the enumeration must not stop early";
}

TEST_F(AppFixture, CountingAgainStartsFromZero) {
    AddRunningInstance();
    App().m_strAppName = app_test::TITLE;

    EXPECT_EQ(App().CountRunningInstances(), 1);
    EXPECT_EQ(App().CountRunningInstances(), 1);
}

TEST_F(AppFixture, TheThirdInstanceGetsNumberTwo) {
    StoreUseSingleInstance(0);
    AddRunningInstance();
    AddRunningInstance(false);

    ASSERT_TRUE(Start());

    EXPECT_EQ(g_nInstanceNumber, 2);
    EXPECT_EQ(g_strInstanceSection, L"Settings 2");
}

TEST_F(AppFixture, ThisProcessDoesNotCountItselfAtStart) {
    ASSERT_TRUE(Start());
    ASSERT_NE(MainDialog(), 0u);

    // Once it is up, its own main window carries the title and would count.
    m_process.SetTopLevelWindows({MainDialog()});
    EXPECT_EQ(m_windows.Window(MainDialog()).text, app_test::TITLE);
    EXPECT_EQ(App().CountRunningInstances(), 1);
    EXPECT_EQ(g_nInstanceNumber, 0);
}
