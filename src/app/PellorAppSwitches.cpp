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
    L"/profile FILE  -  open a profile (with /start: and start it)\n"
    L"/?  -  show this list\n"
    L":silent  -  start hidden in the notification area\n\n"
    L"The commands go to every running Tapwell. With none running, /start starts one in the "
    L"notification area that presses the keys it has stored.\n\n"
    L"Switches may begin with / or -, in any case.\n\n"
    L"Exit codes:\n"
    L"0  -  done\n"
    L"1  -  no Tapwell running\n"
    L"2  -  unknown switch, or a profile that cannot be opened\n"
    L"3  -  a Tapwell runs but took no command";
const wchar_t SWITCHES_CAPTION_PREFIX[] = L"Switches - ";

} // namespace

bool CPellorApp::EndsWithSwitches(const CommandLineSwitches& switches) {
    // ":silent" starts as it always has, whatever else the arguments hold: a switch beside it decides
    // only what it is for, and what it leaves undecided ":silent" does.
    const bool bSilent = IsSilentStart(m_strCmdLine);
    if ((switches.bShowHelp || switches.bInvalid) && !bSilent) {
        m_singleInstance.Release();
        ShowSwitches();
        m_nExitCode = switches.bInvalid ? EXIT_CODE_UNKNOWN_SWITCH : 0;
        return true;
    }
    if (!switches.strProfile.empty()) {
        // Only a running instance can answer for the file: with none, this one opens it.
        m_strProfilePath = m_files.GetFullPathName(switches.strProfile);
        return HandProfileToRunningInstances(switches) > 0;
    }
    if (switches.command == RemoteCommand::None) {
        return false;
    }
    if (PostToRunningInstances(switches) > 0) {
        m_nExitCode = 0;
        return true;
    }
    // Nothing took the command. A start here must not meet the single-instance rule, which would
    // bring something forward or wait on a box that nobody at a script sees.
    const bool bStartsHere = switches.command == RemoteCommand::Start || bSilent;
    const bool bHeld = m_singleInstance.IsAlreadyRunning();
    m_nExitCode = bHeld ? EXIT_CODE_NOT_REACHED : EXIT_CODE_NOT_RUNNING;
    return !bStartsHere || (bHeld && CAppSettings(m_settings.Profile()).GetUseSingleInstance() != 0);
}

int CPellorApp::PostToRunningInstances(const CommandLineSwitches& switches) {
    int nPosted = PostToInstanceWindows(switches);
    // The mutex held and no window: a Tapwell may be starting, whose window comes soon.
    for (int nStep = 0; nPosted == 0 && m_singleInstance.IsAlreadyRunning() && nStep < INSTANCE_WAIT_STEPS;
         ++nStep) {
        m_process.Sleep(INSTANCE_WAIT_STEP_MS);
        nPosted = PostToInstanceWindows(switches);
    }
    return nPosted;
}

std::vector<WindowHandle> CPellorApp::RunningInstanceWindows() {
    std::vector<WindowHandle> instanceWindows;
    m_process.EnumWindows([&](WindowHandle window) {
        if (IsRunningInstanceWindow(m_windows, window, m_strAppName)) {
            instanceWindows.push_back(window);
        }
        return true;
    });
    return instanceWindows;
}

int CPellorApp::PostToInstanceWindows(const CommandLineSwitches& switches) {
    const std::vector<WindowHandle> instanceWindows = RunningInstanceWindows();
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

void CPellorApp::ShowSwitches() {
    // A caption of its own: titled like a main window, the box would be counted and sent commands.
    m_dialogs.MessageBox(0, SWITCHES_TEXT, SWITCHES_CAPTION_PREFIX + m_strAppName, MB_ICONINFORMATION);
}
