#pragma once
// One run of presses into a fresh recorder by each kind of program the benchmark compares, each
// giving its row of the table. The CPU times cover the presses only: from the moment the program is
// told to press until the last press has reached the recorder.
#include <windows.h>

#include "BenchTable.h"

const DWORD TAPWELL_DEFAULT_PAUSE_MS = 10;

struct BenchSubject {
    const char* pszName;      // in the table
    const char* pszShortName; // in the ratios' labels
};

// A peer program beside PressBench.exe (see BenchPeer.h), given the delay and the presses.
BenchRow RunPeerProgram(const wchar_t* pszProgram, const BenchSubject& subject, int nDelayMs, int nPresses);
// xdotool typing; the benchmark script runs it when asked through BENCH_XDOTOOL_DIR.
BenchRow RunXdotool(int nDelayMs, int nPresses);
// Tapwell pressing the letter A with "Brute" input and this pause between key-down and key-up.
BenchRow RunTapwell(DWORD nPauseMs, const BenchSubject& subject, int nDelayMs, int nPresses);

// Fresh settings with "Brute" input and the pause, stored before Tapwell starts.
bool StoreTapwellSettings(DWORD nPauseMs);
