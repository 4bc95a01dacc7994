// A run with its options on a fake clock, driven as its owner drives it: each deadline met on time,
// each press made when due unless its window is away. Rows give the options, when another window is
// in front, and a sleep; they expect the key-downs (how many, first, last, shortest gap) and the end.
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "core/FrontWindowRule.h"
#include "core/PressRun.h"
#include "core/RunTiming.h"
#include "unit/TableRows.h"

namespace {

constexpr Microseconds MS = 1000;

struct RunRow : NamedRow {
    int periodMs;
    std::uint32_t keysToPress;
    RunTimingLimits limits;
    int wallStartSecondOfDay;
    bool onlyInFront;
    int awayFromMs, awayToMs;
    int sleepAtMs, sleepSeconds; // the wall clock jumps on while the monotonic one stands still
    int presses, firstMs, lastMs, minGapMs, endMs;
};

void ExpectRun(const RunRow& row) {
    CPressRun run;
    CRunTiming timing;
    CFrontWindowRule front;
    Microseconds now = 0;
    WallTime wall{1700000000, row.wallStartSecondOfDay};
    const std::int64_t startUtc = wall.nUtcSeconds;
    const Microseconds period = row.periodMs * MS;
    run.Start(timing.Start(now, wall, row.limits, period) - period, period, 0);
    front.Start(row.onlyInFront);
    std::vector<int> keyDowns;
    while (now < 100000 * MS) {
        const bool slept = row.sleepAtMs > 0 && now >= row.sleepAtMs * MS;
        wall.nUtcSeconds = startUtc + now / CRunTiming::SECOND + (slept ? row.sleepSeconds : 0);
        CPressRun::Answer answer = run.Next(now);
        const bool dueByEnd = run.Next(timing.DurationEnd()).action == CPressRun::Action::Press;
        if (timing.At(now, wall, dueByEnd) == CRunTiming::Phase::Over ||
            answer.action == CPressRun::Action::Stop) {
            break;
        }
        const bool away = now >= row.awayFromMs * MS && now < row.awayToMs * MS;
        if (answer.action == CPressRun::Action::Press && !front.MayPress(away ? 0x200 : 0x100)) {
            answer = {CPressRun::Action::Wait, now + CFrontWindowRule::POLL_INTERVAL};
        } else if (answer.action == CPressRun::Action::Press) {
            run.BeginPress(row.keysToPress, false);
            keyDowns.push_back(static_cast<int>(now / MS));
            answer = run.KeyDown(now, false);
        }
        now =
            answer.action == CPressRun::Action::Stop ? now : std::min(answer.deadline, timing.NextCheck(now));
    }
    ASSERT_EQ(static_cast<int>(keyDowns.size()), row.presses);
    EXPECT_EQ(keyDowns.front(), row.firstMs);
    EXPECT_EQ(keyDowns.back(), row.lastMs);
    int minGap = 1 << 30;
    for (std::size_t i = 1; i < keyDowns.size(); ++i) {
        minGap = std::min(minGap, keyDowns[i] - keyDowns[i - 1]);
    }
    EXPECT_EQ(minGap, row.minGapMs) << "a burst of presses";
    EXPECT_EQ(now / MS, row.endMs);
}

// clang-format off
const RunRow PAUSE_ROWS[] = {
    {{"off: the keys follow the front"},      200, 10, {}, 0, false, 900, 1900, 0, 0, 10, 200, 2000, 200, 2000},
    {{"held while away, no burst on return"}, 200, 10, {}, 0, true,  900, 1900, 0, 0, 10, 200, 2900, 200, 2900},
    {{"a short absence keeps the grid"},      200, 4,  {}, 0, true,  500, 700,  0, 0, 4,  200, 800,  100, 800},
};
const RunRow TIMING_ROWS[] = {
    {{"stop after 3 s at 100 ms"}, 100, 0, {0, 3, -1},  0,     false, 0, 0, 0, 0, 30, 100, 3000, 100, 3100},
    {{"start after 2 s"},          100, 0, {2, 1, -1},  0,     false, 0, 0, 0, 0, 10, 2000, 2900, 100, 3000},
    {{"the count comes first"},    100, 5, {0, 3, -1},  0,     false, 0, 0, 0, 0, 5, 100, 500, 100, 500},
    {{"a time past today is tomorrow's"}, 100, 5, {0, 0, 600}, 36030, false, 0, 0, 0, 0, 5, 100, 500, 100, 500},
    {{"a stop time passed asleep ends it at wake-up"}, 1000, 0, {0, 0, 601}, 36000, false, 0, 0, 10500, 120,
     10, 1000, 10000, 1000, 11000},
};
// clang-format on

class PauseRule : public TableTest<::testing::Test, RunRow> {};
class TimingRule : public TableTest<::testing::Test, RunRow> {};

} // namespace

TEST_P(PauseRule, HoldsTheRunWhileItsWindowIsAway) {
    ExpectRun(GetParam());
}
INSTANTIATE_TEST_SUITE_P(Rows, PauseRule, ::testing::ValuesIn(PAUSE_ROWS), RowName());

TEST_P(TimingRule, EndsAtTheFirstOfCountDurationAndClockTime) {
    ExpectRun(GetParam());
}
INSTANTIATE_TEST_SUITE_P(Rows, TimingRule, ::testing::ValuesIn(TIMING_ROWS), RowName());
