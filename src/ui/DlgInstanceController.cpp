#include "ui/DlgInstanceController.h"

#include "fw/DataExchange.h"
#include "resource.h"
#include "ui/DialogIdentity.h"

namespace {
constexpr int SINGLE_INSTANCE = 0;
} // namespace

CDlgInstanceController::CDlgInstanceController(CWnd* pParent, const WindowPorts& windows,
                                               CAppSettings& settings)
    : CDialog(IDD_INSTANCE_MODE, pParent, windows), m_settings(settings) {}

void CDlgInstanceController::DoDataExchange(CDataExchange& dx) {
    dx.Radio({IDC_SINGLE_INSTANCE, IDC_MULTIPLE_INSTANCES}, m_nInstanceMode);
}

bool CDlgInstanceController::OnInitDialog() {
    // Only a stored 1 shows single instance, although start-up treats any value but 0 as single.
    m_nInstanceMode = m_settings.GetUseSingleInstance() == 1 ? SINGLE_INSTANCE : 1;
    CDialog::OnInitDialog();
    ShowDialogIdentity(*this, m_dialogs, L"Instance Controller - ");
    return true;
}

void CDlgInstanceController::OnOK() {
    UpdateData(SAVE_AND_VALIDATE);
    m_settings.SetUseSingleInstance(m_nInstanceMode == SINGLE_INSTANCE ? 1 : 0);
    CDialog::OnOK();
}
