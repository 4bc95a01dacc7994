// When the presses of a run go down and come up: absolute deadlines, back to back when the pause is
// as long as the period, each random period after the press it follows was due, no burst after a stall.
#include <vector>

#include <gtest/gtest.h>

#include "core/PressSchedule.h"

namespace {

constexpr Microseconds kMs = 1000;

struct Case {
    const char* name;
    std::vector<int> periodsMs; // the first is taken at start, each next one at a key-down
    int pauseMs;
    Microseconds lateBy;  // how long after its deadline every key-down is actually made
    Microseconds stallAt; // a key-down at or after this moment comes 1 s late (0: none)
    std::vector<Microseconds> expectedDowns;
};

// Drives the schedule as the run does: the key-up when it is due, then the next key-down when it is
// due and the key-up has been sent.
std::vector<Microseconds> KeyDowns(const Case& item) {
    CPressSchedule schedule;
    Microseconds now = 0;
    schedule.Start(now, CPressSchedule::PeriodOf(item.periodsMs[0]));
    std::vector<Microseconds> downs;
    for (std::size_t i = 1; i < item.periodsMs.size(); ++i) {
        now = std::max(schedule.NextKeyDown(), schedule.KeyUpDue()) + item.lateBy;
        if (item.stallAt != 0 && now >= item.stallAt && downs.size() == 2) {
            now += 1000 * kMs;
        }
        downs.push_back(now);
        schedule.KeyDown(now, item.pauseMs * kMs, CPressSchedule::PeriodOf(item.periodsMs[i]));
        EXPECT_GE(schedule.KeyUpDue(), now) << item.name;
        EXPECT_LE(schedule.KeyUpDue(), now + item.pauseMs * kMs) << item.name;
    }
    return downs;
}

} // namespace

TEST(PressSchedule, KeyDownsFallOnTheirDeadlines) {
    const Case cases[] = {
        {"fixed, one period apart", {10, 10, 10, 10}, 0, 0, 0, {10 * kMs, 20 * kMs, 30 * kMs}},
        {"a pause shorter than the period changes nothing",
         {10, 10, 10, 10},
         9,
         0,
         0,
         {10 * kMs, 20 * kMs, 30 * kMs}},
        {"lateness does not add up", {10, 10, 10, 10}, 0, 300, 0, {10300, 20300, 30300}},
        {"back to back when the pause is as long as the period",
         {10, 10, 10, 10},
         10,
         0,
         0,
         {10 * kMs, 20 * kMs, 30 * kMs}},
        {"back to back when the pause is longer", {10, 10, 10, 10}, 25, 0, 0, {10 * kMs, 35 * kMs, 60 * kMs}},
        {"back to back, late wake-ups do not add up", {10, 10, 10, 10}, 10, 300, 0, {10300, 20300, 30300}},
        {"each random period follows the press it was drawn at",
         {100, 250, 130, 100},
         0,
         0,
         0,
         {100 * kMs, 350 * kMs, 480 * kMs}},
        {"0 ms counts as 1 ms", {0, 0, 0, 0}, 0, 0, 0, {1 * kMs, 2 * kMs, 3 * kMs}},
        {"a stall moves the schedule on instead of a burst",
         {10, 10, 10, 10, 10},
         0,
         0,
         15 * kMs,
         {10 * kMs, 20 * kMs, 1030 * kMs, 1040 * kMs}},
    };
    for (const Case& item : cases) {
        EXPECT_EQ(KeyDowns(item), item.expectedDowns) << item.name;
    }
}
