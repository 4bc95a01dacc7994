#pragma once
// One run of presses into a fresh recorder by each kind of program the benchmark compares, each
// giving its row of the table. The CPU times cover the presses only: from the moment the program is
// told to press until the last press has reached the recorder.
#include <windows.h>

#include <string>
#include <vector>

#include "BenchTable.h"
#include "RecorderLog.h"

const DWORD TAPWELL_DEFAULT_PAUSE_MS = 10;

struct BenchSubject {
    const char* pszName;      // in the table
    const char* pszShortName; // in the ratios' labels
};

// A program of the benchmark's own, in the folder of PressBench.exe.
std::wstring ProgramBesideThisOne(const wchar_t* pszProgram);

// A peer program beside PressBench.exe (see BenchPeer.h), given the delay and the presses.
BenchRow RunPeerProgram(const wchar_t* pszProgram, const BenchSubject& subject, int nDelayMs, int nPresses);
// xdotool typing; the benchmark script runs it when asked through BENCH_XDOTOOL_DIR.
BenchRow RunXdotool(int nDelayMs, int nPresses);
// What a Tapwell row presses, and where.
struct TapwellPresses {
    DWORD nPauseMs; // between key-down and key-up
    int nModifierPosition;
    int nKeyPosition;
    WPARAM nKeyCode; // the key whose key-downs the recorder counts
    // Posted into the recorder as the picked window, with the picked window's default options; typed
    // into the focused recorder otherwise.
    bool bPickedWindow;
};

// The letter A typed into the focused window, with this pause.
TapwellPresses LetterPresses(DWORD nPauseMs);

// Tapwell pressing with "Brute" input. The recorder's whole log goes to pLog, when given, for figures
// of the caller's own.
BenchRow RunTapwell(const TapwellPresses& presses, const BenchSubject& subject, int nDelayMs, int nPresses,
                    std::vector<RecordedKeyMessage>* pLog = nullptr);

// nCopies Tapwells side by side (several instances allowed), each typing its own letter (A, B, ...)
// without a pause into the focused recorder: a row per copy. CPU times are not taken.
std::vector<BenchRow> RunTapwellCopies(int nCopies, int nDelayMs, int nPresses);

// Fresh settings with "Brute" input and the pause, stored before Tapwell starts.
bool StoreTapwellSettings(DWORD nPauseMs);
