// A slow low-level keyboard hook, as some programs install: it takes 3 ms of CPU for every key event,
// whoever injects it, so that every key record another program sends costs that much more. For the
// end-to-end tests and the benchmarks, which run programs whose presses then outlast their period.
//
//   SlowKeyboardHook.exe
//
// Hooks as soon as it starts; WM_QUIT posted to its thread ends it, which removes the hook.
#include <windows.h>

namespace {
const LONGLONG HOOK_COST_MS = 3;
const int EXIT_NOT_HOOKED = 2;

// Spun, not slept: the time is really spent, as a hook doing work would spend it.
void SpendHookCost() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    const LONGLONG nCostTicks = frequency.QuadPart * HOOK_COST_MS / 1000;
    do {
        QueryPerformanceCounter(&now);
    } while (now.QuadPart - start.QuadPart < nCostTicks);
}

LRESULT CALLBACK SlowKeyboardProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HC_ACTION) {
        SpendHookCost();
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}
} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int) {
    HHOOK hHook = SetWindowsHookExW(WH_KEYBOARD_LL, SlowKeyboardProc, hInstance, 0);
    if (!hHook) {
        return EXIT_NOT_HOOKED;
    }
    // A low-level hook is called through this thread's message loop.
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageW(&msg);
    }
    UnhookWindowsHookEx(hHook);
    return 0;
}
