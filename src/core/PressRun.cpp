#include "core/PressRun.h"

#include <algorithm>

Microseconds CPressRun::PeriodOf(int milliseconds) {
    return std::max<Microseconds>(static_cast<Microseconds>(milliseconds) * 1000, MIN_PERIOD);
}

void CPressRun::Start(Microseconds now, Microseconds period, Microseconds pause) {
    m_bRunning = true;
    m_nCount = 0;
    m_bLastPressMade = false;
    m_bKeyUpPending = false;
    m_nPause = std::max<Microseconds>(pause, 0);
    m_nPeriod = std::max(period, MIN_PERIOD);
    m_nNextKeyDown = now + m_nPeriod;
    m_nKeyUpDue = now;
}

CPressRun::Answer CPressRun::Next(Microseconds now) const {
    if (m_bKeyUpPending) {
        return now >= m_nKeyUpDue ? Answer{Action::FinishPress, now} : Answer{Action::Wait, m_nKeyUpDue};
    }
    if (!m_bRunning || m_bLastPressMade) {
        return Answer{Action::Stop, now};
    }
    return now >= m_nNextKeyDown ? Answer{Action::Press, now} : Answer{Action::Wait, m_nNextKeyDown};
}

CPressRun::PressPlan CPressRun::BeginPress(std::uint32_t keysToPress, bool randomDelay) {
    ++m_nCount;
    m_bLastPressMade = keysToPress != 0 && m_nCount >= keysToPress;
    return PressPlan{m_nCount, m_bLastPressMade, randomDelay && !m_bLastPressMade};
}

void CPressRun::SetPeriod(Microseconds period) {
    m_nPeriod = std::max(period, MIN_PERIOD);
}

CPressRun::Answer CPressRun::KeyDown(Microseconds now, bool keyUpKeptBack) {
    Microseconds due = m_nNextKeyDown;
    const bool bBackToBack = m_nPause >= m_nPeriod;
    if (bBackToBack ? now - due >= std::max(m_nPeriod, BACK_TO_BACK_CATCH_UP_LIMIT)
                    : now - due > std::max(m_nPeriod * CATCH_UP_PERIODS, CATCH_UP_LIMIT)) {
        due = now;
    }
    m_nNextKeyDown = due + m_nPeriod;
    m_bKeyUpPending = keyUpKeptBack;
    // The next key-down waits for this key-up, but keeps its place on the grid: when the pause fills
    // the period, a key-up that came a little late does not put off every press after it.
    const Microseconds absorbed = m_nPause >= m_nPeriod ? m_nPause / BACK_TO_BACK_PAUSE_ABSORBED_DIVISOR : 0;
    m_nKeyUpDue = std::max(due + m_nPause, now + m_nPause - absorbed);
    const Answer answer = Next(now);
    return answer.action == Action::Press ? Answer{Action::Wait, m_nNextKeyDown} : answer;
}

void CPressRun::KeyUpSent() {
    m_bKeyUpPending = false;
}
