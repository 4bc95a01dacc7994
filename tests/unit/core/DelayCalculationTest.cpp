// The delay arithmetic of a run: composing the form's fields, clamping the total, and the timer period.
#include <cstdint>

#include <gtest/gtest.h>

#include "core/DelayCalculation.h"

namespace {

struct DelayCase {
    int minutes;
    int seconds;
    int milliseconds;
    int expected;
};

constexpr int MAX = CDelayCalculation::MAX_DELAY;

} // namespace

class DelayComposition : public ::testing::TestWithParam<DelayCase> {};

TEST_P(DelayComposition, ComposesMinutesSecondsAndMilliseconds) {
    const DelayCase& c = GetParam();
    EXPECT_EQ(CDelayCalculation::ToMilliseconds(c.minutes, c.seconds, c.milliseconds), c.expected);
}

INSTANTIATE_TEST_SUITE_P(FormRanges, DelayComposition,
                         ::testing::Values(DelayCase{1, 30, 500, 90500}, DelayCase{0, 2, 0, 2000},
                                           DelayCase{0, 0, 0, 0}, DelayCase{0, 0, 99999, 99999},
                                           DelayCase{9999, 59, 99999, 600098999}));

// Values a failed validation or the unbounded random range can bring: never wrapped, never negative.
INSTANTIATE_TEST_SUITE_P(OutOfRange, DelayComposition,
                         ::testing::Values(DelayCase{35792, 0, 0, MAX},     // 35792 min > 2^31 ms
                                           DelayCase{35791, 23, 647, MAX},  // exactly 2^31 - 1
                                           DelayCase{35791, 23, 648, MAX},  // one past it
                                           DelayCase{0, 2147483, 648, MAX}, // seconds overflow
                                           DelayCase{MAX, MAX, MAX, MAX},   //
                                           DelayCase{0, 0, -1, 0},          // negative range
                                           DelayCase{0, -1, 1500, 500},     // a negative part subtracts
                                           DelayCase{0, -30, 0, 0},         //
                                           DelayCase{-5, 0, 0, 0}));

TEST(DelayArithmetic, ATotalIsClampedOnlyAsAWhole) {
    EXPECT_EQ(CDelayCalculation::Clamp(CDelayCalculation::Sum(0, 0, 2000) + 1000), 3000);
    EXPECT_EQ(CDelayCalculation::Clamp(CDelayCalculation::Sum(MAX, MAX, MAX) + MAX), MAX);
    EXPECT_EQ(CDelayCalculation::Clamp(CDelayCalculation::Sum(0, -1, 0) + 1500), 500)
        << "a negative base still subtracts from the random extra";
    EXPECT_EQ(CDelayCalculation::Clamp(CDelayCalculation::Sum(-5, 0, 0) + 3), 0);
}
