#include "ui/DlgRandomDuration.h"

#include "fw/DataExchange.h"
#include "resource.h"

CDlgRandomDuration::CDlgRandomDuration(CWnd* pParent, const WindowPorts& windows, CAppSettings& settings)
    : COptionDialog(IDD_RANDOM_DELAY, pParent, windows, settings, L"Random delay - ") {}

// The edits are not range-checked: whatever reads as an integer is stored as read.
void CDlgRandomDuration::DoDataExchange(CDataExchange& dx) {
    dx.Check(IDC_ENABLE_RANDOM_DELAY, m_bEnableRandomDelay);
    dx.Text(IDC_RANDOM_MINUTES, m_nRandomMinutes);
    dx.Text(IDC_RANDOM_MILLISECONDS, m_nRandomMilliseconds);
    dx.Text(IDC_RANDOM_SECONDS, m_nRandomSeconds);
}

void CDlgRandomDuration::LoadSettings() {
    m_bEnableRandomDelay = m_settings.GetEnableRandomDelay();
    m_nRandomMilliseconds = m_settings.GetRandomClicksDelayMilliSeconds();
    m_nRandomMinutes = m_settings.GetRandomClicksDelayMins();
    m_nRandomSeconds = m_settings.GetRandomClicksDelaySeconds();
}

void CDlgRandomDuration::StoreSettings() {
    m_settings.SetEnableRandomDelay(m_bEnableRandomDelay);
    m_settings.SetRandomClicksDelayMilliSeconds(m_nRandomMilliseconds);
    m_settings.SetRandomClicksDelayMins(m_nRandomMinutes);
    m_settings.SetRandomClicksDelaySeconds(m_nRandomSeconds);
}
