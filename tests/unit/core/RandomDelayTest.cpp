// The random extra delay: one fresh engine per draw, seeded from the secure source, uniform over
// a closed range.
#include <cstdint>
#include <set>

#include <gtest/gtest.h>

#include "core/RandomDelay.h"
#include "fakes/FakeRandomSource.h"

namespace {

constexpr int SEEDS = 2000;

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

TEST(RandomDelay, EveryDrawLiesWithinBothBounds) {
    const std::multiset<int> values = DrawWithSeeds(2000, 3000, SEEDS);
    EXPECT_GE(*values.begin(), 2000);
    EXPECT_LE(*values.rbegin(), 3000);
}

TEST(RandomDelay, BothEndsOfATinyRangeAreReached) {
    const std::multiset<int> pair = DrawWithSeeds(0, 1, 64);
    EXPECT_GT(pair.count(0), 0u);
    EXPECT_GT(pair.count(1), 0u);

    const std::multiset<int> triple = DrawWithSeeds(5, 7, 64);
    EXPECT_EQ(std::set<int>(triple.begin(), triple.end()), (std::set<int>{5, 6, 7}));
}

TEST(RandomDelay, TheWidestRangeStaysWithinBounds) {
    const std::multiset<int> values = DrawWithSeeds(0, 0x7FFFFFFF, SEEDS);
    EXPECT_GE(*values.begin(), 0);
}

TEST(RandomDelay, EachDrawTakesExactlyOneSeed) {
    FakeRandomSource source;
    CRandomDelay random(source);
    random.Draw(0, 1000);
    random.Draw(0, 1000);
    random.Draw(0, 1000);
    EXPECT_EQ(source.SeedsTaken(), 3);
}

TEST(RandomDelay, NothingIsKeptBetweenDraws) {
    FakeRandomSource source;
    for (std::uint32_t seed : {42u, 7u, 42u}) {
        source.QueueSeed(seed);
    }
    CRandomDelay random(source);
    const int first = random.Draw(0, 1000000);
    random.Draw(0, 1000000);
    EXPECT_EQ(random.Draw(0, 1000000), first) << "the same seed must give the same draw";
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
    constexpr int HIGH = 1610612735; // 1.5 × 2^30 values
    const std::multiset<int> values = DrawWithSeeds(0, HIGH, 3000);
    const auto low = static_cast<double>(std::distance(values.begin(), values.lower_bound(1 << 30)));
    EXPECT_LT(low / 3000.0, 0.71);
    EXPECT_GT(low / 3000.0, 0.62);
}
