// "/profile FILE": the file goes to the running Tapwell, or this one opens it.
#include <vector>

#include "app/InstanceWindow.h"
#include "app/PellorApp.h"
#include "ports/Win32Constants.h"
#include "ui/ProfileRequest.h"

namespace {

// A Tapwell that does not answer in this time is taken as hung.
constexpr std::uint32_t PROFILE_ANSWER_TIMEOUT_MS = 10000;

} // namespace

int CPellorApp::HandProfileToRunningInstances(const CommandLineSwitches& switches) {
    const std::vector<WindowHandle> instanceWindows = RunningInstanceWindows();
    ProfileRequest request;
    request.nInstance = switches.nInstance;
    request.bStart = switches.command == RemoteCommand::Start;
    request.strPath = m_strProfilePath;
    const std::wstring strRequest = EncodeProfileRequest(request);
    int nAnswered = 0;
    m_nExitCode = 0;
    for (WindowHandle window : instanceWindows) {
        LResult nAnswer = PROFILE_NOT_FOR_THIS_INSTANCE;
        if (m_files.SendCopyData(window, 0, PROFILE_REQUEST_DATA, strRequest, PROFILE_ANSWER_TIMEOUT_MS,
                                 &nAnswer)) {
            ++nAnswered;
            // The instance that refused it tells the user why.
            m_nExitCode = nAnswer == PROFILE_REFUSED ? EXIT_CODE_PROFILE_REFUSED : m_nExitCode;
        }
    }
    return nAnswered;
}

bool CPellorApp::OpenProfileOfCommandLine() {
    std::wstring strError;
    if (m_dlgMain.OpenProfile(m_strProfilePath, strError)) {
        return true;
    }
    m_dialogs.MessageBox(0, strError, m_strAppName, MB_ICONEXCLAMATION);
    m_dlgMain.DestroyWindow();
    m_nExitCode = EXIT_CODE_PROFILE_REFUSED;
    return false;
}
