// Figures for Tapwell's presses beside its peers, each typing the letter A into the recorder under
// Wine: a pacer on the performance counter's absolute deadlines (the floor of the platform), a bare
// SetTimer loop, xdotool, and Tapwell with its default settings and with no pause between key-down
// and key-up. Then the time Tapwell's main window takes to answer a message during a run with a 5 s
// pause, whether Tapwell wakes while it waits idle in the tray, its start-up time and its memory.
// Prints figures only; it never judges them.
//
//   PressBench.exe [<delay ms>x<presses>]... [answer] [idle] [startup]
//       (nothing named: 10x2000 100x300 answer idle startup)
//
// Set by bench/press-accuracy.sh: BENCH_WINESERVER_PID and BENCH_XVFB_PID, the Linux ids of the
// servers whose CPU time is counted; BENCH_XDOTOOL_DIR, where the script takes requests to run
// xdotool; TAPWELL_EXE, another build of Tapwell to measure.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchRuns.h"
#include "BenchTable.h"
#include "BenchTapwellChecks.h"
#include "ProgramPaths.h"

namespace {
const char PART_ANSWER[] = "answer";
const char PART_IDLE[] = "idle";
const char PART_STARTUP[] = "startup";
const int EXIT_NOT_RUN = 1;
const BenchSubject PACER = {"pacer (QPC deadlines)", "pacer"};
const BenchSubject TIMER_LOOP = {"SetTimer loop", "SetTimer loop"};
const BenchSubject TAPWELL_DEFAULTS = {"Tapwell defaults (pause 10)", "defaults"};
const BenchSubject TAPWELL_NO_PAUSE = {"Tapwell pause 0", "pause 0"};

struct BenchPlan {
    std::vector<std::pair<int, int>> runs; // delay ms, presses
    bool bAnswer = false;
    bool bIdle = false;
    bool bStartUp = false;
};

bool ParsePlan(int argc, char** argv, BenchPlan& plan) {
    if (argc <= 1) {
        plan.runs = {{10, 2000}, {100, 300}};
        plan.bAnswer = plan.bIdle = plan.bStartUp = true;
        return true;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string strPart = argv[i];
        int nDelayMs = 0;
        int nPresses = 0;
        if (strPart == PART_ANSWER) {
            plan.bAnswer = true;
        } else if (strPart == PART_IDLE) {
            plan.bIdle = true;
        } else if (strPart == PART_STARTUP) {
            plan.bStartUp = true;
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
        std::printf("usage: PressBench.exe [<delay ms>x<presses>]... [answer] [idle] [startup]\n");
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
        rows.push_back(RunTapwell(TAPWELL_DEFAULT_PAUSE_MS, TAPWELL_DEFAULTS, nDelayMs, nPresses));
        rows.push_back(RunTapwell(0, TAPWELL_NO_PAUSE, nDelayMs, nPresses));
    }
    PrintBenchTable(rows);
    std::printf("\n");
    if (plan.bAnswer) {
        PrintAnswerTimes();
    }
    if (plan.bIdle) {
        PrintIdleFigures();
    }
    if (plan.bStartUp) {
        PrintStartUpFigures();
    }
    return 0;
}
