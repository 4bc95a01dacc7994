#include "ui/RunStatusView.h"

#include <string>

#include "resource.h"

void CRunStatusView::OnKeyedCount(std::uint32_t count) {
    m_status.SetWindowText(L"Keyed " + std::to_wstring(count) + L" Times");
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
