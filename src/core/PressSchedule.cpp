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
    Microseconds due = m_nNextKeyDown;
    if (now - due >= m_nPeriod) {
        due = now;
    }
    m_nKeyUpDue = now + std::max<Microseconds>(pause, 0);
    m_nPeriod = std::max(period, MIN_PERIOD);
    m_nNextKeyDown = due + m_nPeriod;
}
