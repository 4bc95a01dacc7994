// The run options' dialog, and the tray tip's line while a timed run goes.
#include <memory>

#include "ui/DlgRunOptions.h"
#include "ui/PellorDlg.h"
#include "ui/TrayTipText.h"

void CPellorDlg::OnRunOptions() {
    auto pDlg = std::make_unique<CDlgRunOptions>(this, m_platform.windows, m_settings);
    pDlg->DoModal();
}

std::wstring CPellorDlg::RunStateTip() {
    const std::int64_t nSecondsLeft = m_session.SecondsLeft();
    return nSecondsLeft >= 0 ? FormatRunTimeLeft(m_session.KeyedCount(), nSecondsLeft) : std::wstring();
}
