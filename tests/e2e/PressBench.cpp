// Figures for Tapwell under test: the time from its launch to a visible main window, and for runs of
// presses into the recorder the presses asked and delivered, how far the interval between two presses
// is from the delay, Tapwell's CPU time per 1,000 presses and its peak memory. Prints figures only; it
// never judges them.
//
//   PressBench.exe [presses] [delay ms]...      (defaults: 500 presses at 10 ms and at 100 ms)
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Polling.h"
#include "RecorderLog.h"
#include "TapwellDriver.h"
#include "TapwellRegistry.h"
#include "UserKeyboard.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
const int DEFAULT_PRESSES = 500;
const int DEFAULT_DELAYS_MS[] = {10, 100};
const int KEY_LETTER_A = 46;
const wchar_t APP_TITLE[] = L"Tapwell by Tovrin";
const wchar_t DIALOG_CLASS[] = L"#32770";
const DWORD START_TIMEOUT_MS = 30000;
const DWORD DRAIN_TIMEOUT_MS = 10000;
const DWORD EXIT_TIMEOUT_MS = 15000;
const int STARTUP_SAMPLES = 5;
const int EXIT_NOT_RUN = 1;

struct RunFigures {
    int nDelayMs = 0;
    int nAsked = 0;
    int nDelivered = 0;
    std::wstring strStatus;
    double dMedianErrorMs = 0.0;
    double dP99ErrorMs = 0.0;
    double dMeanIntervalMs = 0.0;
    double dCpuSecondsPer1000 = 0.0;
    double dPeakWorkingSetMb = 0.0;
};

double NowMs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Nearest-rank percentile of sorted values.
double Percentile(const std::vector<double>& sorted, double dPercent) {
    if (sorted.empty())
        return 0.0;
    const size_t nRank =
        static_cast<size_t>(std::ceil(dPercent / 100.0 * static_cast<double>(sorted.size())));
    return sorted[std::min(sorted.size(), std::max<size_t>(nRank, 1)) - 1];
}

// Time stamps of the key-downs of the letter, one per press.
std::vector<double> PressTimes(const std::vector<RecordedKeyMessage>& log) {
    std::vector<double> times;
    for (const RecordedKeyMessage& message : log)
        if (message.strMessage == "WM_KEYDOWN" && message.nWParam == 'A')
            times.push_back(message.dMs);
    return times;
}

void AddIntervalFigures(const std::vector<double>& times, RunFigures& figures) {
    std::vector<double> errors;
    double dSum = 0.0;
    for (size_t i = 1; i < times.size(); ++i) {
        const double dInterval = times[i] - times[i - 1];
        dSum += dInterval;
        errors.push_back(std::fabs(dInterval - figures.nDelayMs));
    }
    std::sort(errors.begin(), errors.end());
    figures.dMedianErrorMs = Percentile(errors, 50.0);
    figures.dP99ErrorMs = Percentile(errors, 99.0);
    figures.dMeanIntervalMs = errors.empty() ? 0.0 : dSum / static_cast<double>(errors.size());
}

bool RunOnce(int nPresses, int nDelayMs, RunFigures& figures) {
    figures.nDelayMs = nDelayMs;
    figures.nAsked = nPresses;
    ResetTapwellRegistry();
    CTapwellDriver driver;

    CChildProcess* pProcess = driver.LaunchTapwell();
    if (!pProcess)
        return false;
    CTapwellInstance* pTapwell = driver.AttachTapwell(*pProcess);
    if (!pTapwell)
        return false;

    CDialogRemote& form = pTapwell->Form();
    if (form.SelectListEntry(IDC_KEY_LIST, KEY_LETTER_A) != ActionResult::Done ||
        form.SetText(IDC_DELAY_MILLISECONDS, std::to_wstring(nDelayMs)) != ActionResult::Done ||
        form.SetText(IDC_KEYS_TO_PRESS, std::to_wstring(nPresses)) != ActionResult::Done)
        return false;
    if (!driver.StartRecorder())
        return false;

    const double dCpuBefore = pProcess->CpuSeconds();
    if (form.Click(IDC_START_KEYPRESSING) != ActionResult::Done)
        return false;
    const DWORD nRunTimeoutMs =
        static_cast<DWORD>(nPresses) * static_cast<DWORD>(nDelayMs + 50) * 3 + START_TIMEOUT_MS;
    pTapwell->WaitForIdle(nRunTimeoutMs);
    const double dCpuAfter = pProcess->CpuSeconds();
    figures.strStatus = form.Text(IDC_STATUS);
    figures.dPeakWorkingSetMb = static_cast<double>(pProcess->PeakWorkingSetBytes()) / (1024.0 * 1024.0);
    figures.dCpuSecondsPer1000 = (dCpuAfter - dCpuBefore) * 1000.0 / nPresses;

    // The last presses may still be on their way into the recorder when the run reports its end.
    std::vector<double> times;
    WaitUntil(
        [&] {
            times = PressTimes(ReadRecorderLog(driver.RecorderLogPath()));
            return static_cast<int>(times.size()) >= nPresses;
        },
        DRAIN_TIMEOUT_MS);
    figures.nDelivered = static_cast<int>(times.size());
    AddIntervalFigures(times, figures);
    driver.EndAll();
    ReleaseKeysLeftDown();
    return true;
}

void PrintFigures(const RunFigures& figures) {
    std::printf("delay %d ms\n", figures.nDelayMs);
    std::printf("  presses asked / delivered      %d / %d   (status \"%ls\")\n", figures.nAsked,
                figures.nDelivered, figures.strStatus.c_str());
    std::printf("  interval mean                  %.2f ms\n", figures.dMeanIntervalMs);
    std::printf("  |interval - delay| median      %.2f ms\n", figures.dMedianErrorMs);
    std::printf("  |interval - delay| 99th pct    %.2f ms\n", figures.dP99ErrorMs);
    std::printf("  Tapwell CPU per 1,000 presses  %.3f s\n", figures.dCpuSecondsPer1000);
    std::printf("  Tapwell peak working set       %.1f MB\n", figures.dPeakWorkingSetMb);
    std::fflush(stdout);
}

// Milliseconds from the launch to a visible main window, or a negative number when none appears.
// The program is closed as a user would close it and has ended when this returns.
double MeasureStartUp() {
    ResetTapwellRegistry();
    CTapwellDriver driver;
    const double dLaunched = NowMs();
    CChildProcess* pProcess = driver.LaunchTapwell();
    if (!pProcess)
        return -1.0;
    HWND hMain = nullptr;
    const bool bShown = WaitUntil(
        [&] {
            hMain = FindTopLevelWindow(pProcess->Id(), DIALOG_CLASS, APP_TITLE);
            return hMain && IsWindowVisible(hMain);
        },
        START_TIMEOUT_MS);
    const double dElapsedMs = NowMs() - dLaunched;
    if (hMain)
        PostMessageW(hMain, WM_CLOSE, 0, 0);
    pProcess->WaitForExit(EXIT_TIMEOUT_MS);
    return bShown ? dElapsedMs : -1.0;
}

bool PrintStartUpFigures() {
    std::vector<double> samples;
    for (int i = 0; i < STARTUP_SAMPLES; ++i) {
        const double dMs = MeasureStartUp();
        if (dMs < 0.0)
            return false;
        samples.push_back(dMs);
    }
    std::sort(samples.begin(), samples.end());
    std::printf("start-up (%d launches, registry reset before each)\n", STARTUP_SAMPLES);
    std::printf("  launch to visible main window  median %.0f ms, min %.0f ms, max %.0f ms\n",
                Percentile(samples, 50.0), samples.front(), samples.back());
    std::fflush(stdout);
    return true;
}
} // namespace

int main(int argc, char** argv) {
    const int nPresses = argc > 1 ? std::atoi(argv[1]) : DEFAULT_PRESSES;
    std::vector<int> delays;
    for (int i = 2; i < argc; ++i)
        delays.push_back(std::atoi(argv[i]));
    if (delays.empty())
        delays.assign(std::begin(DEFAULT_DELAYS_MS), std::end(DEFAULT_DELAYS_MS));
    if (nPresses <= 0)
        return EXIT_NOT_RUN;

    int nExit = 0;
    if (!PrintStartUpFigures()) {
        std::printf("start-up: Tapwell did not show its main window\n");
        nExit = EXIT_NOT_RUN;
    }
    for (int nDelayMs : delays) {
        RunFigures figures;
        if (!RunOnce(nPresses, nDelayMs, figures)) {
            std::printf("delay %d ms: the run could not be made (Tapwell or the recorder did not come up)\n",
                        nDelayMs);
            nExit = EXIT_NOT_RUN;
            continue;
        }
        PrintFigures(figures);
    }
    return nExit;
}
