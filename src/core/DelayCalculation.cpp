#include "core/DelayCalculation.h"

#include <algorithm>

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
