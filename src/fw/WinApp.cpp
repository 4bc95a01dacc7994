#include "fw/WinApp.h"

#include "ports/Win32Constants.h"
#include "resource.h"

CWinApp::CWinApp(IMessageLoop& messages, IDialogControls& dialogs)
    : m_messages(messages), m_dialogs(dialogs) {}

CWinApp::~CWinApp() = default;

int CWinApp::WinMainBody(const std::wstring& cmdLine) {
    m_strCmdLine = cmdLine;
    m_strAppName = m_dialogs.LoadString(IDS_APP_TITLE);
    if (!InitInstance()) {
        return ExitCodeWhenNotRunning();
    }
    return Run();
}

int CWinApp::Run() {
    Msg msg;
    while (m_messages.GetMessage(&msg)) {
        if (m_pMainWnd != nullptr && m_pMainWnd->PreTranslateMessage(msg)) {
            continue;
        }
        m_messages.TranslateMessage(msg);
        m_messages.DispatchMessage(msg);
    }
    return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : -1;
}

void CWinApp::SetMainWindow(CWnd* window) {
    if (m_pMainWnd != nullptr) {
        m_pMainWnd->m_bMainWindow = false;
    }
    m_pMainWnd = window;
    if (window != nullptr) {
        window->m_bMainWindow = true;
    }
}
