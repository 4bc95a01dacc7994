#include "BenchHoldsUnderLoad.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "BenchRuns.h"
#include "BenchStatistics.h"
#include "ProcessGroup.h"
#include "ProgramPaths.h"
#include "RecorderLog.h"

namespace {
// More busy loops than the machine has processors (two), so that Tapwell must wait for its turn.
const int BUSY_LOOPS = 3;
const DWORD LOAD_PAUSE_MS = 5;
const int LOAD_DELAY_MS = 20;
const int LOAD_PRESSES = 300;
const BenchSubject TAPWELL_UNDER_LOAD = {"Tapwell under load (pause 5)", "under load"};

// Each key-down's hold: the time to the key-up that follows it.
std::vector<double> HoldTimes(const std::vector<RecordedKeyMessage>& log, WPARAM nKey) {
    std::vector<double> holds;
    const RecordedKeyMessage* pDown = nullptr;
    for (const RecordedKeyMessage& message : log) {
        if (message.nWParam != nKey) {
            continue;
        }
        if (message.nMessage == WM_KEYDOWN && !pDown) {
            pDown = &message;
        } else if (message.nMessage == WM_KEYUP && pDown) {
            holds.push_back(message.dMs - pDown->dMs);
            pDown = nullptr;
        }
    }
    return holds;
}
} // namespace

void PrintHoldsUnderLoad() {
    CProcessGroup load;
    int nStarted = 0;
    for (int i = 0; i < BUSY_LOOPS; ++i) {
        nStarted += load.Start(CommandLine(ProgramBesideThisOne(L"BenchBusyLoop.exe"), L"")) ? 1 : 0;
    }
    std::vector<RecordedKeyMessage> log;
    const BenchRow row =
        RunTapwell(LetterPresses(LOAD_PAUSE_MS), TAPWELL_UNDER_LOAD, LOAD_DELAY_MS, LOAD_PRESSES, &log);
    load.EndAll();
    std::printf(
        "holds under load, %d busy loops running: Tapwell with a %lu ms pause, %d presses at %d ms:\n",
        nStarted, LOAD_PAUSE_MS, LOAD_PRESSES, LOAD_DELAY_MS);
    if (!row.bMade) {
        std::printf("  not measured: %s\n", row.strWhyNotMade.c_str());
        std::fflush(stdout);
        return;
    }
    const std::vector<double> holds = HoldTimes(log, 'A');
    std::printf(
        "  delivered %d/%d, mean interval %.3f ms (drift %+.3f ms); hold (key-up minus key-down in the "
        "recorder) of %zu presses: min %.3f ms, p1 %.3f ms, median %.3f ms\n",
        row.intervals.nDelivered, row.nAsked, row.intervals.dMeanIntervalMs, row.intervals.dDriftMs,
        holds.size(), Percentile(holds, 0.0), Percentile(holds, 1.0), Percentile(holds, 50.0));
    std::fflush(stdout);
}
