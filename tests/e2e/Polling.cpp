#include "Polling.h"

namespace {
const DWORD POLL_INTERVAL_MS = 5;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD nTimeoutMs) {
    const ULONGLONG nDeadline = GetTickCount64() + nTimeoutMs;
    while (GetTickCount64() < nDeadline) {
        if (condition()) {
            return true;
        }
        Sleep(POLL_INTERVAL_MS);
    }
    return condition();
}
