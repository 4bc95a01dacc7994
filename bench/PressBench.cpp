// Figures for Tapwell's presses beside its peers, each typing the letter A into the recorder under
// Wine: a pacer on the performance counter's absolute deadlines (the floor of the platform), a bare
// SetTimer loop, xdotool, and Tapwell with its default settings and with no pause between key-down
// and key-up. Tapwell's own rows beside them: Ctrl+F5 with a 20 ms pause at 10 ms (ctrl-f5), and the
// letter posted into the recorder as the picked window with its default options at 2 ms, alone and with
// Ctrl (picked).
// Then the holds of Tapwell's keys while busy loops take every processor (load), the time Tapwell's
// main window takes to answer a message during a run with a 5 s pause, whether Tapwell wakes while
// it waits idle in the tray, its start-up time and its memory, and Tapwell at 1 ms under a keyboard
// hook that makes every press outlast its period: its answer time, and how soon a posted Stop ends
// the presses (slow-hook). Prints figures only; it never judges them.
//
//   PressBench.exe [<delay ms>x<presses>]... [ctrl-f5] [picked] [copies] [load] [answer] [idle]
//                  [startup] [slow-hook]
//       (nothing named: 10x2000 100x300 and every part)
// copies: eight Tapwells at once, each typing its own letter every 10 ms, 500 presses, pause 0.
//
// Set by bench/press-accuracy.sh: BENCH_WINESERVER_PID and BENCH_XVFB_PID, the Linux ids of the
// servers whose CPU time is counted; BENCH_XDOTOOL_DIR, where the script takes requests to run
// xdotool; TAPWELL_EXE, another build of Tapwell to measure.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "BenchHoldsUnderLoad.h"
#include "BenchRuns.h"
#include "BenchSlowHook.h"
#include "BenchTable.h"
#include "BenchTapwellChecks.h"
#include "ProgramPaths.h"
#include "TapwellConstants.h"

namespace {
const char USAGE[] =
    "usage: PressBench.exe [<delay ms>x<presses>]... [ctrl-f5] [picked] [copies] [load] [answer] [idle] "
    "[startup] [slow-hook]\n";
const int EXIT_NOT_RUN = 1;
const BenchSubject PACER = {"pacer (QPC deadlines)", "pacer"};
const BenchSubject TIMER_LOOP = {"SetTimer loop", "SetTimer loop"};
const BenchSubject TAPWELL_DEFAULTS = {"Tapwell defaults (pause 10)", "defaults"};
const BenchSubject TAPWELL_NO_PAUSE = {"Tapwell pause 0", "pause 0"};
const BenchSubject TAPWELL_CTRL_F5 = {"Tapwell Ctrl+F5 (pause 20)", "Ctrl+F5"};
const BenchSubject TAPWELL_PICKED = {"Tapwell picked window", "picked"};
const BenchSubject TAPWELL_PICKED_CTRL = {"Tapwell picked window, Ctrl", "picked Ctrl"};
// A pause longer than the delay: the key-downs must stay on the delay's grid all the same.
const DWORD CTRL_F5_PAUSE_MS = 20;
const TapwellPresses CTRL_F5 = {CTRL_F5_PAUSE_MS, MODIFIER_CTRL, KEY_F5, VK_F5, false};
// The 10 ms block of the default plan, so that Ctrl+F5 stands beside the peers there.
const int CTRL_F5_DELAY_MS = 10;
const int CTRL_F5_PRESSES = 2000;
const TapwellPresses PICKED_WINDOW_LETTER = {TAPWELL_DEFAULT_PAUSE_MS, MODIFIER_NONE, KEY_LETTER_A, 'A',
                                             true};
// The same with Ctrl, which waits for the recorder to handle each press before Ctrl is let go.
const TapwellPresses PICKED_WINDOW_CTRL_LETTER = {TAPWELL_DEFAULT_PAUSE_MS, MODIFIER_CTRL, KEY_LETTER_A, 'A',
                                                  true};
const int PICKED_DELAY_MS = 2;
const int PICKED_PRESSES = 2000;
// Copies whose wake-ups stall one another on a machine of two cores: the grid must not drift.
const int COPIES = 8;
const int COPIES_DELAY_MS = 10;
const int COPIES_PRESSES = 500;

struct BenchPlan {
    std::vector<std::pair<int, int>> runs; // delay ms, presses
    bool bCtrlF5 = false;
    bool bPicked = false;
    bool bCopies = false;
    bool bLoad = false;
    bool bAnswer = false;
    bool bIdle = false;
    bool bStartUp = false;
    bool bSlowHook = false;
};

// The parts named on the command line, beside the runs given as <delay ms>x<presses>.
const std::pair<const char*, bool BenchPlan::*> PARTS[] = {
    {"ctrl-f5", &BenchPlan::bCtrlF5},    {"picked", &BenchPlan::bPicked}, {"copies", &BenchPlan::bCopies},
    {"load", &BenchPlan::bLoad},
    {"answer", &BenchPlan::bAnswer},     {"idle", &BenchPlan::bIdle},     {"startup", &BenchPlan::bStartUp},
    {"slow-hook", &BenchPlan::bSlowHook}};

bool ParsePlan(int argc, char** argv, BenchPlan& plan) {
    if (argc <= 1) {
        plan.runs = {{10, 2000}, {100, 300}};
        for (const auto& part : PARTS) {
            plan.*part.second = true;
        }
        return true;
    }
    for (int i = 1; i < argc; ++i) {
        const auto named = std::find_if(std::begin(PARTS), std::end(PARTS), [&](const auto& part) {
            return std::strcmp(part.first, argv[i]) == 0;
        });
        int nDelayMs = 0;
        int nPresses = 0;
        if (named != std::end(PARTS)) {
            plan.*named->second = true;
        } else if (std::sscanf(argv[i], "%dx%d", &nDelayMs, &nPresses) == 2 && nDelayMs > 0 && nPresses > 1) {
            plan.runs.emplace_back(nDelayMs, nPresses);
        } else {
            return false;
        }
    }
    return true;
}
} // namespace

int main(int argc, char** argv) {
    BenchPlan plan;
    if (!ParsePlan(argc, argv, plan)) {
        std::fputs(USAGE, stdout);
        return EXIT_NOT_RUN;
    }
    std::printf("Tapwell: %ls\n", TapwellExePath().c_str());
    std::fflush(stdout);
    std::vector<BenchRow> rows;
    for (const auto& run : plan.runs) {
        const int nDelayMs = run.first;
        const int nPresses = run.second;
        rows.push_back(RunPeerProgram(L"BenchPacer.exe", PACER, nDelayMs, nPresses));
        rows.push_back(RunPeerProgram(L"BenchTimerLoop.exe", TIMER_LOOP, nDelayMs, nPresses));
        rows.push_back(RunXdotool(nDelayMs, nPresses));
        rows.push_back(
            RunTapwell(LetterPresses(TAPWELL_DEFAULT_PAUSE_MS), TAPWELL_DEFAULTS, nDelayMs, nPresses));
        rows.push_back(RunTapwell(LetterPresses(0), TAPWELL_NO_PAUSE, nDelayMs, nPresses));
    }
    if (plan.bCtrlF5) {
        rows.push_back(RunTapwell(CTRL_F5, TAPWELL_CTRL_F5, CTRL_F5_DELAY_MS, CTRL_F5_PRESSES));
    }
    if (plan.bPicked) {
        rows.push_back(RunTapwell(PICKED_WINDOW_LETTER, TAPWELL_PICKED, PICKED_DELAY_MS, PICKED_PRESSES));
        rows.push_back(
            RunTapwell(PICKED_WINDOW_CTRL_LETTER, TAPWELL_PICKED_CTRL, PICKED_DELAY_MS, PICKED_PRESSES));
    }
    if (plan.bCopies) {
        for (BenchRow& row : RunTapwellCopies(COPIES, COPIES_DELAY_MS, COPIES_PRESSES)) {
            rows.push_back(row);
        }
    }
    PrintBenchTable(rows);
    std::printf("\n");
    if (plan.bLoad) {
        PrintHoldsUnderLoad();
    }
    if (plan.bAnswer) {
        PrintAnswerTimes();
    }
    if (plan.bIdle) {
        PrintIdleFigures();
    }
    if (plan.bStartUp) {
        PrintStartUpFigures();
    }
    if (plan.bSlowHook) {
        PrintSlowHookFigures();
    }
    return 0;
}
