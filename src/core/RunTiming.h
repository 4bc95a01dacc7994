#pragma once
// When a run may press and when it is over, besides its count: a countdown before the first press,
// a time it may last (on the monotonic clock, so a held-up process counts it) and a time of day it
// ends at (on the wall clock, so one that passed while the machine slept ends the run at wake-up).
// Whichever of count, duration and time of day comes first ends the run.
#include <cstdint>
#include <limits>

#include "ports/ITimers.h"

struct RunTimingLimits {
    int nStartAfterSeconds = 0;         // the countdown before the first press
    std::int64_t nStopAfterSeconds = 0; // 0: no limit
    int nStopAtMinute = -1;             // minute of the local day, 0 to 1439; -1: no limit
};

class CRunTiming {
public:
    static constexpr Microseconds NEVER = std::numeric_limits<Microseconds>::max();
    static constexpr Microseconds SECOND = 1000000;
    static constexpr int SECONDS_PER_DAY = 86400;

    enum class Phase {
        CountingDown, // no press yet
        Pressing,
        Over,
    };

    // A run asked for at now, pressing every period; answers when its first press is due: after the
    // countdown, or one period after the start without one. Its time is counted from one period
    // before that press, so that a run of 3 s at 100 ms makes 30 presses with or without a countdown.
    // A time of day is the next one to come: a run started at 22:00 to stop at 06:00 stops the next
    // morning, one started at 06:00 exactly a day later.
    Microseconds Start(Microseconds now, const WallTime& wall, const RunTimingLimits& limits,
                       Microseconds period);
    void Stop() { m_bActive = false; }
    // pressDueByEnd: a press fell due by the end of the run's time; it is still made, so a run of
    // 3 s at 100 ms makes 30 presses, as one of 30 presses would.
    Phase At(Microseconds now, const WallTime& wall, bool pressDueByEnd) const;
    // The end of the run's time on the monotonic clock, NEVER without a duration.
    Microseconds DurationEnd() const { return m_nDurationEnd; }
    // When to look again, besides the presses: at the end of the duration and, while there is a
    // countdown or a time left to show or a time of day to watch, every whole second of the run.
    Microseconds NextCheck(Microseconds now) const;
    // Whole seconds to the first press, rounded up.
    int SecondsToStart(Microseconds now) const;
    // Whole seconds until the earlier of the two ends, rounded up; -1 with neither.
    std::int64_t SecondsLeft(Microseconds now, const WallTime& wall) const;
    bool Watches() const { return m_bActive && (m_nStartAfter > 0 || Limited()); }

private:
    bool Limited() const { return m_nDurationEnd != NEVER || m_nStopAtUtc != NO_STOP_AT; }

    static constexpr std::int64_t NO_STOP_AT = std::numeric_limits<std::int64_t>::max();

    bool m_bActive = false;
    Microseconds m_nStart = 0;
    Microseconds m_nStartAfter = 0;
    Microseconds m_nDurationEnd = NEVER;
    std::int64_t m_nStopAtUtc = NO_STOP_AT;
};
