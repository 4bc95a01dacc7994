// The first start on a machine where Tapwell has never run, shown and silent.
#include "MessageBoxes.h"
#include "Polling.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
class FirstStart : public CTapwellCase {};
} // namespace

TEST_F(FirstStart, ShowsTheWindowWithTheDefaultsAndListsWithoutASelectionWrittenBackAsMinusOne) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    const CDialogRemote& form = pTapwell->Form();

    EXPECT_TRUE(IsWindowVisible(pTapwell->MainWindow()));
    EXPECT_EQ(WindowText(pTapwell->MainWindow()), L"" TAPWELL_APP_TITLE);
    EXPECT_EQ(GetForegroundWindow(), pTapwell->MainWindow());
    // The positions and names are the key table's (tests/unit/core/KeyTableTest.cpp); a letter's name
    // comes from the real keyboard layout.
    EXPECT_EQ(form.ListCount(IDC_MODIFIER_LIST), MODIFIER_COUNT);
    EXPECT_EQ(form.ListCount(IDC_KEY_LIST), KEY_COUNT);
    EXPECT_EQ(form.ListText(IDC_KEY_LIST, KEY_LETTER_A), L"a");
    EXPECT_EQ(form.ListText(IDC_MODIFIER_LIST, MODIFIER_SHIFT), L"Shift");
    EXPECT_EQ(form.ListSelection(IDC_MODIFIER_LIST), CB_ERR);
    EXPECT_EQ(form.ListSelection(IDC_KEY_LIST), CB_ERR);
    EXPECT_EQ(form.Text(IDC_STATUS), L"Current Status ");
    EXPECT_EQ(form.Text(IDC_DELAY_MINUTES), L"0");
    EXPECT_EQ(form.Text(IDC_DELAY_SECONDS), L"0");
    EXPECT_EQ(form.Text(IDC_DELAY_MILLISECONDS), L"10");
    EXPECT_EQ(form.Text(IDC_KEYS_TO_PRESS), L"10");
    EXPECT_FALSE(form.IsChecked(IDC_HOLD_KEY));
    EXPECT_TRUE(pTapwell->IsIdle());
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"KeyIndexTobeAutomated"), NO_SELECTION);
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"ModKeyIndexTobeAutomated"), NO_SELECTION);
    // Only what the user changes is stored: the form's defaults are not written at start-up.
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"AutoClicksDelayMilliSeconds"), std::nullopt);
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"SetNumberOfClicksToAutomate"), std::nullopt);
}

TEST_F(FirstStart, ASilentStartKeepsTheMainWindowHidden) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell(L":silent");
    ASSERT_NE(pTapwell, nullptr);

    EXPECT_TRUE(IsWindow(pTapwell->MainWindow()));
    EXPECT_FALSE(IsWindowVisible(pTapwell->MainWindow()));
    EXPECT_TRUE(pTapwell->Process().IsRunning());
    // The hidden instance is fully initialised all the same.
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"KeyIndexTobeAutomated"), NO_SELECTION);
}

TEST_F(FirstStart, AnUnknownSwitchListsTheSwitchesAndEndsWithTwo) {
    CChildProcess* pProcess = m_driver.LaunchTapwell(L"/bogus");
    ASSERT_NE(pProcess, nullptr);
    HWND hBox = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (hBox = FindMessageBox(pProcess->Id())) != nullptr; }, START_TIMEOUT_MS));
    EXPECT_NE(MessageBoxText(hBox).find(L"/toggle"), std::wstring::npos);
    EXPECT_NE(m_driver.StartTapwell(), nullptr) << "the list is no Tapwell: a start beside it starts one";
    ASSERT_TRUE(PostMessageW(GetDlgItem(hBox, IDOK), BM_CLICK, 0, 0));
    ASSERT_TRUE(pProcess->WaitForExit(SETTLE_TIMEOUT_MS));
    EXPECT_EQ(pProcess->ExitCode(), 2u);
}

TEST_F(FirstStart, AScriptMeetingATapwellWithoutAWindowEndsWithThreeAndNoBox) {
    // A Tapwell out of reach (another user's, an elevated one): its mutex, and no window here.
    const HANDLE hMutex = CreateMutexW(nullptr, TRUE, L"Global\\{719967F0-DCC6-49b5-9C61-DE91175C318P}");
    ASSERT_NE(hMutex, nullptr);
    CChildProcess* pProcess = m_driver.LaunchTapwell(L"/start");
    ASSERT_NE(pProcess, nullptr);
    const bool bEnded = pProcess->WaitForExit(START_TIMEOUT_MS);
    EXPECT_EQ(FindMessageBox(pProcess->Id()), nullptr);
    CloseHandle(hMutex);
    ASSERT_TRUE(bEnded);
    EXPECT_EQ(pProcess->ExitCode(), 3u);
}
