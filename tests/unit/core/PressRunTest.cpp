// A run of presses driven as its owner drives it: woken at each deadline (late by a set amount), it
// sends what the run says is due. Rows give the clock's behaviour, the options and whether each press
// keeps its key-up back; they expect the key-downs, and every press that keeps a key-up back is held
// at least its pause.
#include <vector>

#include <gtest/gtest.h>

#include "core/PressRun.h"
#include "unit/TableRows.h"

namespace {

constexpr Microseconds MS = 1000;

struct RunRow : NamedRow {
    int periodMs;
    std::vector<int> drawnMs; // periods drawn at each press of a random run; empty: a fixed delay
    int pauseMs;
    bool keyUpKeptBack;
    std::uint32_t keysToPress; // 0: the run is cut off after the expected key-downs
    Microseconds lateBy;       // every wake-up comes this long after its deadline
    Microseconds pressCost;    // the clock moves on this much while a key-down goes out
    Microseconds stallBy;      // the third key-down comes this much later still
    std::vector<Microseconds> expectedDowns;
    Microseconds expectedEnd; // when the run said Stop (0: it was cut off)
};

struct Outcome {
    std::vector<Microseconds> downs;
    std::vector<Microseconds> ups;
    Microseconds end = 0;
};

Outcome Drive(const RunRow& row) {
    CPressRun run;
    Microseconds now = 0;
    run.Start(now, CPressRun::PeriodOf(row.periodMs), row.pauseMs * MS);
    CPressRun::Answer answer = run.Next(now);
    Outcome outcome;
    std::size_t drawn = 0;
    while (answer.action != CPressRun::Action::Stop && outcome.downs.size() < row.expectedDowns.size() + 1) {
        EXPECT_EQ(answer.action, CPressRun::Action::Wait) << row.name;
        now = std::max(now, answer.deadline) + row.lateBy;
        answer = run.Next(now);
        if (answer.action == CPressRun::Action::FinishPress) {
            outcome.ups.push_back(now);
            run.KeyUpSent();
            answer = run.Next(now);
        }
        if (answer.action == CPressRun::Action::Press) {
            const CPressRun::PressPlan plan = run.BeginPress(row.keysToPress, !row.drawnMs.empty());
            EXPECT_EQ(plan.count, outcome.downs.size() + 1) << row.name;
            if (plan.drawPeriod) {
                run.SetPeriod(CPressRun::PeriodOf(row.drawnMs.at(drawn++)));
            }
            now += row.pressCost;
            if (outcome.downs.size() == 2) {
                now += row.stallBy;
            }
            outcome.downs.push_back(now);
            answer = run.KeyDown(now, row.keyUpKeptBack);
        }
    }
    if (answer.action == CPressRun::Action::Stop) {
        outcome.end = now;
    } else {
        outcome.downs.pop_back();
    }
    return outcome;
}

using PressRunRows = TableTest<::testing::Test, RunRow>;

} // namespace

TEST_P(PressRunRows, PressesFallOnTheirDeadlinesAndKeysStayDownTheirPause) {
    const RunRow& row = GetParam();

    const Outcome outcome = Drive(row);

    EXPECT_EQ(outcome.downs, row.expectedDowns);
    EXPECT_EQ(outcome.end, row.expectedEnd);
    if (!row.keyUpKeptBack) {
        EXPECT_TRUE(outcome.ups.empty());
        return;
    }
    const Microseconds absorbed = row.pauseMs >= std::max(row.periodMs, 1) && row.drawnMs.empty()
                                      ? row.pauseMs * MS / CPressRun::BACK_TO_BACK_PAUSE_ABSORBED_DIVISOR
                                      : 0;
    for (std::size_t i = 0; i < outcome.ups.size() && i < outcome.downs.size(); ++i) {
        EXPECT_GE(outcome.ups[i] - outcome.downs[i], row.pauseMs * MS - absorbed) << "press " << i + 1;
        if (i + 1 < outcome.downs.size()) {
            EXPECT_LE(outcome.ups[i], outcome.downs[i + 1]) << "press " << i + 1 << " came up after the next";
        }
    }
}

// clang-format off
const RunRow RUN_ROWS[] = {
    {"a pause shorter than the period changes nothing", 10, {}, 9, true, 0, 0, 0, 0, {10 * MS, 20 * MS, 30 * MS}, 0},
    {"lateness does not add up", 10, {}, 0, false, 0, 300, 0, 0, {10300, 20300, 30300}, 0},
    {"back to back when the pause is as long as the period", 10, {}, 10, true, 0, 0, 0, 0, {10 * MS, 20 * MS, 30 * MS}, 0},
    {"back to back when the pause is longer", 10, {}, 25, true, 0, 0, 0, 0, {10 * MS, 35 * MS, 60 * MS}, 0},
    {"back to back, late wake-ups up to a quarter of the pause do not add up", 10, {}, 10, true, 0, 2400, 0, 0, {12400, 22400, 32400}, 0},
    {"back to back, lateness past a quarter of the pause stretches each period by the rest", 10, {}, 10, true, 0, 3000, 0, 0, {13000, 23500, 34000}, 0},
    {"a key-down that goes out late is held its whole pause", 20, {}, 5, true, 0, 0, 3 * MS, 0, {23 * MS, 43 * MS, 63 * MS}, 0},
    {"each random period follows the press it was drawn at", 100, {250, 130, 100, 100}, 0, false, 0, 0, 0, 0, {100 * MS, 350 * MS, 480 * MS}, 0},
    {"a long stall moves the grid on instead of a burst", 10, {}, 0, false, 0, 0, 0, 1000 * MS, {10 * MS, 20 * MS, 1030 * MS, 1040 * MS}, 0},
    {"a stall just past the limit and four periods moves the grid with one late press", 10, {}, 0, false, 0, 0, 0, 251 * MS, {10 * MS, 20 * MS, 281 * MS, 291 * MS}, 0},
    {"presses held up less than the limit catch up one by one", 2, {}, 0, false, 0, 0, 0, 5 * MS, {2 * MS, 4 * MS, 11 * MS, 11 * MS, 11 * MS, 12 * MS}, 0},
    {"a stall of a few periods on a busy machine is caught up, not added", 10, {}, 0, false, 0, 0, 0, 35 * MS, {10 * MS, 20 * MS, 65 * MS, 65 * MS, 65 * MS, 65 * MS, 70 * MS}, 0},
    {"a stall past the limit but within four periods is caught up", 100, {}, 0, false, 0, 0, 0, 300 * MS, {100 * MS, 200 * MS, 600 * MS, 600 * MS, 600 * MS, 600 * MS, 700 * MS}, 0},
    {"presses that outlast their period each wait their turn", 1, {}, 0, false, 0, 0, 6 * MS, 0, {7 * MS, 13 * MS, 19 * MS, 25 * MS}, 0},
    {"the count ends the run once the last key-up is out", 10, {}, 4, true, 3, 0, 0, 0, {10 * MS, 20 * MS, 30 * MS}, 34 * MS},
    {"no period is drawn after the last press", 100, {250}, 0, false, 2, 0, 0, 0, {100 * MS, 350 * MS}, 350 * MS},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, PressRunRows, ::testing::ValuesIn(RUN_ROWS), RowName());
