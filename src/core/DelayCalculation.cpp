#include "core/DelayCalculation.h"

#include <algorithm>

#include "ports/Win32Constants.h"

namespace {

int Clamp(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, CDelayCalculation::MAX_DELAY));
}

} // namespace

int CDelayCalculation::ToMilliseconds(int minutes, int seconds, int milliseconds) {
    return Add(Multiply(Add(Multiply(minutes, 60), seconds), 1000), milliseconds);
}

int CDelayCalculation::Add(int a, int b) {
    return Clamp(static_cast<std::int64_t>(a) + b);
}

int CDelayCalculation::Multiply(int a, int b) {
    return Clamp(static_cast<std::int64_t>(a) * b);
}

std::uint32_t CDelayCalculation::TimerPeriod(int delay) {
    return std::max(static_cast<std::uint32_t>(std::max(delay, 0)), USER_TIMER_MINIMUM);
}
