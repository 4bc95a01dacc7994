// A peer for the press benchmark: the plainest timer loop, SetTimer at the delay and one press per
// WM_TIMER.
//
//   BenchTimerLoop.exe <delay ms> <presses>
#include "BenchPeer.h"

namespace {
const int EXIT_USAGE = 2;
const int EXIT_NOT_STARTED = 3;
} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int nDelayMs = 0;
    int nPresses = 0;
    if (!ParsePeerArguments(nDelayMs, nPresses)) {
        return EXIT_USAGE;
    }
    // The thread's message queue exists before the benchmark is told to start.
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    if (!AwaitBenchGo()) {
        return EXIT_NOT_STARTED;
    }
    const UINT_PTR nTimer = SetTimer(nullptr, 0, static_cast<UINT>(nDelayMs), nullptr);
    int nPressed = 0;
    while (nPressed < nPresses && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.wParam == nTimer) {
            SendLetterPress();
            ++nPressed;
        }
        DispatchMessageW(&msg);
    }
    KillTimer(nullptr, nTimer);
    AwaitBenchEnd();
    return 0;
}
