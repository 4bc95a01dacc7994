#pragma once
// The modal dialog that chooses how single keys are simulated ("Normal" or "Brute") and the pause
// between a key's down and up events.
#include "ui/OptionDialog.h"
#include "ui/SettingsForm.h"

class CDlgSimulationMethod : public COptionDialog {
public:
    CDlgSimulationMethod(CWnd* pParent, const WindowPorts& windows, CAppSettings& settings);

    void DoDataExchange(CDataExchange& dx) override;

private:
    void StoreSettings() override { m_form.Store(); }

    CSettingsForm m_form;
};
