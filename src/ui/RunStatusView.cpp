#include "ui/RunStatusView.h"

#include <string>

#include "resource.h"

void CRunStatusView::OnKeyedCount(std::uint32_t count) {
    m_strWaiting.clear();
    m_status.SetWindowText(L"Keyed " + std::to_wstring(count) + L" Times");
}

void CRunStatusView::OnRunWaiting(RunWait why, int seconds) {
    const std::wstring strText = why == RunWait::Countdown
                                     ? L"Starting in " + std::to_wstring(seconds) + L" s"
                                     : L"Paused: the target is not in front";
    if (strText != m_strWaiting) {
        m_strWaiting = strText;
        m_status.SetWindowText(strText);
    }
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
