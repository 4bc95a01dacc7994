#include "app/PellorApp.h"

#include "app/CommandLine.h"
#include "app/InstanceWindow.h"
#include "ports/Win32Constants.h"
#include "resource.h"
#include "settings/InstanceSection.h"
#include "settings/SettingsNames.h"

namespace {

const wchar_t LAUNCH_FROM_TRAY_MESSAGE[] =
    L"Please Launch the Application from System Tray Icon.\n\n"
    L"System Tray Icon is located at at bottom right corner of the screen.\n\n"
    L"Please write to " TAPWELL_SUPPORT_ADDRESS L" in case you face any issues related to this popup.";

} // namespace

CPellorApp::CPellorApp(const Platform& platform, CAppSettings& settings, CLimitSingleInstance& singleInstance)
    : CWinApp(platform.windows.messages, platform.windows.dialogs), m_dlgMain(platform, settings),
      m_windows(platform.windows.queries), m_process(platform.process), m_files(platform.files),
      m_settings(settings), m_singleInstance(singleInstance) {}

CPellorApp::~CPellorApp() = default;

bool CPellorApp::InitInstance() {
    m_process.InitCommonControls(ICC_WIN95_CLASSES);
    m_process.InitializeOle();
    // Before the single-instance rule, so that any start lets go of what a Tapwell that died held.
    m_dlgMain.Session().ReleaseKeysOfEndedInstances();

    CProfile& profile = m_settings.Profile();
    profile.SetApplicationName(m_strAppName);
    profile.SetRegistryKey(REGISTRY_KEY_NAME);

    const CommandLineSwitches switches = ParseCommandLineSwitches(m_strCmdLine);
    if (EndsWithSwitches(switches)) {
        return false;
    }

    CAppSettings settings(profile);
    if (settings.GetUseSingleInstance() != 0) {
        const std::wstring strTitle = m_dialogs.LoadString(IDS_APP_TITLE);
        if (m_singleInstance.IsAlreadyRunning()) {
            ActivateRunningInstance(strTitle);
            return false;
        }
    }

    // Counted before this process has a window of its own, so the first instance is number 0.
    g_nInstanceNumber = CountRunningInstances();
    SetMainWindow(&m_dlgMain);
    m_settings.FormatInstanceSection();

    if (!m_dlgMain.Create()) {
        m_nExitCode = EXIT_CODE_NO_MAIN_WINDOW;
        return false;
    }

    if (!m_strProfilePath.empty() && !OpenProfileOfCommandLine()) {
        return false;
    }
    if (switches.command == RemoteCommand::Start) {
        // Started by a script: in the notification area, leaving the focus where it is.
        StartRunWhenLoopRuns(switches.runLimits);
    } else if (!IsSilentStart(m_strCmdLine)) {
        m_dlgMain.ShowWindow(SW_SHOW);
        m_dlgMain.SetFocus();
        m_dlgMain.SetForegroundWindow();
    }
    if (switches.bShowHelp) {
        // Beside ":silent": this process is a Tapwell in the notification area, and shows the list too.
        ShowSwitches();
    }
    return true;
}

int CPellorApp::ExitCodeWhenNotRunning() {
    return m_nExitCode;
}

void CPellorApp::ActivateRunningInstance(const std::wstring& strTitle) {
    const WindowHandle hOther = m_windows.FindWindowByTitle(strTitle);
    if (m_windows.IsWindow(hOther)) {
        // SW_SHOW keeps the size and position, so a window hidden while minimised comes back minimised.
        m_dialogs.ShowWindow(hOther, SW_SHOW);
        m_dialogs.SetActiveWindow(hOther);
        m_dialogs.SetForegroundWindow(hOther);
        m_dialogs.SetFocus(hOther);
        return;
    }
    m_dialogs.MessageBox(0, LAUNCH_FROM_TRAY_MESSAGE, strTitle, MB_ICONINFORMATION);
}

int CPellorApp::CountRunningInstances() {
    m_nMatchingWindows = 0;
    m_process.EnumWindows([this](WindowHandle window) { return EnumWindowsCallback(window, this); });
    return m_nMatchingWindows;
}

bool CPellorApp::EnumWindowsCallback(WindowHandle window, CPellorApp* pApp) {
    pApp->OnEnumWindow(window);
    return true;
}

void CPellorApp::OnEnumWindow(WindowHandle window) {
    if (IsInstanceMainWindow(m_windows, window, m_strAppName, m_strWindowText)) {
        ++m_nMatchingWindows;
    }
}
