#include "ui/DlgSimulationMethod.h"

#include "fw/DataExchange.h"
#include "resource.h"
#include "ui/DialogIdentity.h"

CDlgSimulationMethod::CDlgSimulationMethod(CWnd* pParent, const WindowPorts& windows, CAppSettings& settings)
    : CDialog(IDD_SIMULATION_METHOD, pParent, windows), m_form(settings) {}

void CDlgSimulationMethod::DoDataExchange(CDataExchange& dx) {
    m_form.Radio(dx, {IDC_METHOD_NORMAL, IDC_METHOD_BRUTE}, USE_OLD_KEY_INPUT_METHOD);
    m_form.UnsignedInt(dx, IDC_KEY_DOWN_UP_DELAY, TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP);
}

bool CDlgSimulationMethod::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowDialogIdentity(*this, m_dialogs, L"Settings - ");
    return true;
}

void CDlgSimulationMethod::OnOK() {
    // A field that cannot be read has been reported and has the focus; nothing is stored.
    if (UpdateData(SAVE_AND_VALIDATE)) {
        m_form.Store();
        EndDialog(IDOK);
    }
}
