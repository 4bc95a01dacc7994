#include "ui/DlgRandomDuration.h"

#include "fw/DataExchange.h"
#include "resource.h"
#include "ui/DialogIdentity.h"

CDlgRandomDuration::CDlgRandomDuration(CWnd* pParent, const WindowPorts& windows, CAppSettings& settings)
    : CDialog(IDD_RANDOM_DELAY, pParent, windows), m_settings(settings) {}

// The edits are not range-checked: whatever reads as an integer is stored as read.
void CDlgRandomDuration::DoDataExchange(CDataExchange& dx) {
    dx.Check(IDC_ENABLE_RANDOM_DELAY, m_bEnableRandomDelay);
    dx.Text(IDC_RANDOM_MINUTES, m_nRandomMinutes);
    dx.Text(IDC_RANDOM_MILLISECONDS, m_nRandomMilliseconds);
    dx.Text(IDC_RANDOM_SECONDS, m_nRandomSeconds);
}

bool CDlgRandomDuration::OnInitDialog() {
    m_bEnableRandomDelay = m_settings.GetEnableRandomDelay();
    m_nRandomMilliseconds = m_settings.GetRandomClicksDelayMilliSeconds();
    m_nRandomMinutes = m_settings.GetRandomClicksDelayMins();
    m_nRandomSeconds = m_settings.GetRandomClicksDelaySeconds();
    CDialog::OnInitDialog();
    ShowDialogIdentity(*this, m_dialogs, L"Random delay - ");
    return true;
}

void CDlgRandomDuration::OnOK() {
    // A field that cannot be read has been reported and has the focus; nothing is stored.
    if (!UpdateData(SAVE_AND_VALIDATE)) {
        return;
    }
    m_settings.SetEnableRandomDelay(m_bEnableRandomDelay);
    m_settings.SetRandomClicksDelayMilliSeconds(m_nRandomMilliseconds);
    m_settings.SetRandomClicksDelayMins(m_nRandomMinutes);
    m_settings.SetRandomClicksDelaySeconds(m_nRandomSeconds);
    EndDialog(IDOK);
}
