#include "core/PressSchedule.h"

#include <algorithm>

Microseconds CPressSchedule::PeriodOf(int milliseconds) {
    return std::max<Microseconds>(static_cast<Microseconds>(milliseconds) * 1000, MIN_PERIOD);
}

void CPressSchedule::Start(Microseconds now, Microseconds period) {
    m_nPeriod = std::max(period, MIN_PERIOD);
    m_nNextKeyDown = now + m_nPeriod;
    m_nKeyUpDue = now;
}

void CPressSchedule::KeyDown(Microseconds now, Microseconds pause, Microseconds period) {
    // Due one period after the press before, or when that one came up if it took longer.
    Microseconds due = std::max(m_nNextKeyDown, m_nKeyUpDue);
    if (now - due >= m_nPeriod) {
        due = now;
    }
    // The key-up keeps to the schedule too: a key-down that came a little late is held that much less,
    // so that back-to-back presses do not add up the lateness of every wake-up.
    m_nKeyUpDue = std::max(due + std::max<Microseconds>(pause, 0), now);
    m_nPeriod = std::max(period, MIN_PERIOD);
    m_nNextKeyDown = due + m_nPeriod;
}
