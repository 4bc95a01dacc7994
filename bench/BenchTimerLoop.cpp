// A peer for the press benchmark: the plainest timer loop, SetTimer at the delay and one press per
// WM_TIMER.
//
//   BenchTimerLoop.exe <delay ms> <presses>
#include "BenchPeer.h"

namespace {
void PressOnTimer(int nDelayMs, int nPresses) {
    const UINT_PTR nTimer = SetTimer(nullptr, 0, static_cast<UINT>(nDelayMs), nullptr);
    MSG msg;
    int nPressed = 0;
    while (nPressed < nPresses && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.wParam == nTimer) {
            SendLetterPress();
            ++nPressed;
        }
        DispatchMessageW(&msg);
    }
    KillTimer(nullptr, nTimer);
}
} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return RunBenchPeer(PressOnTimer);
}
