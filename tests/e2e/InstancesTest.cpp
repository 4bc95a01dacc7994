// Several starts of Tapwell: one instance by default, separate settings sections when several are allowed.
#include "Polling.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
class Instances : public CTapwellCase {};

// Waits for the process to end; bShowedWindow tells whether it showed any window meanwhile.
bool WaitForExitWithoutWindow(const CChildProcess& process, bool& bShowedWindow) {
    bShowedWindow = false;
    return WaitUntil(
        [&] {
            for (HWND hWnd : TopLevelWindowsOf(process.Id())) {
                bShowedWindow = bShowedWindow || IsWindowVisible(hWnd);
            }
            return !process.IsRunning();
        },
        EXIT_TIMEOUT_MS);
}
} // namespace

TEST_F(Instances, ASecondStartBringsTheFirstToTheFrontAndEnds) {
    CTapwellInstance* pFirst = m_driver.StartTapwell();
    ASSERT_NE(pFirst, nullptr);
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_NE(pRecorder, nullptr);
    ASSERT_NE(GetForegroundWindow(), pFirst->MainWindow());

    CChildProcess* pSecond = m_driver.LaunchTapwell();
    ASSERT_NE(pSecond, nullptr);

    bool bShowedWindow = true;
    ASSERT_TRUE(WaitForExitWithoutWindow(*pSecond, bShowedWindow));
    EXPECT_FALSE(bShowedWindow);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == pFirst->MainWindow(); }, SETTLE_TIMEOUT_MS));
    EXPECT_EQ(TopLevelWindowsTitled(APP_TITLE), std::vector<HWND>{pFirst->MainWindow()});
    EXPECT_TRUE(pFirst->Process().IsRunning());
}

TEST_F(Instances, ASecondStartShowsTheFirstFromTheTray) {
    CTapwellInstance* pFirst = m_driver.StartTapwell();
    ASSERT_NE(pFirst, nullptr);
    ASSERT_EQ(pFirst->Form().Click(IDC_HIDE_TO_TRAY), ActionResult::Done);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(pFirst->MainWindow()); }, SETTLE_TIMEOUT_MS));

    CChildProcess* pSecond = m_driver.LaunchTapwell();
    ASSERT_NE(pSecond, nullptr);

    bool bShowedWindow = true;
    ASSERT_TRUE(WaitForExitWithoutWindow(*pSecond, bShowedWindow));
    EXPECT_FALSE(bShowedWindow);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(pFirst->MainWindow()) != FALSE; }, SETTLE_TIMEOUT_MS));
    EXPECT_EQ(TopLevelWindowsTitled(APP_TITLE), std::vector<HWND>{pFirst->MainWindow()});
}

TEST_F(Instances, WithMultipleInstancesTheSecondUsesItsOwnSection) {
    ASSERT_TRUE(WriteProfileDword(L"Settings", L"UseSingleInstance", 0));
    CTapwellInstance* pFirst = m_driver.StartTapwell();
    ASSERT_NE(pFirst, nullptr);

    CTapwellInstance* pSecond = m_driver.StartTapwell();
    ASSERT_NE(pSecond, nullptr);
    ASSERT_NE(pSecond->MainWindow(), pFirst->MainWindow());
    EXPECT_EQ(ReadProfileDword(L"Settings 1", L"KeyIndexTobeAutomated"), NO_SELECTION);
    ASSERT_EQ(pSecond->Form().SelectListEntry(IDC_KEY_LIST, KEY_LETTER_A), ActionResult::Done);
    ASSERT_EQ(pSecond->Form().SetText(IDC_DELAY_SECONDS, L"3"), ActionResult::Done);

    EXPECT_EQ(ReadProfileDword(L"Settings 1", L"KeyIndexTobeAutomated"), DWORD{KEY_LETTER_A});
    EXPECT_EQ(ReadProfileDword(L"Settings 1", L"AutoClicksDelaySeconds"), DWORD{3});
    EXPECT_EQ(ReadProfileDword(L"Settings 0", L"KeyIndexTobeAutomated"), NO_SELECTION);
    EXPECT_EQ(ReadProfileDword(L"Settings 0", L"AutoClicksDelaySeconds"), std::nullopt);
    EXPECT_TRUE(pFirst->Process().IsRunning());
}

TEST_F(Instances, WithMultipleInstancesTheFirstKeepsItsSettingsForTheNextStart) {
    ASSERT_TRUE(WriteProfileDword(L"Settings", L"UseSingleInstance", 0));
    CTapwellInstance* pFirst = m_driver.StartTapwell();
    ASSERT_NE(pFirst, nullptr);
    ASSERT_EQ(pFirst->Form().SelectListEntry(IDC_KEY_LIST, KEY_LETTER_A), ActionResult::Done);
    CTapwellInstance* pSecond = m_driver.StartTapwell();
    ASSERT_NE(pSecond, nullptr);

    // Each form shows its own section: the second has no key selected.
    EXPECT_EQ(pFirst->Form().ListSelection(IDC_KEY_LIST), KEY_LETTER_A);
    EXPECT_EQ(pSecond->Form().ListSelection(IDC_KEY_LIST), CB_ERR);
}
