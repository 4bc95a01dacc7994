#include "BenchTapwellChecks.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "BenchClock.h"
#include "BenchRuns.h"
#include "BenchServers.h"
#include "BenchStatistics.h"
#include "Polling.h"
#include "ProgramPaths.h"
#include "RecorderLog.h"
#include "TapwellConstants.h"
#include "TapwellDriver.h"
#include "TapwellRegistry.h"
#include "UnixProcesses.h"
#include "UserKeyboard.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
const DWORD LONG_PAUSE_MS = 5000;
const int LONG_PAUSE_DELAY_MS = 100;
const int LONG_PAUSE_PRESSES = 2;
// Long enough to see a window that does not answer for a whole pause.
const UINT ANSWER_TIMEOUT_MS = 10000;
const DWORD ANSWER_SAMPLE_GAP_MS = 10;
const double ANSWER_WINDOW_MS = 30000.0;
const DWORD IDLE_SETTLE_MS = 1000;
const DWORD IDLE_MS = 10000;
const int STARTUP_SAMPLES = 3;
const DWORD STARTUP_TIMEOUT_MS = 30000;

double Difference(double dBefore, double dAfter) {
    return dBefore < 0.0 || dAfter < 0.0 ? -1.0 : dAfter - dBefore;
}

struct IdleMarks {
    double dOwnCpu;
    double dOwnUnixCpu;
    long long nMainThreadWaits;
    long long nAllThreadWaits;
    ServerCpu servers;
};

IdleMarks MarkIdle(const CChildProcess& process, DWORD nUnixPid) {
    IdleMarks marks = {process.CpuSeconds(), -1.0, -1, -1, SampleServerCpu()};
    if (nUnixPid) {
        marks.dOwnUnixCpu = UnixCpuSeconds(nUnixPid);
        marks.nMainThreadWaits = UnixWaits(nUnixPid, true);
        marks.nAllThreadWaits = UnixWaits(nUnixPid, false);
    }
    return marks;
}

long long CountDifference(long long nBefore, long long nAfter) {
    return nBefore < 0 || nAfter < 0 ? -1 : nAfter - nBefore;
}

// Milliseconds from the launch to a visible main window, or a negative number when none appears;
// and the program's peak working set by then.
double MeasureStartUp(double& dPeakWorkingSetMb) {
    ResetTapwellRegistry();
    CTapwellDriver driver;
    const double dLaunched = NowMs();
    CChildProcess* pProcess = driver.LaunchTapwell();
    if (!pProcess) {
        return -1.0;
    }
    HWND hMain = nullptr;
    const bool bShown = WaitUntil(
        [&] {
            hMain = FindTopLevelWindow(pProcess->Id(), DIALOG_CLASS, APP_TITLE);
            return hMain && IsWindowVisible(hMain);
        },
        STARTUP_TIMEOUT_MS);
    const double dElapsedMs = NowMs() - dLaunched;
    dPeakWorkingSetMb = static_cast<double>(pProcess->PeakWorkingSetBytes()) / (1024.0 * 1024.0);
    if (hMain) {
        PostMessageW(hMain, WM_CLOSE, 0, 0);
    }
    pProcess->WaitForExit(EXIT_TIMEOUT_MS);
    return bShown ? dElapsedMs : -1.0;
}
} // namespace

void PrintAnswerTimes() {
    CTapwellDriver driver;
    CTapwellInstance* pTapwell = StoreTapwellSettings(LONG_PAUSE_MS) ? driver.StartTapwell() : nullptr;
    if (!pTapwell ||
        !pTapwell->FillInRun(KEY_LETTER_A, std::to_wstring(LONG_PAUSE_DELAY_MS),
                             std::to_wstring(LONG_PAUSE_PRESSES)) ||
        !driver.StartRecorder() ||
        pTapwell->Form().StartClick(IDC_START_KEYPRESSING) == ActionResult::NotPossible) {
        std::printf("answer time: the run could not be made\n");
        return;
    }
    // Sampled until the run has been seen and has ended; a window that does not answer makes few samples.
    std::vector<double> samples;
    int nUnanswered = 0;
    bool bRunSeen = false;
    const double dStart = NowMs();
    while (NowMs() - dStart < ANSWER_WINDOW_MS) {
        const double dSent = NowMs();
        DWORD_PTR nResult = 0;
        if (!SendMessageTimeoutW(pTapwell->MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, ANSWER_TIMEOUT_MS,
                                 &nResult)) {
            ++nUnanswered;
        }
        samples.push_back(NowMs() - dSent);
        const bool bIdle = pTapwell->IsIdle();
        if (!bIdle) {
            bRunSeen = true;
        } else if (bRunSeen) {
            break;
        }
        Sleep(ANSWER_SAMPLE_GAP_MS);
    }
    const double dRunMs = NowMs() - dStart;
    const std::vector<RecordedKeyMessage> log = ReadRecorderLog(driver.RecorderLogPath());
    std::printf(
        "main window's answer to a message (WM_NULL, SendMessageTimeout) during a run with a %lu ms pause, "
        "%d presses at %d ms:\n",
        LONG_PAUSE_MS, LONG_PAUSE_PRESSES, LONG_PAUSE_DELAY_MS);
    std::printf("  %zu samples over %.1f s: median %.2f ms, max %.2f ms, unanswered within %u ms: %d;"
                " recorder got %d key-downs, %d key-ups\n",
                samples.size(), dRunMs / 1000.0, Percentile(samples, 50.0), Percentile(samples, 100.0),
                ANSWER_TIMEOUT_MS, nUnanswered, CountMessages(log, WM_KEYDOWN, 'A'),
                CountMessages(log, WM_KEYUP, 'A'));
    std::fflush(stdout);
    driver.EndAll();
    ReleaseKeysLeftDown();
}

void PrintIdleFigures() {
    ResetTapwellRegistry();
    CTapwellDriver driver;
    CTapwellInstance* pTapwell = driver.StartTapwell();
    if (!pTapwell || pTapwell->Form().Click(IDC_HIDE_TO_TRAY) != ActionResult::Done ||
        !WaitUntil([&] { return !IsWindowVisible(pTapwell->MainWindow()); }, SETTLE_TIMEOUT_MS)) {
        std::printf("idle in the tray: Tapwell could not be hidden to the tray\n");
        return;
    }
    Sleep(IDLE_SETTLE_MS);
    CChildProcess& process = pTapwell->Process();
    const DWORD nUnixPid = FindUnixProcess(TapwellExePath());
    const IdleMarks before = MarkIdle(process, nUnixPid);
    Sleep(IDLE_MS);
    const IdleMarks after = MarkIdle(process, nUnixPid);
    std::printf(
        "idle, hidden in the tray, for %lu s (Linux process %lu): Tapwell CPU %.3f s (Linux's count %.6f s); "
        "wake-ups "
        "(voluntary context switches) main thread %lld, all threads %lld; wineserver CPU %.3f s, Xvfb "
        "CPU %.3f s\n",
        IDLE_MS / 1000, nUnixPid, Difference(before.dOwnCpu, after.dOwnCpu),
        Difference(before.dOwnUnixCpu, after.dOwnUnixCpu),
        CountDifference(before.nMainThreadWaits, after.nMainThreadWaits),
        CountDifference(before.nAllThreadWaits, after.nAllThreadWaits),
        Difference(before.servers.dWineserver, after.servers.dWineserver),
        Difference(before.servers.dXvfb, after.servers.dXvfb));
    std::fflush(stdout);
    driver.EndAll();
}

void PrintStartUpFigures() {
    std::vector<double> samples;
    double dPeakWorkingSetMb = 0.0;
    for (int i = 0; i < STARTUP_SAMPLES; ++i) {
        const double dMs = MeasureStartUp(dPeakWorkingSetMb);
        if (dMs < 0.0) {
            std::printf("start-up: Tapwell did not show its main window\n");
            return;
        }
        samples.push_back(dMs);
    }
    std::printf("start-up, %d launches with a fresh registry: launch to visible main window median %.0f ms, "
                "max %.0f ms; peak working set %.1f MB\n",
                STARTUP_SAMPLES, Percentile(samples, 50.0), Percentile(samples, 100.0), dPeakWorkingSetMb);
    std::fflush(stdout);
}
