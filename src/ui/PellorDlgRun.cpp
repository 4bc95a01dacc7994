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
    RefreshKeyLists();
    if (m_cbKey.GetCurSel() < 0) {
        MessageBox(NO_KEY_SELECTED, L"", MB_OK | MB_ICONINFORMATION);
        m_cbKey.SetFocus();
        return;
    }
    if (!EnsureTargetWindow()) {
        return;
    }

    m_bRunning = true;
    EnableDlgItem(IDC_START_KEYPRESSING, false);
    EnableDlgItem(IDC_STOP_KEYPRESSING, true);
    EnableDlgItem(IDC_RANDOM_DELAY, false);

    // A field out of range has been reported; the run goes on with the members as they now stand.
    UpdateData(kSaveAndValidate);

    KillRunTimers();
    m_keyInjector.SetKeyDelay(m_settings.GetTimeDelayBetweenKeyDownAndKeyUp());
    m_nKeyedCount = 0;
    if (m_settings.GetEnableRandomDelay() != 0) {
        RestartRandomDelayTimer();
    } else {
        ArmRunTimer(IDT_PRESS_FIXED, ComputeNextDelay());
    }
}

void CPellorDlg::OnStopKeyPressing() {
    m_bRunning = false;
    EnableDlgItem(IDC_START_KEYPRESSING, true);
    EnableDlgItem(IDC_STOP_KEYPRESSING, false);
    EnableDlgItem(IDC_RANDOM_DELAY, true);
    KillRunTimers();
    m_keyInjector.ReleaseHeldKeys();
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
        PressKeyOnce();
    }
    OnScreenshotTimer(id);
}

void CPellorDlg::PressKeyOnce() {
    ++m_nKeyedCount;
    const bool bCountReached =
        m_nKeysToPress != 0 && m_nKeyedCount >= static_cast<std::uint32_t>(m_nKeysToPress);
    // The next period is measured from here, before the press and its pause.
    if (!bCountReached && m_settings.GetEnableRandomDelay() != 0) {
        RestartRandomDelayTimer();
    }

    std::wstring strTargetClass;
    m_settings.GetTargetWindowClass(strTargetClass);
    m_keyInjector.SetTargetWindowClass(strTargetClass);
    std::wstring strTargetName = strTargetClass;
    m_settings.GetTargetWindowName(strTargetName);
    m_keyInjector.SetTargetWindowName(strTargetName);
    m_keyInjector.SetSendToActiveWindow(m_settings.GetSendKeysToActiveWindow() != 0);
    m_keyInjector.SetSendToFirstEdit(m_settings.GetSendKeysToFirstEditOfSelectedWindow() != 0);
    m_keyInjector.m_bSendChars = m_settings.GetSendChars() != 0;
    m_keyInjector.m_bSendKeyUps = m_settings.GetSendKeyUps() != 0;

    bool bPressed = false;
    const int nIndex = m_cbKey.GetCurSel();
    if (nIndex >= 0) {
        const std::wstring strKey = m_cbKey.GetLBText(nIndex);
        bPressed = m_keyInjector.PressCharacter(strKey, m_nModifierVk, m_bHoldKey != 0,
                                                m_settings.GetUseOldKeyInputMethod() != 0);
    }
    if (!bPressed) {
        m_keyInjector.PressKey(m_nModifierVk, m_nKeyVk & 0xFFFF, m_bHoldKey != 0);
    }

    if (bCountReached) {
        OnStopKeyPressing();
    }

    m_strStatus = L"Keyed " + std::to_wstring(m_nKeyedCount) + L" Times";
    m_stStatus.SetWindowText(m_strStatus);
}

int CPellorDlg::ComputeNextDelay() {
    const int nBase =
        CDelayCalculation::ToMilliseconds(m_nDelayMinutes, m_nDelaySeconds, m_nDelayMilliseconds);
    if (m_settings.GetEnableRandomDelay() == 0) {
        return nBase;
    }
    const int nRange = CDelayCalculation::ToMilliseconds(m_settings.GetRandomClicksDelayMins(),
                                                         m_settings.GetRandomClicksDelaySeconds(),
                                                         m_settings.GetRandomClicksDelayMilliSeconds());
    return CDelayCalculation::Add(nBase, DrawRandomExtraDelay(0, nRange));
}

int CPellorDlg::DrawRandomExtraDelay(int low, int high) {
    return CRandomDelay(m_platform.random).Draw(low, high);
}

void CPellorDlg::RestartRandomDelayTimer() {
    const int nDelay = ComputeNextDelay();
    m_platform.timers.KillTimer(m_hWnd, IDT_PRESS_RANDOM);
    ArmRunTimer(IDT_PRESS_RANDOM, nDelay);
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
    m_windows.EnableWindow(GetDlgItem(id), enable);
}

void CPellorDlg::ArmRunTimer(std::uintptr_t id, int delay) {
    m_platform.timers.SetTimer(m_hWnd, id, CDelayCalculation::TimerPeriod(delay));
}

void CPellorDlg::KillRunTimers() {
    m_platform.timers.KillTimer(m_hWnd, IDT_PRESS_FIXED);
    m_platform.timers.KillTimer(m_hWnd, IDT_PRESS_RANDOM);
}

void CPellorDlg::EndRunWithWindow() {
    if (!m_bRunning) {
        return;
    }
    m_bRunning = false;
    KillRunTimers();
    m_keyInjector.ReleaseHeldKeys();
}
