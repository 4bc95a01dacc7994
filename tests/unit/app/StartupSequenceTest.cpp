// CPellorApp::InitInstance for an instance that is allowed to run: the order of the start-up, the
// instance number and section, and the main dialog shown or kept in the tray.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AppFixture.h"
#include "fakes/CallLog.h"
#include "ports/Win32Constants.h"

using app_test::AppFixture;

TEST_F(AppFixture, FirstInstanceIsNumberZeroAndShowsItsMainDialog) {
    ASSERT_TRUE(Start());

    EXPECT_EQ(g_nInstanceNumber, 0);
    EXPECT_EQ(g_strInstanceSection, L"Settings 0");
    const WindowHandle dialog = MainDialog();
    ASSERT_NE(dialog, 0u);
    EXPECT_TRUE(m_windows.Window(dialog).visible);
    EXPECT_EQ(m_windows.Window(dialog).parent, 0u) << "the main dialog has no parent";
    EXPECT_EQ(m_windows.ForegroundWindow(), dialog);
    // The system hands a dialog's focus on to its control.
    EXPECT_TRUE(m_windows.Focus() == dialog || m_windows.IsChild(dialog, m_windows.Focus()));
    EXPECT_EQ(App().m_pMainWnd, &App().m_dlgMain);
    EXPECT_TRUE(m_windows.MessageBoxes().empty()) << "single-instance mode, and no other instance";
}

TEST_F(AppFixture, StartUpRunsInItsOrder) {
    ASSERT_TRUE(Start());
    const WindowHandle dialog = MainDialog();
    ASSERT_NE(dialog, 0u);

    std::vector<std::string> calls = m_windows.Log().Select(
        {"InitCommonControls", "InitializeOle", "CreateMutex", "EnumWindows", "CreateDialogFromTemplate"});
    for (const std::string& call : CallsOn(dialog, {"ShowWindow", "SetFocus", "SetForegroundWindow"})) {
        calls.push_back(call);
    }

    EXPECT_TRUE(
        SequenceMatches(calls, {
                                   "CreateMutex(TRUE, \"Global\\{719967F0-DCC6-49b5-9C61-DE91175C318P}\")",
                                   "InitCommonControls(0xFF)",
                                   "InitializeOle()",
                                   "EnumWindows()",
                                   "CreateDialogFromTemplate(102, 0x0)",
                                   "ShowWindow(" + Hex(dialog) + ", 5)",
                                   "SetFocus(" + Hex(dialog) + ")",
                                   "SetForegroundWindow(" + Hex(dialog) + ")",
                               }));
}

TEST_F(AppFixture, TheMainDialogReadsItsSettingsFromTheNumberedSection) {
    AddRunningInstance();
    StoreUseSingleInstance(0);
    m_registry.PutDword(L"software\\Tov rin\\Tapwell by Tovrin\\Settings 1", L"AutoClicksDelayMins", 7);
    m_registry.PutDword(L"software\\Tov rin\\Tapwell by Tovrin\\Settings 0", L"AutoClicksDelayMins", 3);

    ASSERT_TRUE(Start());

    EXPECT_EQ(g_strInstanceSection, L"Settings 1");
    EXPECT_EQ(m_windows.TextOf(MainDialog(), IDC_DELAY_MINUTES), L"7");
}

TEST_F(AppFixture, AFailedOleInitialisationDoesNotStopTheStart) {
    m_process.SetOleResult(false);

    EXPECT_TRUE(Start());
    EXPECT_TRUE(m_windows.Window(MainDialog()).visible);
}

TEST_F(AppFixture, AMutexThatCouldNotBeCreatedLeavesThisTheOnlyInstance) {
    m_process.SetMutexResult(0, ERROR_ACCESS_DENIED);
    AddRunningInstance();

    ASSERT_TRUE(Start());

    EXPECT_EQ(g_nInstanceNumber, 1) << "the other window still counts";
    EXPECT_TRUE(m_windows.MessageBoxes().empty());
}
