// A script's switches: the list of switches, and the commands for running instances.
#include <vector>

#include "app/InstanceWindow.h"
#include "app/PellorApp.h"
#include "ports/Win32Constants.h"

namespace {

const wchar_t SWITCHES_TEXT[] =
    L"Tapwell.exe [/start | /stop | /toggle | /exit] [/instance N] [:silent]\n\n"
    L"/start\tStarts pressing keys. Without a running Tapwell, starts one in the notification area "
    L"that presses the keys it has stored.\n"
    L"/stop\tStops pressing keys.\n"
    L"/toggle\tStarts or stops, as the start/stop shortcut does.\n"
    L"/exit\tCloses Tapwell.\n"
    L"/instance N\tOnly the Tapwell whose settings are \"Settings N\"; without it, every running Tapwell.\n"
    L"/?\tShows this list.\n"
    L":silent\tStarts Tapwell hidden in the notification area.\n\n"
    L"Switches may start with / or - and are read in any case.\n\n"
    L"Exit codes: 0 done, 1 no Tapwell running, 2 unknown switch.";

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
        if (m_messages.PostMessage(window, nMessage, command.wParam, command.lParam)) {
            ++nPosted;
        }
    }
    return nPosted;
}

void CPellorApp::StartRunWhenLoopRuns() {
    const RemoteCommandMessage command = EncodeRemoteCommand(RemoteCommand::Start, EVERY_INSTANCE);
    m_messages.PostMessage(m_dlgMain.m_hWnd, g_nRemoteCommandMsg, command.wParam, command.lParam);
}
