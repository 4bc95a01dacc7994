// What Windows enforces on a run and Wine does not show: input into a program of higher rights is
// dropped without a word, and a process whose windows are all hidden may be throttled.
#include "ui/PellorDlg.h"

namespace {

constexpr wchar_t TARGET_REFUSES_PRESSES[] =
    L". Paused: the Target Window Runs with Higher Rights than Tapwell";

} // namespace

void CPellorDlg::OnRunStarting() {
    m_powerPolicy.RunStarted();
    m_targetAccess.Forget();
    // Said at once, not only at the first press, which may be a long delay away.
    TargetRefusesPresses(m_pressSettings.Latest().options.bSendToActiveWindow);
}

void CPellorDlg::OnRunEnded() {
    m_powerPolicy.RunEnded();
}

bool CPellorDlg::SkipPressRefusedByTarget(bool activeWindow) {
    if (!TargetRefusesPresses(activeWindow)) {
        return false;
    }
    FollowRun(m_run.KeyDown(m_platform.timers.Now(), false));
    return true;
}

bool CPellorDlg::TargetRefusesPresses(bool activeWindow) {
    if (m_targetAccess.MayPress(activeWindow)) {
        return false;
    }
    const std::wstring strStatus =
        L"Keyed " + std::to_wstring(m_nKeyedCount) + L" Times" + TARGET_REFUSES_PRESSES;
    if (strStatus != m_strStatus) {
        m_strStatus = strStatus;
        m_bStatusPending = true;
        ShowStatus();
    }
    return true;
}
