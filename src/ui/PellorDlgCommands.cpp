// The option dialogs opened from the main dialog, and its side commands: help, the companion
// program and the two share buttons.
#include <memory>

#include "ports/Win32Constants.h"
#include "resource.h"
#include "ui/DlgInstanceController.h"
#include "ui/DlgRandomDuration.h"
#include "ui/DlgRunOptions.h"
#include "ui/DlgSimulationMethod.h"
#include "ui/PellorDlg.h"

namespace {

constexpr wchar_t PRODUCT_SITE[] = L"https://tapwell.example/";
constexpr wchar_t PRODUCT_PAGE[] = L"https://tapwell.example/tapwell/";
constexpr wchar_t FACEBOOK_SHARE[] = L"https://www.facebook.com/sharer.php?u=";
constexpr wchar_t TWITTER_SHARE[] = L"https://twitter.com/share?url=";
constexpr wchar_t OPEN_VERB[] = L"Open";

constexpr wchar_t COMPANION_FILE_NAME[] = L"\\Tapforce.exe";
constexpr std::uint32_t MODULE_PATH_BUFFER = 260;
// ShellExecuteW reports success with a result above this.
constexpr std::intptr_t SHELL_EXECUTE_FAILED_MAX = 32;

// Why the shell did not start the companion, from its result: the user can mend the first three.
std::wstring CompanionFailureText(std::intptr_t nResult, const std::wstring& strFolder) {
    const std::wstring strInFolder = L"in the folder\n\n" + strFolder + L"\n\n";
    switch (nResult) {
    case SE_ERR_FNF:
    case SE_ERR_PNF:
        return L"Tapforce.exe was not found beside Tapwell.exe, " + strInFolder +
               L"Tapforce is a separate program for DirectX and Full Screen Applications: place "
               L"Tapforce.exe in this folder to start it from here.";
    case SE_ERR_ACCESSDENIED:
        return L"Tapforce.exe could not be started: access to it was denied. It is " + strInFolder +
               L"Check that your account may run it, or that no security program holds it back.";
    case ERROR_BAD_FORMAT:
        return L"Tapforce.exe could not be started: it is not a program Windows can run. It is " +
               strInFolder + L"Replace it with a complete copy of Tapforce.exe.";
    default:
        return L"Tapforce.exe could not be started from the folder\n\n" + strFolder +
               L"\n\nWindows reported error " + std::to_wstring(nResult) + L".";
    }
}

// Whether the browser came up is not the program's concern.
void OpenAddress(IShell& shell, const std::wstring& strAddress) {
    shell.ShellExecute(0, OPEN_VERB, strAddress, SW_SHOWMAXIMIZED);
}

} // namespace

void CPellorDlg::OnRandomDelay() {
    auto pDlg = std::make_unique<CDlgRandomDuration>(this, m_platform.windows, m_settings);
    pDlg->DoModal();
}

void CPellorDlg::OnRunOptions() {
    auto pDlg = std::make_unique<CDlgRunOptions>(this, m_platform.windows, m_settings);
    pDlg->DoModal();
}

void CPellorDlg::OnSimulationSettings() {
    auto pDlg = std::make_unique<CDlgSimulationMethod>(this, m_platform.windows, m_settings);
    pDlg->DoModal();
}

void CPellorDlg::OnInstanceMode(int id) {
    // From the context menu, once the menu's own loop is over.
    if (id == ID_CONTEXT_INSTANCE_MODE) {
        PostMessage(WM_COMMAND, IDC_INSTANCE_MODE_S, 0);
        return;
    }
    auto pDlg = std::make_unique<CDlgInstanceController>(this, m_platform.windows, m_settings);
    pDlg->DoModal();
}

void CPellorDlg::OnHelpTutorials() {
    OpenAddress(m_platform.shell, PRODUCT_SITE);
}

bool CPellorDlg::OnHelpInfo(WParam, LParam, LResult* result) {
    OnHelpTutorials();
    *result = 1; // handled: no further help processing
    return true;
}

void CPellorDlg::OnStartTapforce() {
    const std::wstring strPath = m_platform.shell.GetModuleFileName(MODULE_PATH_BUFFER);
    const std::size_t nSlash = strPath.rfind(L'\\');
    const std::wstring strFolder = nSlash == std::wstring::npos ? L"" : strPath.substr(0, nSlash);
    const std::intptr_t nResult =
        m_platform.shell.ShellExecute(0, OPEN_VERB, strFolder + COMPANION_FILE_NAME, SW_SHOW);
    if (nResult <= SHELL_EXECUTE_FAILED_MAX) {
        // A drive's root directory is cut to "C:": show it as the folder it is.
        MessageBox(CompanionFailureText(nResult, strFolder + L"\\"), L"", MB_OK | MB_ICONEXCLAMATION);
    }
}

// The flag hides the button at every later start as well.
void CPellorDlg::OnShare(int id) {
    const bool bFacebook = id == IDC_SHARE_FACEBOOK || id == ID_CONTEXT_SHARE_FACEBOOK;
    (bFacebook ? m_bFacebooked : m_bTwittered) = 1;
    m_dialogs.ShowWindow(GetDlgItem(bFacebook ? IDC_SHARE_FACEBOOK : IDC_SHARE_TWITTER), SW_HIDE);
    m_settings.Set(bFacebook ? FACEBOOKED : TWITTERED, 1);
    OpenAddress(m_platform.shell, std::wstring(bFacebook ? FACEBOOK_SHARE : TWITTER_SHARE) + PRODUCT_PAGE);
}
