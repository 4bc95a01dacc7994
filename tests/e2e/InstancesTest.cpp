// Several starts of Tapwell: one instance by default, separate settings sections when several are allowed.
#include "Polling.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
class Instances : public CTapwellCase {};
class SecondStart : public CTapwellCase, public ::testing::WithParamInterface<bool> {};
} // namespace

// A second start, with the first behind the recorder or hidden in the tray.
TEST_P(SecondStart, BringsTheFirstToTheFrontShownAndEndsWithoutAWindow) {
    CTapwellInstance* pFirst = m_driver.StartTapwell();
    ASSERT_NE(pFirst, nullptr);
    if (GetParam()) {
        ASSERT_EQ(pFirst->Form().Click(IDC_HIDE_TO_TRAY), ActionResult::Done);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(pFirst->MainWindow()); }, SETTLE_TIMEOUT_MS));
    }
    ASSERT_NE(m_driver.StartRecorder(), nullptr);

    CChildProcess* pSecond = m_driver.LaunchTapwell();
    ASSERT_NE(pSecond, nullptr);

    bool bShowedWindow = false;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (HWND hWnd : TopLevelWindowsOf(pSecond->Id())) {
                bShowedWindow = bShowedWindow || IsWindowVisible(hWnd);
            }
            return !pSecond->IsRunning();
        },
        EXIT_TIMEOUT_MS));
    EXPECT_FALSE(bShowedWindow);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return IsWindowVisible(pFirst->MainWindow()) && GetForegroundWindow() == pFirst->MainWindow();
        },
        SETTLE_TIMEOUT_MS));
    EXPECT_EQ(TopLevelWindowsTitled(APP_TITLE), std::vector<HWND>{pFirst->MainWindow()});
}

INSTANTIATE_TEST_SUITE_P(WithTheFirst, SecondStart, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "InTheTray" : "Behind";
                         });

TEST_F(Instances, WithMultipleInstancesEachUsesAndShowsItsOwnSection) {
    ASSERT_TRUE(WriteProfileDword(L"Settings", L"UseSingleInstance", 0));
    CTapwellInstance* pFirst = m_driver.StartTapwell();
    ASSERT_NE(pFirst, nullptr);
    ASSERT_EQ(pFirst->Form().SelectListEntry(IDC_KEY_LIST, KEY_LETTER_A), ActionResult::Done);

    CTapwellInstance* pSecond = m_driver.StartTapwell();
    ASSERT_NE(pSecond, nullptr);
    ASSERT_NE(pSecond->MainWindow(), pFirst->MainWindow());
    EXPECT_EQ(pSecond->Form().ListSelection(IDC_KEY_LIST), CB_ERR);
    EXPECT_EQ(ReadProfileDword(L"Settings 1", L"KeyIndexTobeAutomated"), NO_SELECTION);
    ASSERT_EQ(pSecond->Form().SetText(IDC_DELAY_SECONDS, L"3"), ActionResult::Done);

    EXPECT_EQ(ReadProfileDword(L"Settings 1", L"AutoClicksDelaySeconds"), DWORD{3});
    EXPECT_EQ(ReadProfileDword(L"Settings 0", L"KeyIndexTobeAutomated"), DWORD{KEY_LETTER_A});
    EXPECT_EQ(ReadProfileDword(L"Settings 0", L"AutoClicksDelaySeconds"), std::nullopt);
    EXPECT_EQ(pFirst->Form().ListSelection(IDC_KEY_LIST), KEY_LETTER_A);
    EXPECT_TRUE(pFirst->Process().IsRunning());
}
