#include "core/DelayCalculation.h"

#include <algorithm>

std::int64_t CDelayCalculation::Sum(int minutes, int seconds, int milliseconds) {
    return (static_cast<std::int64_t>(minutes) * 60 + seconds) * 1000 + milliseconds;
}

int CDelayCalculation::Clamp(std::int64_t total) {
    return static_cast<int>(std::clamp<std::int64_t>(total, 0, MAX_DELAY));
}

int CDelayCalculation::ToMilliseconds(int minutes, int seconds, int milliseconds) {
    return Clamp(Sum(minutes, seconds, milliseconds));
}
