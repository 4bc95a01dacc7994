#pragma once
// The application: start-up through InitInstance, then the message loop until WM_QUIT.
#include <string>

#include "fw/Wnd.h"
#include "ports/IDialogControls.h"
#include "ports/IMessageLoop.h"

class CWinApp {
public:
    CWinApp(IMessageLoop& messages, IDialogControls& dialogs);
    virtual ~CWinApp();

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The body of the entry point: stores the command line (without the program name), loads the
    // application title, then InitInstance() ? Run() : ExitCodeWhenNotRunning().
    int WinMainBody(const std::wstring& cmdLine);
    // Creates the main window; false ends the process without a message loop.
    virtual bool InitInstance() { return true; }
    virtual int ExitCodeWhenNotRunning() { return 0; }
    // Each message goes to the main window's PreTranslateMessage, else is translated and dispatched.
    // Returns the exit code of WM_QUIT (-1 when the loop ended without one).
    int Run();

    // Marks window as the main window: its destruction posts WM_QUIT with exit code 0.
    void SetMainWindow(CWnd* window);

    std::wstring m_strAppName;
    std::wstring m_strCmdLine;
    CWnd* m_pMainWnd = nullptr;

protected:
    IMessageLoop& m_messages;
    IDialogControls& m_dialogs;
};
