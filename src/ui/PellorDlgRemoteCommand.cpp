// Commands from scripts: each takes the path of the control a user would have used.
#include "ui/PellorDlg.h"

#include "settings/InstanceSection.h"
#include "ui/RemoteCommand.h"
#include "ui/RemoteRunLimits.h"

std::uint32_t g_nRemoteCommandMsg = 0;

void CPellorDlg::OnRemoteCommand(WParam wParam, LParam lParam) {
    RunLimitSwitches limits;
    if (DecodeRunLimits(wParam, lParam, limits)) {
        m_session.LimitNextRun(limits);
        return;
    }
    switch (DecodeRemoteCommand(wParam, lParam, g_nInstanceNumber)) {
    case RemoteCommand::Start:
        // The Start button can be clicked only while no run is going on, Stop only during one.
        if (!m_session.IsRunning()) {
            OnStartKeyPressing();
        }
        break;
    case RemoteCommand::Stop:
        if (m_session.IsRunning()) {
            OnStopKeyPressing();
        }
        break;
    case RemoteCommand::Toggle:
        ToggleKeyPressing(START_STOP_HOTKEY_ID);
        break;
    case RemoteCommand::Exit:
        DestroyWindow();
        break;
    case RemoteCommand::None:
        break;
    }
    // The run limits are for the command that follows them: a start has taken them by now.
    m_session.LimitNextRun({});
}
