// Load for the press benchmark: one thread that spins without end, taking a whole processor for as
// long as it runs. The benchmark starts a few and ends them.
//
//   BenchBusyLoop.exe
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Volatile, so that the compiler keeps the loop and its work.
    volatile unsigned long nSpins = 0;
    for (;;) {
        nSpins = nSpins + 1;
    }
}
