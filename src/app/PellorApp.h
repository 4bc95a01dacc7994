#pragma once
// The application object: start-up (common controls, OLE, the profile, the single-instance rule,
// the instance number), then the main dialog as the main window for the framework's message loop.
#include <string>

#include "app/LimitSingleInstance.h"
#include "fw/WinApp.h"
#include "ports/Platform.h"
#include "ports/WinTypes.h"
#include "settings/AppSettings.h"
#include "ui/PellorDlg.h"

// Exit code of a process whose main dialog could not be created.
constexpr int EXIT_CODE_NO_MAIN_WINDOW = 1;

class CPellorApp : public CWinApp {
public:
    CPellorApp(const Platform& platform, CAppSettings& settings, CLimitSingleInstance& singleInstance);
    ~CPellorApp() override;

    bool InitInstance() override;
    int ExitCodeWhenNotRunning() override;

    // The number of main windows of other instances among the top-level windows.
    int CountRunningInstances();
    void OnEnumWindow(WindowHandle window);

    CPellorDlg m_dlgMain;

private:
    static bool EnumWindowsCallback(WindowHandle window, CPellorApp* pApp);
    // Single-instance mode with another instance running: bring its main window up, or tell the
    // user where to find it.
    void ActivateRunningInstance(const std::wstring& strTitle);

    IWindowQueries& m_windows;
    IProcess& m_process;
    CAppSettings& m_settings;
    CLimitSingleInstance& m_singleInstance;
    std::wstring m_strWindowText;
    int m_nMatchingWindows = 0;
    int m_nExitCode = 0;
};
