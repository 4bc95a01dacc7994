#include "ui/DlgInstanceController.h"

#include "fw/DataExchange.h"
#include "resource.h"

namespace {
constexpr int SINGLE_INSTANCE = 0;
} // namespace

CDlgInstanceController::CDlgInstanceController(CWnd* pParent, const WindowPorts& windows,
                                               CAppSettings& settings)
    : COptionDialog(IDD_INSTANCE_MODE, pParent, windows, settings, L"Instance Controller - ") {}

void CDlgInstanceController::DoDataExchange(CDataExchange& dx) {
    dx.Radio({IDC_SINGLE_INSTANCE, IDC_MULTIPLE_INSTANCES}, m_nInstanceMode);
}

void CDlgInstanceController::LoadSettings() {
    // Only a stored 1 shows single instance, although start-up treats any value but 0 as single.
    m_nInstanceMode = m_settings.GetUseSingleInstance() == 1 ? SINGLE_INSTANCE : 1;
}

void CDlgInstanceController::StoreSettings() {
    m_settings.SetUseSingleInstance(m_nInstanceMode == SINGLE_INSTANCE ? 1 : 0);
}
