#include "BenchSlowHook.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "BenchRuns.h"
#include "BenchStatistics.h"
#include "Polling.h"
#include "RecorderLog.h"
#include "SlowHookProcess.h"
#include "TapwellConstants.h"
#include "TapwellDriver.h"
#include "UserKeyboard.h"
#include "resource.h"

namespace {
const wchar_t HOOKED_DELAY_MS[] = L"1";
// No pause: a wait for a key-up would make room for the queue between two presses.
const DWORD HOOKED_PAUSE_MS = 0;
const wchar_t ENDLESS[] = L"0";
const int PRESSES_BEFORE_SAMPLES = 3;
const int ANSWER_SAMPLES = 20;
const UINT ANSWER_TIMEOUT_MS = 2000;
const DWORD ANSWER_SAMPLE_GAP_MS = 50;
// After a posted Stop: the presses have ended once the log has not grown for a second; a log still
// growing 5 s after it means Stop did not act.
const double QUIET_MS = 1000.0;
const double STOP_WINDOW_MS = 5000.0;
const DWORD LOG_POLL_MS = 5;

struct AnswerFigures {
    std::vector<double> samples;
    int nUnanswered = 0;
};

struct StopFigures {
    bool bStopped = false;
    double dLastKeyMessageMs = 0.0; // after the posted Stop
};

LONGLONG FileSize(const std::wstring& strPath) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(strPath.c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

AnswerFigures SampleAnswers(HWND hMain) {
    AnswerFigures figures;
    for (int i = 0; i < ANSWER_SAMPLES; ++i) {
        const double dSent = NowMs();
        DWORD_PTR nResult = 0;
        if (!SendMessageTimeoutW(hMain, WM_NULL, 0, 0, SMTO_NORMAL, ANSWER_TIMEOUT_MS, &nResult)) {
            ++figures.nUnanswered;
        }
        figures.samples.push_back(NowMs() - dSent);
        Sleep(ANSWER_SAMPLE_GAP_MS);
    }
    return figures;
}

// Follows the recorder's log from the moment Stop was posted: a key message is a line, so the log's
// size says when the last one arrived, to within a poll; and it costs the run nothing to watch.
StopFigures FollowStop(const std::wstring& strLogPath, double dStopPostedMs) {
    StopFigures figures;
    LONGLONG nSize = FileSize(strLogPath);
    double dLastGrowthMs = dStopPostedMs;
    for (;;) {
        Sleep(LOG_POLL_MS);
        const double dNowMs = NowMs();
        const LONGLONG nNowSize = FileSize(strLogPath);
        if (nNowSize != nSize) {
            nSize = nNowSize;
            dLastGrowthMs = dNowMs;
        }
        if (dLastGrowthMs - dStopPostedMs > STOP_WINDOW_MS) {
            return figures;
        }
        if (dNowMs - dLastGrowthMs >= QUIET_MS) {
            figures.bStopped = true;
            figures.dLastKeyMessageMs = dLastGrowthMs - dStopPostedMs;
            return figures;
        }
    }
}

void PrintFigures(const AnswerFigures& answers, const StopFigures& stop, bool bIdle,
                  const std::vector<RecordedKeyMessage>& log) {
    std::printf(
        "  main window's answer to a message (WM_NULL, SendMessageTimeout) during the run: %zu samples, "
        "median %.2f ms, max %.2f ms, unanswered within %u ms: %d\n",
        answers.samples.size(), Percentile(answers.samples, 50.0), Percentile(answers.samples, 100.0),
        ANSWER_TIMEOUT_MS, answers.nUnanswered);
    if (stop.bStopped) {
        std::printf("  Stop (a click posted to its button): last key message %.0f ms after it",
                    stop.dLastKeyMessageMs);
    } else {
        std::printf("  Stop (a click posted to its button): did not stop within %.0f s",
                    STOP_WINDOW_MS / 1000.0);
    }
    std::printf("; buttons back to idle: %s; recorder got %d key-downs, %d key-ups\n", bIdle ? "yes" : "no",
                CountMessages(log, WM_KEYDOWN, 'A'), CountMessages(log, WM_KEYUP, 'A'));
}
} // namespace

void PrintSlowHookFigures() {
    std::printf("under a slow keyboard hook (3 ms per key event, in another program): Tapwell with a %lu ms "
                "pause at %ls ms, no count:\n",
                HOOKED_PAUSE_MS, HOOKED_DELAY_MS);
    CTapwellDriver driver;
    CTapwellInstance* pTapwell = StoreTapwellSettings(HOOKED_PAUSE_MS) ? driver.StartTapwell() : nullptr;
    if (!pTapwell || !pTapwell->FillInRun(KEY_LETTER_A, HOOKED_DELAY_MS, ENDLESS) ||
        !driver.StartRecorder()) {
        std::printf("  not measured: Tapwell or the recorder did not come up\n");
        std::fflush(stdout);
        return;
    }
    // The hook ends with this scope, before Tapwell does, so that what is left down is released at once.
    {
        const CSlowHookProcess hook;
        if (!hook.IsHooking()) {
            std::printf("  not measured: the hook program did not hook the keyboard\n");
        } else if (pTapwell->Form().Click(IDC_START_KEYPRESSING) != ActionResult::Done ||
                   !WaitUntil(
                       [&] {
                           return CountMessages(ReadRecorderLog(driver.RecorderLogPath()), WM_KEYDOWN, 'A') >=
                                  PRESSES_BEFORE_SAMPLES;
                       },
                       RUN_TIMEOUT_MS)) {
            std::printf("  not measured: the run did not start\n");
        } else {
            const AnswerFigures answers = SampleAnswers(pTapwell->MainWindow());
            const double dStopPostedMs = NowMs();
            if (pTapwell->Form().PostClick(IDC_STOP_KEYPRESSING) != ActionResult::Done) {
                std::printf("  not measured: Stop could not be clicked\n");
            } else {
                const StopFigures stop = FollowStop(driver.RecorderLogPath(), dStopPostedMs);
                PrintFigures(answers, stop, pTapwell->IsIdle(), ReadRecorderLog(driver.RecorderLogPath()));
            }
        }
    }
    std::fflush(stdout);
    driver.EndAll();
    ReleaseKeysLeftDown();
}
