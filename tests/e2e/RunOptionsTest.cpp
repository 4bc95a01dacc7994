// The run options against real windows and a real clock: the pause while the focused window is
// away, a held-up process, the countdown and the run's time, from the form and from a script.
#include <algorithm>

#include "Polling.h"
#include "RecorderLog.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"

namespace {

// Posted into the recorder, it notes a moment of the driver's on the recorder's own clock.
const WPARAM MARK = VK_F24;

class RunOptions : public CTapwellCase {
protected:
    std::vector<RecordedKeyMessage> KeyDowns(WPARAM nKey) const {
        return MessagesOf(ReadRecorderLog(m_driver.RecorderLogPath()), WM_KEYDOWN, nKey);
    }
    // On the recorder's clock, the moment of the one mark posted; the idle recorder logs it at once.
    double MarkTime() const {
        WaitUntil([&] { return !KeyDowns(MARK).empty(); }, SETTLE_TIMEOUT_MS);
        return KeyDowns(MARK).at(0).dMs;
    }
    // The number of key-downs of the letter, which stop with the run.
    int PressesOnceIdle(CTapwellInstance& tapwell) const {
        EXPECT_TRUE(tapwell.WaitForIdle(RUN_TIMEOUT_MS));
        const std::size_t nAtStop = KeyDowns('A').size();
        Sleep(500);
        EXPECT_EQ(KeyDowns('A').size(), nAtStop) << "presses after the end";
        return static_cast<int>(nAtStop);
    }
};

} // namespace

TEST_F(RunOptions, OnlyWhileInFrontWaitsForTheRecorderAndAHeldUpProcessMakesNoBurst) {
    ASSERT_TRUE(WriteProfileDword(SECTION_FIRST_INSTANCE, L"OnlyWhileInFront", 1));
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_TRUE(pTapwell && pTapwell->FillInRun(KEY_LETTER_A, L"200", L"10"));
    CTargetWindow* pNotepad = m_driver.StartNotepad();
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_TRUE(pNotepad && pRecorder);
    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);

    ASSERT_TRUE(WaitUntil([&] { return KeyDowns('A').size() >= 2; }, RUN_TIMEOUT_MS));
    ASSERT_TRUE(pNotepad->Focus());
    EXPECT_TRUE(pTapwell->WaitForStatus(L"Paused: the target is not in front", SETTLE_TIMEOUT_MS));
    Sleep(1000);
    ASSERT_TRUE(pRecorder->Focus());
    ASSERT_TRUE(WaitUntil([&] { return KeyDowns('A').size() >= 5; }, RUN_TIMEOUT_MS));

    // The whole process held up for 5 s, as a machine asleep would hold it.
    const HANDLE hThread =
        OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(pTapwell->MainWindow(), nullptr));
    ASSERT_TRUE(hThread && SuspendThread(hThread) != DWORD(-1));
    Sleep(5000);
    PostMessageW(pRecorder->Edit(), WM_KEYDOWN, MARK, 0);
    ResumeThread(hThread);
    CloseHandle(hThread);

    ASSERT_TRUE(pTapwell->WaitForStatus(L"Keyed 10 Times", RUN_TIMEOUT_MS));
    EXPECT_EQ(PressesOnceIdle(*pTapwell), 10);
    EXPECT_EQ(pNotepad->EditText(), L"");
    const std::vector<RecordedKeyMessage> presses = KeyDowns('A');
    const double dResumed = MarkTime();
    EXPECT_LE(std::count_if(presses.begin(), presses.end(),
                            [&](const RecordedKeyMessage& press) {
                                return press.dMs > dResumed && press.dMs < dResumed + 150;
                            }),
              1)
        << "a burst after the resume";
}

TEST_F(RunOptions, StartAfterTwoSecondsThenStopAfterThree) {
    const std::pair<const wchar_t*, DWORD> OPTIONS[] = {
        {L"StartAfterSeconds", 2}, {L"EnableStopAfter", 1}, {L"StopAfterSeconds", 3}};
    for (const auto& option : OPTIONS) {
        ASSERT_TRUE(WriteProfileDword(SECTION_FIRST_INSTANCE, option.first, option.second));
    }
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_TRUE(pTapwell && pTapwell->FillInRun(KEY_LETTER_A, L"100", L"0"));
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_NE(pRecorder, nullptr);

    PostMessageW(pRecorder->Edit(), WM_KEYDOWN, MARK, 0);
    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);
    EXPECT_EQ(pTapwell->Form().Text(IDC_STATUS), L"Starting in 2 s");
    EXPECT_NEAR(PressesOnceIdle(*pTapwell), 30, 1);
    ASSERT_FALSE(KeyDowns('A').empty());
    EXPECT_NEAR(KeyDowns('A').front().dMs - MarkTime(), 2000.0, 50.0);
}

TEST_F(RunOptions, AScriptsStartForThreeSecondsReachesTheRunningTapwell) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_TRUE(pTapwell && pTapwell->FillInRun(KEY_LETTER_A, L"100", L"0"));
    ASSERT_NE(m_driver.StartRecorder(), nullptr);

    CChildProcess* pScript = m_driver.LaunchTapwell(L"/start /for 3s");
    ASSERT_TRUE(pScript && pScript->WaitForExit(EXIT_TIMEOUT_MS));
    EXPECT_EQ(pScript->ExitCode(), DWORD{0});
    ASSERT_TRUE(WaitUntil([&] { return !KeyDowns('A').empty(); }, RUN_TIMEOUT_MS));
    EXPECT_NEAR(PressesOnceIdle(*pTapwell), 30, 1);
}
