#include "core/RunTiming.h"

#include <algorithm>

namespace {

constexpr int MAX_START_AFTER_SECONDS = 60;
constexpr int MINUTES_PER_DAY = 1440;

std::int64_t CeilSeconds(Microseconds span) {
    return span <= 0 ? 0 : (span + CRunTiming::SECOND - 1) / CRunTiming::SECOND;
}

} // namespace

Microseconds CRunTiming::Start(Microseconds now, const WallTime& wall, const RunTimingLimits& limits,
                               Microseconds period) {
    m_bActive = true;
    m_nStart = now;
    m_nStartAfter = std::clamp(limits.nStartAfterSeconds, 0, MAX_START_AFTER_SECONDS) * SECOND;
    const Microseconds firstPress = now + (m_nStartAfter > 0 ? m_nStartAfter : period);
    m_nDurationEnd = limits.nStopAfterSeconds > 0 && limits.nStopAfterSeconds < NEVER / SECOND / 2
                         ? firstPress - period + limits.nStopAfterSeconds * SECOND
                         : NEVER;
    m_nStopAtUtc = NO_STOP_AT;
    if (limits.nStopAtMinute >= 0 && limits.nStopAtMinute < MINUTES_PER_DAY) {
        const int nSecondOfDay = std::clamp(wall.nLocalSecondOfDay, 0, SECONDS_PER_DAY - 1);
        int nAhead = limits.nStopAtMinute * 60 - nSecondOfDay;
        if (nAhead <= 0) {
            nAhead += SECONDS_PER_DAY;
        }
        m_nStopAtUtc = wall.nUtcSeconds + nAhead;
    }
    return firstPress;
}

CRunTiming::Phase CRunTiming::At(Microseconds now, const WallTime& wall, bool pressDueByEnd) const {
    if (!m_bActive) {
        return Phase::Pressing;
    }
    if (wall.nUtcSeconds >= m_nStopAtUtc || (now >= m_nDurationEnd && !pressDueByEnd)) {
        return Phase::Over;
    }
    return now < m_nStart + m_nStartAfter ? Phase::CountingDown : Phase::Pressing;
}

Microseconds CRunTiming::NextCheck(Microseconds now) const {
    if (!Watches()) {
        return NEVER;
    }
    // On the run's own seconds, so the countdown shows each number for a whole second.
    const Microseconds elapsed = std::max<Microseconds>(now - m_nStart, 0);
    const Microseconds nextSecond = m_nStart + (elapsed / SECOND + 1) * SECOND;
    return std::min(nextSecond, m_nDurationEnd > now ? m_nDurationEnd : nextSecond);
}

int CRunTiming::SecondsToStart(Microseconds now) const {
    return static_cast<int>(CeilSeconds(m_nStart + m_nStartAfter - now));
}

std::int64_t CRunTiming::SecondsLeft(Microseconds now, const WallTime& wall) const {
    if (!m_bActive || !Limited()) {
        return -1;
    }
    std::int64_t nLeft =
        m_nStopAtUtc == NO_STOP_AT ? NO_STOP_AT : std::max<std::int64_t>(m_nStopAtUtc - wall.nUtcSeconds, 0);
    if (m_nDurationEnd != NEVER) {
        nLeft = std::min(nLeft, CeilSeconds(m_nDurationEnd - now));
    }
    return nLeft;
}
