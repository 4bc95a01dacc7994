#pragma once
// The run options as stored for this instance, and as a script's "/for" and "/until" give them for
// one run: each one given replaces the stored one for that run only, and nothing is stored.
#include <cstdint>

#include "core/RunTiming.h"
#include "settings/AppSettings.h"

struct RunLimitSwitches {
    std::int64_t nForSeconds = 0; // 0: not given
    int nUntilMinute = -1;        // minute of the day; -1: not given
    bool Any() const { return nForSeconds > 0 || nUntilMinute >= 0; }
};

// A value stored by hand outside its range counts as the nearest value within it.
RunTimingLimits ReadRunTimingLimits(const CAppSettings& settings, const RunLimitSwitches& switches);
bool ReadOnlyWhileInFront(const CAppSettings& settings);
