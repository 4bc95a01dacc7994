#pragma once
// The application object: start-up (common controls, OLE, the profile, the single-instance rule,
// the instance number), then the main dialog as the main window for the framework's message loop.
#include <cstdint>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/LimitSingleInstance.h"
#include "fw/WinApp.h"
#include "ports/Platform.h"
#include "ports/WinTypes.h"
#include "settings/AppSettings.h"
#include "ui/PellorDlg.h"

// Exit code of a process whose main dialog could not be created.
constexpr int EXIT_CODE_NO_MAIN_WINDOW = 1;
// Exit codes of a script's command: no Tapwell runs to take it, or the switches are not understood.
constexpr int EXIT_CODE_NOT_RUNNING = 1;
constexpr int EXIT_CODE_UNKNOWN_SWITCH = 2;
// A Tapwell holds the single-instance mutex but no window of one took the command in time: it may be
// another user's, one that runs elevated, or one that is still starting or stuck.
constexpr int EXIT_CODE_NOT_REACHED = 3;
// How long a script's command waits for the window of a Tapwell that holds the mutex, in steps.
constexpr std::uint32_t INSTANCE_WAIT_STEP_MS = 100;
constexpr int INSTANCE_WAIT_STEPS = 50;
// "/profile FILE" named a file that cannot be opened as a profile.
constexpr int EXIT_CODE_PROFILE_REFUSED = 2;

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
    // The switches of a script (PellorAppSwitches.cpp): true when they are done and the process
    // ends with m_nExitCode; false when this process starts (a start with none running, or what
    // ":silent" asks for beside a switch that leaves it nothing to do).
    bool EndsWithSwitches(const CommandLineSwitches& switches);
    // The command to every running instance's main window; the number of windows it went to. While
    // none is found and another process holds the mutex, asked again for a bounded time.
    int PostToRunningInstances(const CommandLineSwitches& switches);
    // The main windows of the Tapwells running now.
    std::vector<WindowHandle> RunningInstanceWindows();
    int PostToInstanceWindows(const CommandLineSwitches& switches);
    // The list of switches, in a box that no instance takes for a Tapwell's main window.
    void ShowSwitches();
    // "/start" with none running: the run begins once the message loop runs, as a click would.
    void StartRunWhenLoopRuns(const RunLimitSwitches& limits);
    // "/profile FILE" (PellorAppProfile.cpp): hands the file's full path to every running instance;
    // the number of them that answered, m_nExitCode set from their answers.
    int HandProfileToRunningInstances(const CommandLineSwitches& switches);
    // With none running: this instance opens it; false, after telling the user, when it is refused.
    bool OpenProfileOfCommandLine();
    // "/for" and "/until", when given, go just before the command they are for.
    void PostRunLimits(WindowHandle window, std::uint32_t nMessage, const RunLimitSwitches& limits);

    IWindowQueries& m_windows;
    IProcess& m_process;
    IFiles& m_files;
    // The full path of the profile the command line names.
    std::wstring m_strProfilePath;
    CAppSettings& m_settings;
    CLimitSingleInstance& m_singleInstance;
    std::wstring m_strWindowText;
    int m_nMatchingWindows = 0;
    int m_nExitCode = 0;
};
