#pragma once
// The modal dialog that chooses how single keys are simulated ("Normal" or "Brute") and the pause
// between a key's down and up events. It shows the stored values when it opens and stores them only
// on a valid OK.
#include "fw/Dialog.h"
#include "settings/AppSettings.h"
#include "ui/SettingsForm.h"

class CDlgSimulationMethod : public CDialog {
public:
    CDlgSimulationMethod(CWnd* pParent, const WindowPorts& windows, CAppSettings& settings);

    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    CSettingsForm m_form;
};
