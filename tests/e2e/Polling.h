#pragma once
// Bounded waiting: the driver never sleeps for a fixed long time, it checks a condition often until
// it holds or the time is up.
#include <windows.h>

#include <functional>

// Checks condition every few milliseconds; true as soon as it holds, false when nTimeoutMs passed
// without it holding (the condition is checked once more at the end).
bool WaitUntil(const std::function<bool()>& condition, DWORD nTimeoutMs);
