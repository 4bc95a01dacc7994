#include "ui/DlgRunOptions.h"

#include "resource.h"

CDlgRunOptions::CDlgRunOptions(CWnd* pParent, const WindowPorts& windows, CAppSettings& settings)
    : COptionDialog(IDD_RUN_OPTIONS, pParent, windows, settings, L"Run Options - "), m_form(settings) {}

void CDlgRunOptions::DoDataExchange(CDataExchange& dx) {
    m_form.UnsignedInt(dx, IDC_START_AFTER_SECONDS, START_AFTER_SECONDS);
    m_form.Check(dx, IDC_ENABLE_STOP_AFTER, ENABLE_STOP_AFTER);
    m_form.UnsignedInt(dx, IDC_STOP_AFTER_HOURS, STOP_AFTER_HOURS);
    m_form.UnsignedInt(dx, IDC_STOP_AFTER_MINUTES, STOP_AFTER_MINUTES);
    m_form.UnsignedInt(dx, IDC_STOP_AFTER_SECONDS, STOP_AFTER_SECONDS);
    m_form.Check(dx, IDC_ENABLE_STOP_AT, ENABLE_STOP_AT);
    m_form.UnsignedInt(dx, IDC_STOP_AT_HOUR, STOP_AT_HOUR);
    m_form.UnsignedInt(dx, IDC_STOP_AT_MINUTE, STOP_AT_MINUTE);
    m_form.Check(dx, IDC_ONLY_WHILE_IN_FRONT, ONLY_WHILE_IN_FRONT);
}
