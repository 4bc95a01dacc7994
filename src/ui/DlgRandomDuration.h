#pragma once
// The modal dialog that switches the random extra delay between presses on or off and sets its upper
// bound.
#include "ui/OptionDialog.h"

class CDlgRandomDuration : public COptionDialog {
public:
    CDlgRandomDuration(CWnd* pParent, const WindowPorts& windows, CAppSettings& settings);

    void DoDataExchange(CDataExchange& dx) override;

private:
    void LoadSettings() override;
    void StoreSettings() override;

    int m_bEnableRandomDelay = 0;
    int m_nRandomMinutes = 0;
    int m_nRandomMilliseconds = 0;
    int m_nRandomSeconds = 0;
};
