#pragma once
// The modal dialog that chooses between one instance of the program and several side by side. The
// choice is stored on OK and takes effect at the next start; running instances go on as they are.
#include "ui/OptionDialog.h"

class CDlgInstanceController : public COptionDialog {
public:
    CDlgInstanceController(CWnd* pParent, const WindowPorts& windows, CAppSettings& settings);

    void DoDataExchange(CDataExchange& dx) override;

private:
    void LoadSettings() override;
    void StoreSettings() override;

    // Index of the checked radio button: 0 single instance, 1 multiple instances, -1 neither.
    int m_nInstanceMode = -1;
};
