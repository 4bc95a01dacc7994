// The pressing run: started and stopped by the buttons or the shortcut, one press per timer tick.
#include "ui/PellorDlg.h"

#include "core/DelayCalculation.h"
#include "core/RandomDelay.h"
#include "ports/Win32Constants.h"
#include "resource.h"

namespace {

constexpr wchar_t NO_KEY_SELECTED[] =
    L"Please Select the Keyboard Key to be Pressed.\n\nAlternatively you can also use a Keyboard Shortcut "
    L"Key "
    L"combination to start or stop the Auto Key Presssing using the Assign Button.";

} // namespace

void CPellorDlg::OnStartKeyPressing() {
    // A message box and the target selector run message loops of their own, which go on delivering
    // the shortcut, the tray menu and the close box: after each, carry on only if the window is still
    // there and the run is in the state this start left it in (m_hWnd is 0 once it is destroyed).
    RefreshKeyLists();
    if (m_cbKey.GetCurSel() < 0) {
        MessageBox(NO_KEY_SELECTED, L"", MB_OK | MB_ICONINFORMATION);
        if (m_hWnd != 0) {
            m_cbKey.SetFocus();
        }
        return;
    }
    if (!EnsureTargetWindow() || m_hWnd == 0 || m_bRunning) {
        return;
    }

    m_bRunning = true;
    EnableDlgItem(IDC_START_KEYPRESSING, false);
    EnableDlgItem(IDC_STOP_KEYPRESSING, true);
    EnableDlgItem(IDC_RANDOM_DELAY, false);

    // A field out of range has been reported; the run goes on with the members as they now stand.
    UpdateData(SAVE_AND_VALIDATE);
    if (m_hWnd == 0 || !m_bRunning) {
        return;
    }

    KillRunTimers();
    m_keyInjector.SetKeyDelay(m_settings.GetTimeDelayBetweenKeyDownAndKeyUp());
    m_nKeyedCount = 0;
    m_pressSettings.Watch();
    m_pressSettings.Read();
    OnRunStarting();
    // A fixed delay is taken once, here; a random one is drawn anew for every period.
    m_nRunTimerId = m_settings.GetEnableRandomDelay() != 0 ? IDT_PRESS_RANDOM : IDT_PRESS_FIXED;
    const Microseconds now = m_platform.timers.Now();
    m_run.Start(now, CPressRun::PeriodOf(ComputeNextDelay()),
                m_keyInjector.GetKeyDelay() * Microseconds{1000});
    FollowRun(m_run.Next(now));
}

void CPellorDlg::OnStopKeyPressing() {
    m_bRunning = false;
    m_run.Stop();
    ShowStatus();
    EnableDlgItem(IDC_START_KEYPRESSING, true);
    EnableDlgItem(IDC_STOP_KEYPRESSING, false);
    EnableDlgItem(IDC_RANDOM_DELAY, true);
    KillRunTimers();
    m_keyInjector.ReleaseHeldKeys();
    m_pressSettings.Forget();
    OnRunEnded();
}

void CPellorDlg::ToggleKeyPressing(std::uint32_t id) {
    if (id != START_STOP_HOTKEY_ID) {
        return;
    }
    if (m_bRunning) {
        OnStopKeyPressing();
    } else {
        OnStartKeyPressing();
    }
}

bool CPellorDlg::OnTimerMessage(WParam wParam, LParam, LResult*) {
    OnTimer(static_cast<std::uintptr_t>(wParam));
    return false;
}

void CPellorDlg::OnTimer(std::uintptr_t id) {
    if (id == IDT_PRESS_FIXED || id == IDT_PRESS_RANDOM) {
        OnRunDeadline();
    }
    OnScreenshotTimer(id);
    OnTrayAddTimer(id);
}

void CPellorDlg::OnRunDeadline() {
    // The timer may come early (a window timer standing in for the deadline) or more than once:
    // only the clock says what is due.
    if (!m_bRunning) {
        return;
    }
    CPressRun::Answer answer = m_run.Next(m_platform.timers.Now());
    if (answer.action == CPressRun::Action::FinishPress) {
        m_keyInjector.FinishPress();
        m_run.KeyUpSent();
        // Back to back, the next press may be due at once.
        answer = m_run.Next(m_platform.timers.Now());
    }
    if (answer.action == CPressRun::Action::Press) {
        PressKeyOnce();
    } else {
        FollowRun(answer);
    }
}

void CPellorDlg::PressKeyOnce() {
    const CPressSettings::Values& settings = m_pressSettings.Read();
    if (SkipPressRefusedByTarget(settings.options.bSendToActiveWindow)) {
        return;
    }
    const CPressRun::PressPlan plan =
        m_run.BeginPress(static_cast<std::uint32_t>(m_nKeysToPress), settings.nEnableRandomDelay != 0);
    m_nKeyedCount = plan.count;
    // The next period is measured from this press's due time, before the press and its pause.
    if (plan.drawPeriod) {
        RestartRandomDelayTimer();
    }

    m_keyInjector.m_pressOptions = settings.options;
    const bool bUseOldMethod = settings.nUseOldKeyInputMethod != 0;

    bool bPressed = false;
    const int nIndex = m_cbKey.GetCurSel();
    if (nIndex >= 0) {
        const std::wstring strKey = m_cbKey.GetLBText(nIndex);
        bPressed = m_keyInjector.PressCharacter(strKey, m_nModifierVk, m_bHoldKey != 0, bUseOldMethod);
    }
    if (!bPressed) {
        m_keyInjector.PressKey(m_nModifierVk, m_nKeyVk & 0xFFFF, m_bHoldKey != 0);
    }
    m_strStatus = L"Keyed " + std::to_wstring(m_nKeyedCount) + L" Times";
    m_bStatusPending = true;
    // While the input waits for another program's keyboard hook, messages sent to this window are
    // handled: one of them may have stopped the run halfway through this press, whose keys go up now.
    if (!m_bRunning) {
        m_keyInjector.ReleaseHeldKeys();
        ShowStatus();
        return;
    }
    // Read after the key-down has gone out: its key-up is timed from here.
    const Microseconds now = m_platform.timers.Now();
    const CPressRun::Answer answer = m_run.KeyDown(now, m_keyInjector.HasUnfinishedPress());

    // Drawn for every press, the status would cost a repaint each time, faster than anyone reads it:
    // the first and the last count of a run always show, those between at most every STATUS_REFRESH.
    if (m_nKeyedCount == 1 || plan.last || now - m_nStatusShownAt >= STATUS_REFRESH) {
        ShowStatus();
        m_nStatusShownAt = now;
    }
    // The last press that kept nothing back ends the run here; one that did, once its key-up is out.
    FollowRun(answer);
}

void CPellorDlg::ShowStatus() {
    if (m_bStatusPending) {
        m_stStatus.SetWindowText(m_strStatus);
        m_bStatusPending = false;
    }
}

int CPellorDlg::ComputeNextDelay() {
    // Summed exactly and held within range once, as a whole: a negative part still subtracts.
    const std::int64_t nBase = CDelayCalculation::Sum(m_nDelayMinutes, m_nDelaySeconds, m_nDelayMilliseconds);
    // Read at the start of the run and at every press, just before this.
    const CPressSettings::Values& settings = m_pressSettings.Latest();
    if (settings.nEnableRandomDelay == 0) {
        return CDelayCalculation::Clamp(nBase);
    }
    const int nRange = CDelayCalculation::ToMilliseconds(settings.nRandomMins, settings.nRandomSeconds,
                                                         settings.nRandomMilliSeconds);
    return CDelayCalculation::Clamp(nBase + DrawRandomExtraDelay(0, nRange));
}

int CPellorDlg::DrawRandomExtraDelay(int low, int high) {
    return CRandomDelay(m_platform.random).Draw(low, high);
}

void CPellorDlg::RestartRandomDelayTimer() {
    m_run.SetPeriod(CPressRun::PeriodOf(ComputeNextDelay()));
}

bool CPellorDlg::EnsureTargetWindow() {
    if (m_settings.GetSendKeysToActiveWindow() != 0) {
        return true;
    }
    if (m_windows.IsWindow(m_settings.GetSeekedWindow())) {
        return true;
    }
    // Only the handle counts here: a switch to the active window made in the selector takes effect
    // at the next start.
    OnTarget();
    return m_windows.IsWindow(m_settings.GetSeekedWindow());
}

void CPellorDlg::EnableDlgItem(int id, bool enable) {
    m_dialogs.EnableWindow(GetDlgItem(id), enable);
}

void CPellorDlg::FollowRun(const CPressRun::Answer& answer) {
    if (answer.action == CPressRun::Action::Stop) {
        OnStopKeyPressing();
    } else {
        m_platform.timers.SetDeadline(m_hWnd, m_nRunTimerId, answer.deadline);
    }
}

void CPellorDlg::KillRunTimers() {
    m_platform.timers.KillTimer(m_hWnd, IDT_PRESS_FIXED);
    m_platform.timers.KillTimer(m_hWnd, IDT_PRESS_RANDOM);
}

void CPellorDlg::ReleaseKeysAtExit() {
    m_keyInjector.ReleaseHeldKeys();
}

void CPellorDlg::OnMessageException(std::uint32_t message, const std::string& strWhat) {
    // The keys first: the rest of the stop touches windows, which may fail again.
    m_keyInjector.ReleaseHeldKeys();
    if (m_bRunning) {
        OnStopKeyPressing();
    }
    CDialog::OnMessageException(message, strWhat);
}

void CPellorDlg::ReleaseKeysOfEndedInstances() {
    m_keyInjector.ReleaseKeyUps(m_keyJournal.TakeKeyUpsOfEndedProcesses());
}

void CPellorDlg::EndRunWithWindow() {
    if (!m_bRunning) {
        return;
    }
    m_bRunning = false;
    m_run.Stop();
    KillRunTimers();
    m_keyInjector.ReleaseHeldKeys();
    m_pressSettings.Forget();
    OnRunEnded();
}
