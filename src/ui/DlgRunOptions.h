#pragma once
// The modal dialog of the run options: a countdown before the first press, a time the run may last,
// a clock time it ends at, and whether a run into the focused window waits while another is in front.
#include "ui/OptionDialog.h"
#include "ui/SettingsForm.h"

class CDlgRunOptions : public COptionDialog {
public:
    CDlgRunOptions(CWnd* pParent, const WindowPorts& windows, CAppSettings& settings);

    void DoDataExchange(CDataExchange& dx) override;

private:
    void StoreSettings() override { m_form.Store(); }

    CSettingsForm m_form;
};
