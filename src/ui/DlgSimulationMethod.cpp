#include "ui/DlgSimulationMethod.h"

#include "fw/DataExchange.h"
#include "resource.h"
#include "ui/DialogIdentity.h"

CDlgSimulationMethod::CDlgSimulationMethod(CWnd* pParent, const WindowPorts& windows)
    : CDialog(IDD_SIMULATION_METHOD, pParent, windows) {}

void CDlgSimulationMethod::DoDataExchange(CDataExchange& dx) {
    dx.Radio({IDC_METHOD_NORMAL, IDC_METHOD_BRUTE}, m_nMethod);
    dx.Int(IDC_KEY_DOWN_UP_DELAY, m_nKeyDownUpDelay, 0, MAX_KEY_DOWN_UP_DELAY);
}

bool CDlgSimulationMethod::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowDialogIdentity(*this, m_dialogs, L"Settings - ");
    return true;
}
