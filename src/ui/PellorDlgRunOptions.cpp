// The run options: a countdown before the first press, a time the run may last, a clock time it ends
// at, and a run into the focused window that waits while its window is not in front.
#include <memory>

#include "ui/DlgRunOptions.h"
#include "ui/PellorDlg.h"
#include "ui/TrayTipText.h"

namespace {

constexpr wchar_t PAUSED_STATUS[] = L"Paused: the target is not in front";

} // namespace

void CPellorDlg::OnRunOptions() {
    auto pDlg = std::make_unique<CDlgRunOptions>(this, m_platform.windows, m_settings);
    pDlg->DoModal();
}

Microseconds CPellorDlg::StartRunOptions(Microseconds clicked, Microseconds now, Microseconds period) {
    const RunTimingLimits limits = ReadRunTimingLimits(m_settings, m_runLimitSwitches);
    // A countdown counts from the click; without one the first press comes a period after the run is
    // set up, as it always has.
    const Microseconds firstPress = m_runTiming.Start(limits.nStartAfterSeconds > 0 ? clicked : now,
                                                      m_platform.timers.WallClock(), limits, period);
    m_runLimitSwitches = {};
    m_nTipSecondsLeft = -1;
    // A picked window is posted to wherever it is; only keys into the focused window follow the front.
    m_frontRule.Start(ReadOnlyWhileInFront(m_settings) && m_settings.GetSendKeysToActiveWindow() != 0);
    if (m_runTiming.At(now, m_platform.timers.WallClock(), true) == CRunTiming::Phase::CountingDown) {
        ShowCountdown(now);
    }
    return firstPress;
}

void CPellorDlg::StopRunOptions() {
    m_runTiming.Stop();
    if (m_nTipSecondsLeft >= 0) {
        m_nTipSecondsLeft = -1;
        UpdateTrayTip();
    }
}

void CPellorDlg::ShowCountdown(Microseconds now) {
    m_strStatus = L"Starting in " + std::to_wstring(m_runTiming.SecondsToStart(now)) + L" s";
    m_bStatusPending = true;
    ShowStatus();
}

bool CPellorDlg::RunOptionsHold(const CPressRun::Answer& answer) {
    const Microseconds now = m_platform.timers.Now();
    const WallTime wall = m_platform.timers.WallClock();
    // A key-up still to come goes out before the run ends, and so does a press due by the run's end.
    const bool bPressDueByEnd = m_keyInjector.HasUnfinishedPress() ||
                                m_run.Next(m_runTiming.DurationEnd()).action == CPressRun::Action::Press;
    const CRunTiming::Phase phase = m_runTiming.At(now, wall, bPressDueByEnd);
    if (phase == CRunTiming::Phase::Over) {
        OnStopKeyPressing();
        return true;
    }
    if (m_runTiming.Watches() && m_runTiming.SecondsLeft(now, wall) != m_nTipSecondsLeft) {
        m_nTipSecondsLeft = m_runTiming.SecondsLeft(now, wall);
        UpdateTrayTip();
    }
    if (phase == CRunTiming::Phase::CountingDown) {
        ShowCountdown(now);
        FollowRun(answer);
        return true;
    }
    if (answer.action == CPressRun::Action::Press && !m_frontRule.MayPress(m_windows.GetForegroundWindow())) {
        if (m_strStatus != PAUSED_STATUS) {
            m_strStatus = PAUSED_STATUS;
            m_bStatusPending = true;
            ShowStatus();
        }
        // The count shows again at the first press after the pause.
        m_nStatusShownAt = now - STATUS_REFRESH;
        FollowRun(CPressRun::Answer{CPressRun::Action::Wait, now + CFrontWindowRule::POLL_INTERVAL});
        return true;
    }
    return false;
}

std::wstring CPellorDlg::RunStateTip() {
    const std::int64_t nSecondsLeft =
        m_bRunning ? m_runTiming.SecondsLeft(m_platform.timers.Now(), m_platform.timers.WallClock()) : -1;
    return nSecondsLeft >= 0 ? FormatRunTimeLeft(m_nKeyedCount, nSecondsLeft) : std::wstring();
}
