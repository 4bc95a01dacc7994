#include "TapwellInstance.h"

#include "MessageBoxes.h"
#include "Polling.h"
#include "TapwellConstants.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
const DWORD ANSWER_TIMEOUT_MS = 10000;
const DWORD ACTIVATE_TIMEOUT_MS = 5000;
} // namespace

CTapwellInstance::CTapwellInstance(CChildProcess& process, HWND hMainWindow, CSendPool& sends)
    : m_process(process), m_form(hMainWindow, sends), m_sends(sends) {}

bool CTapwellInstance::FillInRun(int nKeyPosition, const std::wstring& strDelayMs,
                                 const std::wstring& strCount) {
    return m_form.SelectListEntry(IDC_KEY_LIST, nKeyPosition) == ActionResult::Done &&
           (strDelayMs.empty() || m_form.SetText(IDC_DELAY_MILLISECONDS, strDelayMs) == ActionResult::Done) &&
           (strCount.empty() || m_form.SetText(IDC_KEYS_TO_PRESS, strCount) == ActionResult::Done);
}

HWND CTapwellInstance::WaitForMessageBox(DWORD nTimeoutMs) const {
    HWND hBox = nullptr;
    WaitUntil(
        [&] {
            hBox = FindMessageBox(m_process.Id());
            return hBox != nullptr;
        },
        nTimeoutMs);
    return hBox;
}

CDialogRemote CTapwellInstance::WaitForDialog(const std::wstring& strCaption, DWORD nTimeoutMs) {
    HWND hDialog = nullptr;
    const bool bShown = WaitUntil(
        [&] {
            hDialog = FindTopLevelWindow(m_process.Id(), DIALOG_CLASS, strCaption);
            return hDialog != nullptr && IsWindowVisible(hDialog);
        },
        nTimeoutMs);
    return CDialogRemote(bShown ? hDialog : nullptr, m_sends);
}

bool CTapwellInstance::AnswerMessageBox(HWND hBox, int nButton) {
    CDialogRemote box(hBox, m_sends);
    if (box.Click(nButton) == ActionResult::NotPossible) {
        return false;
    }
    return WaitUntil([hBox] { return !IsWindow(hBox); }, ANSWER_TIMEOUT_MS);
}

bool CTapwellInstance::UseDialog(int nOpener, const std::wstring& strCaption, int nId, const wchar_t* pszText,
                                 int nButton) {
    // Menu commands come after the main window's controls.
    const bool bOpened = nOpener >= ID_TRAY_EXIT
                             ? PostMessageW(MainWindow(), WM_COMMAND, static_cast<WPARAM>(nOpener), 0) != 0
                             : m_form.StartClick(nOpener) == ActionResult::Done;
    CDialogRemote dialog = WaitForDialog(strCaption, ANSWER_TIMEOUT_MS);
    HWND hDialog = dialog.Window();
    return bOpened && hDialog != nullptr &&
           (pszText ? dialog.SetText(nId, pszText) : dialog.Click(nId)) == ActionResult::Done &&
           dialog.Click(nButton) == ActionResult::Done &&
           WaitUntil([hDialog] { return !IsWindow(hDialog); }, ANSWER_TIMEOUT_MS);
}

bool CTapwellInstance::WaitForStatus(const std::wstring& strStatus, DWORD nTimeoutMs) const {
    return WaitUntil([&] { return m_form.Text(IDC_STATUS) == strStatus; }, nTimeoutMs);
}

bool CTapwellInstance::WaitForIdle(DWORD nTimeoutMs) const {
    return WaitUntil([this] { return IsIdle(); }, nTimeoutMs);
}

bool CTapwellInstance::IsIdle() const {
    // The stop switches the three one after the other: idle once the last of them is switched.
    return m_form.IsEnabled(IDC_START_KEYPRESSING) && !m_form.IsEnabled(IDC_STOP_KEYPRESSING) &&
           m_form.IsEnabled(IDC_RANDOM_DELAY);
}

bool CTapwellInstance::Activate() const {
    HWND hMain = MainWindow();
    SetForegroundWindow(hMain);
    return WaitUntil([hMain] { return GetForegroundWindow() == hMain; }, ACTIVATE_TIMEOUT_MS);
}

bool CTapwellInstance::Close() const {
    return PostMessageW(MainWindow(), WM_CLOSE, 0, 0) && m_process.WaitForExit(EXIT_TIMEOUT_MS);
}
