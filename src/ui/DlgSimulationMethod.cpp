#include "ui/DlgSimulationMethod.h"

#include "resource.h"

CDlgSimulationMethod::CDlgSimulationMethod(CWnd* pParent, const WindowPorts& windows, CAppSettings& settings)
    : COptionDialog(IDD_SIMULATION_METHOD, pParent, windows, settings, L"Settings - "), m_form(settings) {}

void CDlgSimulationMethod::DoDataExchange(CDataExchange& dx) {
    m_form.Radio(dx, {IDC_METHOD_NORMAL, IDC_METHOD_BRUTE}, USE_OLD_KEY_INPUT_METHOD);
    m_form.UnsignedInt(dx, IDC_KEY_DOWN_UP_DELAY, TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP);
}
