#include "core/DelayCalculation.h"

#include <algorithm>

#include "ports/Win32Constants.h"

namespace {

int Clamp(std::int64_t total) {
    return static_cast<int>(std::clamp<std::int64_t>(total, 0, CDelayCalculation::MAX_DELAY));
}

} // namespace

int CDelayCalculation::ToMilliseconds(int minutes, int seconds, int milliseconds) {
    return Clamp((static_cast<std::int64_t>(minutes) * 60 + seconds) * 1000 + milliseconds);
}

int CDelayCalculation::Add(int a, int b) {
    return Clamp(static_cast<std::int64_t>(a) + b);
}

std::uint32_t CDelayCalculation::TimerPeriod(int delay) {
    return std::max(static_cast<std::uint32_t>(std::max(delay, 0)), USER_TIMER_MINIMUM);
}
