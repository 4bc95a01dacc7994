#pragma once
// What the peer programs of the press benchmark share: the two signals that start their presses
// together with the measurement, and the press itself.
#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

#include <cwchar>

// Set by a peer once it is ready to press; set by the benchmark when the measurement starts.
const wchar_t BENCH_READY_EVENT[] = L"TapwellBench.PeerReady";
const wchar_t BENCH_GO_EVENT[] = L"TapwellBench.PeerGo";
const DWORD BENCH_GO_TIMEOUT_MS = 60000;

// Tells the benchmark that the peer is ready and waits until the measurement starts.
inline bool AwaitBenchGo() {
    HANDLE hReady = OpenEventW(EVENT_MODIFY_STATE, FALSE, BENCH_READY_EVENT);
    HANDLE hGo = OpenEventW(SYNCHRONIZE, FALSE, BENCH_GO_EVENT);
    const bool bGo =
        hReady && hGo && SetEvent(hReady) && WaitForSingleObject(hGo, BENCH_GO_TIMEOUT_MS) == WAIT_OBJECT_0;
    if (hReady) {
        CloseHandle(hReady);
    }
    if (hGo) {
        CloseHandle(hGo);
    }
    return bGo;
}

// One press of the letter A into the foreground window: key-down and key-up in one call, as a
// program without a pause between the two would send them.
inline bool SendLetterPress() {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = 'A';
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW('A', MAPVK_VK_TO_VSC));
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

// "<delay ms> <presses>" from the command line; false when either is missing or not positive.
inline bool ParsePeerArguments(int& nDelayMs, int& nPresses) {
    int nArgs = 0;
    LPWSTR* ppArgs = CommandLineToArgvW(GetCommandLineW(), &nArgs);
    const bool bParsed = ppArgs && nArgs == 3;
    if (bParsed) {
        nDelayMs = static_cast<int>(std::wcstol(ppArgs[1], nullptr, 10));
        nPresses = static_cast<int>(std::wcstol(ppArgs[2], nullptr, 10));
    }
    LocalFree(ppArgs);
    return bParsed && nDelayMs > 0 && nPresses > 0;
}

// A peer's whole life: its arguments, the wait for the measurement, its presses (pressAll(nDelayMs,
// nPresses)), and then a stay until the benchmark ends it, so that its CPU time can be read.
// The thread's message queue exists before the benchmark is told to start, for a peer that uses timers.
template <typename PressAll> int RunBenchPeer(PressAll pressAll) {
    const int EXIT_USAGE = 2;
    const int EXIT_NOT_STARTED = 3;
    int nDelayMs = 0;
    int nPresses = 0;
    if (!ParsePeerArguments(nDelayMs, nPresses)) {
        return EXIT_USAGE;
    }
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    if (!AwaitBenchGo()) {
        return EXIT_NOT_STARTED;
    }
    pressAll(nDelayMs, nPresses);
    Sleep(INFINITE);
    return 0;
}
