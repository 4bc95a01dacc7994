// The main dialog's notification-area icon with its tooltip and tray menu, hiding to and showing
// from the tray, and the context menu.
#include "ui/PellorDlg.h"

#include "ports/Win32Constants.h"
#include "resource.h"
#include "ui/TrayTipText.h"

namespace {

constexpr LParam MOUSE_MESSAGE_MASK = 0xFFFF;

} // namespace

void CPellorDlg::AddTrayIcon() {
    const bool bAdded = m_trayIcon.Add(m_hWnd, m_hIcon, GetAppTitle());
    m_nTrayAddFailures = bAdded ? 0 : m_nTrayAddFailures + 1;
    if (!bAdded && m_nTrayAddFailures < TRAY_ADD_ATTEMPTS) {
        m_platform.timers.SetTimer(m_hWnd, IDT_TRAY_ADD_RETRY, TRAY_ADD_RETRY_INTERVAL);
        return;
    }
    m_platform.timers.KillTimer(m_hWnd, IDT_TRAY_ADD_RETRY);
    if (!bAdded) {
        // Without an icon a hidden window has no way back: it shows itself.
        m_nTrayAddFailures = 0;
        if (!IsWindowVisible()) {
            OnTrayShow();
        }
    }
}

void CPellorDlg::UpdateTrayTip() {
    TrayTipInputs inputs;
    inputs.title = GetAppTitle();
    const int nKey = m_cbKey.GetCurSel();
    inputs.keySelected = nKey >= 0;
    std::uint32_t nModifiers = 0;
    m_hotKey.GetHotKey(&inputs.hotKeyVk, &nModifiers);
    if (inputs.keySelected && inputs.hotKeyVk != 0) {
        inputs.hotKeyName = m_hotKey.GetHotKeyName();
        inputs.keyText = m_cbKey.GetLBText(nKey);
        inputs.modifierIndex = m_cbModifier.GetCurSel();
        if (inputs.modifierIndex >= 1) {
            inputs.modifierText = m_cbModifier.GetLBText(inputs.modifierIndex);
        }
    }
    const std::int64_t nSecondsLeft = m_session.SecondsLeft();
    if (nSecondsLeft >= 0) {
        inputs.runState = FormatRunTimeLeft(m_session.KeyedCount(), nSecondsLeft);
    }
    m_trayIcon.SetTip(m_hWnd, FormatTrayTip(inputs));
}

LResult CPellorDlg::OnTrayNotify(WParam, LParam lParam) {
    switch (static_cast<std::uint32_t>(lParam & MOUSE_MESSAGE_MASK)) {
    case WM_RBUTTONUP:
        if (m_trayMenu.m_hMenu != 0) {
            // Without the foreground the menu would stay open when the user clicks elsewhere.
            SetForegroundWindow();
            Point point;
            m_platform.pointer.GetCursorPos(&point);
            m_profiles.ShowRecentProfiles(m_trayMenu.GetSubMenu(0), ID_TRAY_EXIT);
            m_trayIcon.TrackMenu(point.x, point.y, m_hWnd);
            // The task switch this forces lets the menu go properly: without it the next one
            // opened closes at once.
            PostMessage(WM_NULL, 0, 0);
        }
        break;
    case WM_LBUTTONDBLCLK:
        OnTrayShow();
        break;
    default:
        break;
    }
    return 1;
}

LResult CPellorDlg::OnTaskbarCreated(WParam, LParam) {
    m_nTrayAddFailures = 0;
    m_trayIcon.Remove(m_hWnd);
    AddTrayIcon();
    return 1;
}

void CPellorDlg::OnHideToTray() {
    ShowWindow(SW_MINIMIZE);
    ShowWindow(SW_HIDE);
}

void CPellorDlg::OnTrayShow() {
    ShowWindow(SW_RESTORE);
    ShowWindow(SW_SHOW);
    SetFocus();
    SetForegroundWindow();
}

void CPellorDlg::OnContextMenu(Point point) {
    m_profiles.ShowRecentProfiles(m_ctxMenu.GetSubMenu(0), ID_CONTEXT_OPEN_PROFILE);
    m_ctxMenu.GetSubMenu(0).TrackPopupMenu(0, point.x, point.y, m_hWnd);
}

void CPellorDlg::OnMenuButton() {
    Point point;
    m_platform.pointer.GetCursorPos(&point);
    OnContextMenu(point);
}
