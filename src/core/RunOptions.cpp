#include "core/RunOptions.h"

#include <algorithm>

namespace {

int Stored(const CAppSettings& settings, const StoredInt& value) {
    return std::clamp(settings.Get(value), value.nMin, value.nMax);
}

} // namespace

RunTimingLimits ReadRunTimingLimits(const CAppSettings& settings, const RunLimitSwitches& switches) {
    RunTimingLimits limits;
    limits.nStartAfterSeconds = Stored(settings, START_AFTER_SECONDS);
    if (Stored(settings, ENABLE_STOP_AFTER) != 0) {
        limits.nStopAfterSeconds = std::int64_t{Stored(settings, STOP_AFTER_HOURS)} * 3600 +
                                   Stored(settings, STOP_AFTER_MINUTES) * 60 +
                                   Stored(settings, STOP_AFTER_SECONDS);
    }
    if (Stored(settings, ENABLE_STOP_AT) != 0) {
        limits.nStopAtMinute = Stored(settings, STOP_AT_HOUR) * 60 + Stored(settings, STOP_AT_MINUTE);
    }
    if (switches.nForSeconds > 0) {
        limits.nStopAfterSeconds = switches.nForSeconds;
    }
    if (switches.nUntilMinute >= 0) {
        limits.nStopAtMinute = switches.nUntilMinute;
    }
    return limits;
}

bool ReadOnlyWhileInFront(const CAppSettings& settings) {
    return Stored(settings, ONLY_WHILE_IN_FRONT) != 0;
}
