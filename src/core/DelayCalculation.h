#pragma once
// The arithmetic of a run's delays: a delay given as minutes, seconds and milliseconds, and the
// random extra added to it. The form keeps its own fields
// small, but a failed validation leaves an out-of-range value in a member and the random range has
// no upper bound: each sum is taken in 64 bits, where no combination of 32-bit parts can overflow,
// and only its total is held within 0 .. MAX_DELAY, so a negative part still subtracts.
#include <cstdint>

class CDelayCalculation {
public:
    static constexpr int MAX_DELAY = 0x7FFFFFFF;

    // (minutes × 60 + seconds) × 1000 + milliseconds, exactly.
    static std::int64_t Sum(int minutes, int seconds, int milliseconds);
    // A total held within 0 .. MAX_DELAY.
    static int Clamp(std::int64_t total);
    // Sum, clamped.
    static int ToMilliseconds(int minutes, int seconds, int milliseconds);
};
