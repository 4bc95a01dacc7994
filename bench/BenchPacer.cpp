// A peer for the press benchmark and the floor of what the platform allows: presses on absolute
// deadlines of the performance counter (start + k x delay), sleeping until shortly before each one
// and spinning the rest of the way.
//
//   BenchPacer.exe <delay ms> <presses>
#include "BenchPeer.h"

namespace {
// Sleep is only as fine as the scheduler; the last stretch before a deadline is spun.
const LONGLONG SPIN_MS = 2;

void PressOnDeadlines(int nDelayMs, int nPresses) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    const LONGLONG nTicksPerMs = frequency.QuadPart / 1000;
    QueryPerformanceCounter(&start);
    for (int k = 0; k < nPresses; ++k) {
        const LONGLONG nDeadline = start.QuadPart + static_cast<LONGLONG>(k) * nDelayMs * nTicksPerMs;
        QueryPerformanceCounter(&now);
        const LONGLONG nLeftMs = (nDeadline - now.QuadPart) / nTicksPerMs;
        if (nLeftMs > SPIN_MS) {
            Sleep(static_cast<DWORD>(nLeftMs - SPIN_MS));
        }
        do {
            QueryPerformanceCounter(&now);
        } while (now.QuadPart < nDeadline);
        SendLetterPress();
    }
}
} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return RunBenchPeer(PressOnDeadlines);
}
