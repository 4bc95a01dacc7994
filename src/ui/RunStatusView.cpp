#include "ui/RunStatusView.h"

#include "resource.h"

void CRunStatusView::OnKeyedCount(std::uint32_t count) {
    Show(L"Keyed " + std::to_wstring(count) + L" Times");
}

void CRunStatusView::OnPressSkipped(std::uint32_t count, const std::wstring& reason) {
    if (!reason.empty()) {
        Show(L"Keyed " + std::to_wstring(count) + L" Times. " + reason);
    }
}

void CRunStatusView::OnStartRefused(const std::wstring& reason) {
    m_status.SetWindowText(reason);
    m_strShown = reason;
}

void CRunStatusView::Show(const std::wstring& text) {
    if (text != m_strShown) {
        m_status.SetWindowText(text);
        m_strShown = text;
    }
}

void CRunStatusView::OnRunWaiting(RunWait why, int seconds) {
    const std::wstring strText = why == RunWait::Countdown
                                     ? L"Starting in " + std::to_wstring(seconds) + L" s"
                                     : L"Paused: the target is not in front";
    Show(strText);
}

void CRunStatusView::OnRunStopped(RunEnd) {
    ShowButtons(false);
}

void CRunStatusView::ShowButtons(bool running) {
    // "Random Delay" changes which timer a run uses: it waits until the run is over.
    m_dialogs.EnableWindow(m_dialog.GetDlgItem(IDC_START_KEYPRESSING), !running);
    m_dialogs.EnableWindow(m_dialog.GetDlgItem(IDC_STOP_KEYPRESSING), running);
    m_dialogs.EnableWindow(m_dialog.GetDlgItem(IDC_RANDOM_DELAY), !running);
}
