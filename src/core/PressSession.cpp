#include "core/PressSession.h"

#include <algorithm>

#include "core/DelayCalculation.h"
#include "core/RandomDelay.h"

CPressSession::CPressSession(ITimers& timers, IRandomSource& random, IKeyboardInput& input,
                             IWindowQueries& windows, IRegistry& registry, IProcess& process,
                             const CAppSettings& settings)
    : m_timers(timers), m_random(random), m_windows(windows), m_settings(settings), m_pressSettings(settings),
      m_selectedWindow(m_pressSettings), m_keyJournal(registry, process),
      m_injector(input, windows, m_selectedWindow), m_powerPolicy(process) {
    m_injector.KeepJournalIn(m_keyJournal);
}

bool CPressSession::Start(const PressForm& form, std::optional<Microseconds> askedAt) {
    if (m_bRunning) {
        return false;
    }
    for (IPressCheck* check : m_checks) {
        std::wstring strReason;
        if (!check->MayStart(strReason)) {
            for (IPressSessionListener* listener : m_listeners) {
                listener->OnStartRefused(strReason);
            }
            return false;
        }
    }
    KillTimers();
    m_bRunning = true;
    m_nKeyedCount = 0;
    m_bCountPending = false;
    m_pressSettings.Watch();
    m_pressSettings.SetForm(form);
    const CPressSettings::Values& settings = m_pressSettings.Read();
    // The key-down/up time goes from the settings to the injector and the run, once per run.
    const int nKeyDelay = std::max(settings.nKeyDelay, 0);
    m_injector.SetKeyDelay(nKeyDelay);
    // A fixed delay is taken once, here; a random one is drawn anew for every period.
    m_nTimerId = settings.nEnableRandomDelay != 0 ? IDT_PRESS_RANDOM : IDT_PRESS_FIXED;
    const Microseconds now = m_timers.Now();
    const Microseconds period = CPressRun::PeriodOf(ComputeNextDelay());
    const RunTimingLimits limits = ReadRunTimingLimits(m_settings, m_nextRunLimits);
    m_nextRunLimits = {};
    // A countdown counts from the asking; without one the first press comes a period after the
    // run is set up.
    const Microseconds firstPress = m_runTiming.Start(
        limits.nStartAfterSeconds > 0 ? askedAt.value_or(now) : now, m_timers.WallClock(), limits, period);
    // A picked window is posted to wherever it is; only keys into the focused window follow the front.
    m_frontRule.Start(ReadOnlyWhileInFront(m_settings) && m_settings.GetSendKeysToActiveWindow() != 0);
    m_run.Start(firstPress - period, period, nKeyDelay * Microseconds{1000});
    m_powerPolicy.RunStarted();
    for (IPressSessionListener* listener : m_listeners) {
        listener->OnRunStarted();
    }
    if (m_runTiming.At(now, m_timers.WallClock(), true) == CRunTiming::Phase::CountingDown) {
        NotifyWaiting(RunWait::Countdown, m_runTiming.SecondsToStart(now));
    }
    // Said at once, not only at the first press, which may be a long delay away.
    MayPress();
    Follow(m_run.Next(now));
    return true;
}

void CPressSession::Stop(RunEnd why) {
    const bool bWasRunning = m_bRunning;
    m_bRunning = false;
    m_run.Stop();
    m_runTiming.Stop();
    KillTimers();
    m_injector.ReleaseHeldKeys();
    m_pressSettings.Forget();
    if (bWasRunning) {
        m_powerPolicy.RunEnded();
        ShowCount();
        for (IPressSessionListener* listener : m_listeners) {
            listener->OnRunStopped(why);
        }
    }
    if (m_nToldSecondsLeft >= 0) {
        m_nToldSecondsLeft = -1;
        for (IPressSessionListener* listener : m_listeners) {
            listener->OnTimeLeftChanged();
        }
    }
}

std::int64_t CPressSession::SecondsLeft() {
    return m_bRunning ? m_runTiming.SecondsLeft(m_timers.Now(), m_timers.WallClock()) : -1;
}

bool CPressSession::ToggleKeyPressing() {
    if (!m_bRunning) {
        return false;
    }
    Stop();
    return true;
}

bool CPressSession::OnTimer(std::uintptr_t id) {
    if (id != IDT_PRESS_FIXED && id != IDT_PRESS_RANDOM) {
        return false;
    }
    // The timer may come early (a window timer standing in for the deadline) or more than once:
    // only the clock says what is due.
    if (!m_bRunning) {
        return true;
    }
    CPressRun::Answer answer = m_run.Next(m_timers.Now());
    if (answer.action == CPressRun::Action::FinishPress) {
        m_injector.FinishPress();
        m_run.KeyUpSent();
        // Back to back, the next press may be due at once.
        answer = m_run.Next(m_timers.Now());
    }
    if (HoldForRunOptions(answer)) {
        return true;
    }
    if (answer.action != CPressRun::Action::Press) {
        Follow(answer);
        return true;
    }
    m_pressSettings.Read();
    if (MayPress()) {
        PressKeyOnce();
    } else {
        // A key-down that keeps nothing back moves the grid on without counting.
        Follow(m_run.KeyDown(m_timers.Now(), false));
    }
    return true;
}

bool CPressSession::MayPress() {
    for (IPressCheck* check : m_checks) {
        if (!check->MayPress()) {
            const std::wstring strReason = check->SkipReason();
            for (IPressSessionListener* listener : m_listeners) {
                listener->OnPressSkipped(m_nKeyedCount, strReason);
            }
            return false;
        }
    }
    return true;
}

void CPressSession::PressKeyOnce() {
    const CPressSettings::Values& settings = m_pressSettings.Latest();
    const PressForm& form = settings.form;
    const CPressRun::PressPlan plan =
        m_run.BeginPress(static_cast<std::uint32_t>(form.nKeysToPress), settings.nEnableRandomDelay != 0);
    m_nKeyedCount = plan.count;
    m_bCountPending = true;
    // The next period is measured from this press's due time, before the press and its pause.
    if (plan.drawPeriod) {
        m_run.SetPeriod(CPressRun::PeriodOf(ComputeNextDelay()));
    }

    m_injector.m_pressOptions = settings.options;
    const bool bPressed = !form.strKeyText.empty() &&
                          m_injector.PressCharacter(form.strKeyText, form.nModifierVk, form.bHoldKey,
                                                    settings.nUseOldKeyInputMethod != 0);
    if (!bPressed) {
        m_injector.PressKey(form.nModifierVk, form.nKeyVk & 0xFFFF, form.bHoldKey);
    }
    // While the input waits for another program's keyboard hook, messages sent to the window are
    // handled: one of them may have stopped the run halfway through this press, whose keys go up now.
    if (!m_bRunning) {
        m_injector.ReleaseHeldKeys();
        ShowCount();
        return;
    }
    // Read after the key-down has gone out: its key-up is timed from here.
    const Microseconds now = m_timers.Now();
    const CPressRun::Answer answer = m_run.KeyDown(now, m_injector.HasUnfinishedPress());
    if (m_nKeyedCount == 1 || plan.last || now - m_nCountShownAt >= STATUS_REFRESH) {
        ShowCount();
        m_nCountShownAt = now;
    }
    // The last press that kept nothing back ends the run here; one that did, once its key-up is out.
    Follow(answer);
}

int CPressSession::ComputeNextDelay() {
    const CPressSettings::Values& settings = m_pressSettings.Latest();
    // Summed exactly and held within range once, as a whole: a negative part still subtracts.
    const std::int64_t nBase = CDelayCalculation::Sum(
        settings.form.nDelayMinutes, settings.form.nDelaySeconds, settings.form.nDelayMilliseconds);
    if (settings.nEnableRandomDelay == 0) {
        return CDelayCalculation::Clamp(nBase);
    }
    const int nRange = CDelayCalculation::ToMilliseconds(settings.nRandomMins, settings.nRandomSeconds,
                                                         settings.nRandomMilliSeconds);
    return CDelayCalculation::Clamp(nBase + CRandomDelay(m_random).Draw(0, nRange));
}

void CPressSession::ReleaseKeysOfEndedInstances() {
    m_injector.ReleaseKeyUps(m_keyJournal.TakeKeyUpsOfEndedProcesses());
}

void CPressSession::Follow(const CPressRun::Answer& answer) {
    if (answer.action == CPressRun::Action::Stop) {
        Stop(RunEnd::CountReached);
    } else {
        m_timers.SetDeadline(m_hTimerWindow, m_nTimerId,
                             std::min(answer.deadline, m_runTiming.NextCheck(m_timers.Now())));
    }
}

bool CPressSession::HoldForRunOptions(const CPressRun::Answer& answer) {
    const Microseconds now = m_timers.Now();
    const WallTime wall = m_timers.WallClock();
    // A key-up still to come goes out before the run ends, and so does a press due by the run's end.
    const bool bPressDueByEnd = m_injector.HasUnfinishedPress() ||
                                m_run.Next(m_runTiming.DurationEnd()).action == CPressRun::Action::Press;
    const CRunTiming::Phase phase = m_runTiming.At(now, wall, bPressDueByEnd);
    if (phase == CRunTiming::Phase::Over) {
        Stop(RunEnd::TimeUp);
        return true;
    }
    if (m_runTiming.Watches() && m_runTiming.SecondsLeft(now, wall) != m_nToldSecondsLeft) {
        m_nToldSecondsLeft = m_runTiming.SecondsLeft(now, wall);
        for (IPressSessionListener* listener : m_listeners) {
            listener->OnTimeLeftChanged();
        }
    }
    if (phase == CRunTiming::Phase::CountingDown) {
        NotifyWaiting(RunWait::Countdown, m_runTiming.SecondsToStart(now));
        Follow(answer);
        return true;
    }
    if (answer.action == CPressRun::Action::Press && m_frontRule.Watches() &&
        !m_frontRule.MayPress(m_windows.GetForegroundWindow())) {
        NotifyWaiting(RunWait::NotInFront, 0);
        // The count shows again at the first press after the pause.
        m_nCountShownAt = now - STATUS_REFRESH;
        Follow(CPressRun::Answer{CPressRun::Action::Wait, now + CFrontWindowRule::POLL_INTERVAL});
        return true;
    }
    return false;
}

void CPressSession::NotifyWaiting(RunWait why, int seconds) {
    for (IPressSessionListener* listener : m_listeners) {
        listener->OnRunWaiting(why, seconds);
    }
}

void CPressSession::KillTimers() {
    m_timers.KillTimer(m_hTimerWindow, IDT_PRESS_FIXED);
    m_timers.KillTimer(m_hTimerWindow, IDT_PRESS_RANDOM);
}

void CPressSession::ShowCount() {
    if (!m_bCountPending) {
        return;
    }
    m_bCountPending = false;
    for (IPressSessionListener* listener : m_listeners) {
        listener->OnKeyedCount(m_nKeyedCount);
    }
}
