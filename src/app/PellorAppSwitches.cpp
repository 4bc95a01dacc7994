// A script's switches: the list of switches, and the commands for running instances.
#include <vector>

#include "app/InstanceWindow.h"
#include "app/PellorApp.h"
#include "ports/Win32Constants.h"
#include "ui/RemoteRunLimits.h"

namespace {

const wchar_t SWITCHES_TEXT[] =
    L"Tapwell.exe [command] [/instance N]\n\n"
    L"/start  -  start pressing keys\n"
    L"/for 1h30m  -  with /start: stop after a time (90s, 5m, 1h30m)\n"
    L"/until HH:MM  -  with /start: stop at a time of day (24-hour)\n"
    L"/stop  -  stop pressing keys\n"
    L"/toggle  -  start or stop, as the shortcut does\n"
    L"/exit  -  close Tapwell\n"
    L"/instance N  -  only the Tapwell using \"Settings N\"\n"
    L"/?  -  show this list\n"
    L":silent  -  start hidden in the notification area\n\n"
    L"The commands go to every running Tapwell. With none running, /start starts one in the "
    L"notification area that presses the keys it has stored.\n\n"
    L"Switches may begin with / or -, in any case.\n\n"
    L"Exit codes:\n"
    L"0  -  done\n"
    L"1  -  no Tapwell running\n"
    L"2  -  unknown switch";

} // namespace

bool CPellorApp::EndsWithSwitches(const CommandLineSwitches& switches) {
    // ":silent" starts as it always has, whatever else the arguments hold.
    const bool bRefused = switches.bInvalid && !IsSilentStart(m_strCmdLine);
    if (switches.bShowHelp || bRefused) {
        m_dialogs.MessageBox(0, SWITCHES_TEXT, m_strAppName, MB_ICONINFORMATION);
        m_nExitCode = bRefused ? EXIT_CODE_UNKNOWN_SWITCH : 0;
        return true;
    }
    if (switches.command == RemoteCommand::None) {
        return false;
    }
    if (PostToRunningInstances(switches) > 0) {
        m_nExitCode = 0;
        return true;
    }
    if (switches.command == RemoteCommand::Start) {
        return false;
    }
    m_nExitCode = EXIT_CODE_NOT_RUNNING;
    return true;
}

int CPellorApp::PostToRunningInstances(const CommandLineSwitches& switches) {
    std::vector<WindowHandle> instanceWindows;
    m_process.EnumWindows([&](WindowHandle window) {
        if (IsRunningInstanceWindow(m_windows, window, m_strAppName)) {
            instanceWindows.push_back(window);
        }
        return true;
    });
    const std::uint32_t nMessage = m_messages.RegisterWindowMessage(REMOTE_COMMAND_MESSAGE);
    const RemoteCommandMessage command = EncodeRemoteCommand(switches.command, switches.nInstance);
    int nPosted = 0;
    for (WindowHandle window : instanceWindows) {
        PostRunLimits(window, nMessage, switches.runLimits);
        if (m_messages.PostMessage(window, nMessage, command.wParam, command.lParam)) {
            ++nPosted;
        }
    }
    return nPosted;
}

void CPellorApp::PostRunLimits(WindowHandle window, std::uint32_t nMessage, const RunLimitSwitches& limits) {
    if (limits.Any()) {
        const RemoteCommandMessage message = EncodeRunLimits(limits);
        m_messages.PostMessage(window, nMessage, message.wParam, message.lParam);
    }
}

void CPellorApp::StartRunWhenLoopRuns(const RunLimitSwitches& limits) {
    PostRunLimits(m_dlgMain.m_hWnd, g_nRemoteCommandMsg, limits);
    const RemoteCommandMessage command = EncodeRemoteCommand(RemoteCommand::Start, EVERY_INSTANCE);
    m_messages.PostMessage(m_dlgMain.m_hWnd, g_nRemoteCommandMsg, command.wParam, command.lParam);
}
