#pragma once
// When the parts of a run fall due, on a monotonic clock. The key-down of each press comes one
// period after the one before it was due, so error never adds up; its key-up comes a pause after it
// went down; a press never goes down before the one before it has come up, so with a pause as long as
// the period presses run back to back. A press more than a whole period late (the system was
// suspended, say) moves the schedule on rather than making up for it in a burst.
#include <cstdint>

#include "ports/ITimers.h"

class CPressSchedule {
public:
    // The shortest period honoured: a delay of 0 counts as one millisecond.
    static constexpr Microseconds MIN_PERIOD = 1000;

    static Microseconds PeriodOf(int milliseconds);

    // A run starting at now: its first press goes down one period later.
    void Start(Microseconds now, Microseconds period);
    Microseconds NextKeyDown() const { return m_nNextKeyDown; }
    Microseconds KeyUpDue() const { return m_nKeyUpDue; }

    // The press due now goes down at now, and comes up pause after it was due (at the latest now); the
    // press after it is due period after this one was.
    void KeyDown(Microseconds now, Microseconds pause, Microseconds period);

private:
    Microseconds m_nNextKeyDown = 0;
    Microseconds m_nKeyUpDue = 0;
    Microseconds m_nPeriod = MIN_PERIOD;
};
