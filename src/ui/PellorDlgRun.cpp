// The run's handlers: each checks what only the dialog knows (the form, the target) and hands the
// rest to the press session.
#include "ui/PellorDlg.h"

#include "core/PickedWindow.h"
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
    // the shortcut, the tray menu and the close box: while they are up no second start begins, and
    // after each the start goes on only if the window is still there (m_hWnd is 0 once destroyed).
    if (m_bStartAsking) {
        return;
    }
    m_bStartAsking = true;
    const Microseconds asked = m_platform.timers.Now();
    const bool bReady = [this] {
        RefreshKeyLists();
        if (m_cbKey.GetCurSel() < 0) {
            MessageBox(NO_KEY_SELECTED, L"", MB_OK | MB_ICONINFORMATION);
            if (m_hWnd != 0) {
                m_cbKey.SetFocus();
            }
            return false;
        }
        // A refused field has been reported and holds the focus: nothing starts.
        return UpdateData(SAVE_AND_VALIDATE) && m_hWnd != 0 && EnsureTargetWindow() && m_hWnd != 0;
    }();
    m_bStartAsking = false;
    if (bReady) {
        m_session.Start(Form(), asked);
    }
}

void CPellorDlg::OnStopKeyPressing() {
    m_session.Stop();
}

void CPellorDlg::ToggleKeyPressing(std::uint32_t id) {
    if (id == START_STOP_HOTKEY_ID && !m_session.ToggleKeyPressing()) {
        OnStartKeyPressing();
    }
}

bool CPellorDlg::OnTimer(WParam wParam, LParam, LResult*) {
    const auto id = static_cast<std::uintptr_t>(wParam);
    if (!m_session.OnTimer(id)) {
        m_screenshot.OnTimer(id);
        if (id == IDT_TRAY_ADD_RETRY) {
            AddTrayIcon();
        }
    }
    return false;
}

PressForm CPellorDlg::Form() {
    const int nIndex = m_cbKey.GetCurSel();
    return PressForm{m_nKeyVk,        nIndex >= 0 ? m_cbKey.GetLBText(nIndex) : std::wstring(),
                     m_nModifierVk,   m_bHoldKey != 0,
                     m_nKeysToPress,  m_nDelayMinutes,
                     m_nDelaySeconds, m_nDelayMilliseconds};
}

bool CPellorDlg::EnsureTargetWindow() {
    if (m_settings.GetSendKeysToActiveWindow() != 0) {
        return true;
    }
    // A window picked with its identity is found by it; a handle stored alone decides below.
    std::wstring strWaitingFor;
    const CPickedWindow::Match picked =
        CPickedWindow(m_windows, m_platform.process).Recheck(m_settings, strWaitingFor);
    if (picked.outcome != CPickedWindow::Outcome::HandleOnly) {
        if (picked.window == 0) {
            MessageBox(strWaitingFor, L"", MB_ICONINFORMATION);
        }
        return picked.window != 0;
    }
    // The selector may switch to the active window as well as pick one: what it stored counts.
    for (bool bAsked = false;; bAsked = true) {
        if (m_settings.GetSendKeysToActiveWindow() != 0 || m_windows.IsWindow(m_settings.GetSeekedWindow())) {
            return true;
        }
        if (bAsked) {
            return false;
        }
        OnTarget();
    }
}

void CPellorDlg::OnMessageException(std::uint32_t message, const std::string& strWhat) {
    // The keys first: the rest of the stop touches windows, which may fail again.
    m_session.ReleaseHeldKeys();
    m_session.Stop(RunEnd::Failed);
    CDialog::OnMessageException(message, strWhat);
}
