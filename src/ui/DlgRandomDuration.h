#pragma once
// The modal dialog that switches the random extra delay between presses on or off and sets its upper
// bound. It reads its four settings when it opens and writes them only on a valid OK.
#include "fw/Dialog.h"
#include "settings/AppSettings.h"

class CDlgRandomDuration : public CDialog {
public:
    CDlgRandomDuration(CWnd* pParent, const WindowPorts& windows, CAppSettings& settings);

    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    CAppSettings& m_settings;
    int m_bEnableRandomDelay = 0;
    int m_nRandomMinutes = 0;
    int m_nRandomMilliseconds = 0;
    int m_nRandomSeconds = 0;
};
