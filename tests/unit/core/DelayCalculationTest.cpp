// The delay arithmetic of a run: composing the form's fields, the random extra, clamping the total.
#include <cstdint>
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "core/DelayCalculation.h"
#include "core/RandomDelay.h"
#include "fakes/FakeRandomSource.h"

namespace {

constexpr int MAX = CDelayCalculation::MAX_DELAY;

// Draws once per seed 0 .. count-1 and returns every value seen.
std::multiset<int> DrawWithSeeds(int low, int high, int count) {
    FakeRandomSource source;
    for (int seed = 0; seed < count; ++seed) {
        source.QueueSeed(static_cast<std::uint32_t>(seed));
    }
    CRandomDelay random(source);
    std::multiset<int> values;
    for (int i = 0; i < count; ++i) {
        values.insert(random.Draw(low, high));
    }
    return values;
}

} // namespace

// Values a failed validation or the unbounded random range can bring: never wrapped, never negative,
// and held within range only as a whole, so that a negative part still subtracts.
TEST(DelayCalculation, ComposesTheFieldsAndClampsOnlyTheTotal) {
    const struct {
        int minutes, seconds, milliseconds, extra, expected;
    } cases[] = {
        // clang-format off
        {1, 30, 500, 0, 90500}, {0, 2, 0, 0, 2000}, {0, 0, 0, 0, 0}, {0, 0, 99999, 0, 99999},
        {9999, 59, 99999, 0, 600098999},
        {35792, 0, 0, 0, MAX},     // 35792 min > 2^31 ms
        {35791, 23, 647, 0, MAX},  // exactly 2^31 - 1
        {35791, 23, 648, 0, MAX},  // one past it
        {0, 2147483, 648, 0, MAX}, // seconds overflow
        {MAX, MAX, MAX, 0, MAX}, {0, 0, -1, 0, 0}, {0, -1, 1500, 0, 500}, {0, -30, 0, 0, 0}, {-5, 0, 0, 0, 0},
        {0, 0, 2000, 1000, 3000}, {MAX, MAX, MAX, MAX, MAX}, {0, -1, 0, 1500, 500}, {-5, 0, 0, 3, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        const std::int64_t sum = CDelayCalculation::Sum(c.minutes, c.seconds, c.milliseconds);
        EXPECT_EQ(CDelayCalculation::Clamp(sum + c.extra), c.expected) << c.minutes << " " << c.seconds;
        if (c.extra == 0) {
            EXPECT_EQ(CDelayCalculation::ToMilliseconds(c.minutes, c.seconds, c.milliseconds), c.expected);
        }
    }
}

TEST(RandomDelay, EveryDrawLiesWithinItsBoundsAndATinyRangeReachesEachValue) {
    const std::pair<int, int> ranges[] = {{2000, 3000}, {0, 0x7FFFFFFF}, {0, 1}, {5, 7}};
    for (const auto& [low, high] : ranges) {
        const std::multiset<int> values = DrawWithSeeds(low, high, high - low < 4 ? 64 : 2000);
        EXPECT_GE(*values.begin(), low);
        EXPECT_LE(*values.rbegin(), high);
        if (high - low < 4) {
            EXPECT_EQ(std::set<int>(values.begin(), values.end()).size(),
                      static_cast<std::size_t>(high - low + 1));
        }
    }
}

TEST(RandomDelay, EachDrawTakesOneFreshSeedAndKeepsNothing) {
    FakeRandomSource source;
    for (std::uint32_t seed : {42u, 7u, 42u}) {
        source.QueueSeed(seed);
    }
    CRandomDelay random(source);
    const int first = random.Draw(0, 1000000);
    random.Draw(0, 1000000);
    EXPECT_EQ(random.Draw(0, 1000000), first) << "the same seed must give the same draw";
    EXPECT_EQ(source.SeedsTaken(), 3);
}

TEST(RandomDelay, AnEmptyRangeGivesItsOnlyValue) {
    FakeRandomSource source;
    source.QueueSeed(123456789);
    CRandomDelay random(source);
    EXPECT_EQ(random.Draw(0, 0), 0);
    EXPECT_EQ(random.Draw(7, 7), 7);
    EXPECT_EQ(random.Draw(5, 3), 5) << "an inverted range must not reach the distribution";
}

// With a range of 1.5 × 2^30 values, taking the engine's 32-bit output modulo the range would make
// the lowest 2^30 values come up in three of four draws instead of two of three.
TEST(RandomDelay, OutputsThatWouldBiasTheResultAreNotFolded) {
    const std::multiset<int> values = DrawWithSeeds(0, 1610612735, 3000);
    const auto low = static_cast<double>(std::distance(values.begin(), values.lower_bound(1 << 30)));
    EXPECT_LT(low / 3000.0, 0.71);
    EXPECT_GT(low / 3000.0, 0.62);
}
