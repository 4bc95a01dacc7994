#pragma once
// A modal option dialog of the context menu: it shows whose it is (the program's icon, a caption that
// ends in the application title), reads its stored values when it opens and writes them only on a
// valid OK.
#include <cstdint>

#include "fw/Dialog.h"
#include "settings/AppSettings.h"

class COptionDialog : public CDialog {
public:
    COptionDialog(std::uint32_t templateId, CWnd* pParent, const WindowPorts& windows, CAppSettings& settings,
                  const wchar_t* captionStart);

    bool OnInitDialog() override;
    // A field that cannot be read has been reported and has the focus; nothing is stored.
    void OnOK() override;

protected:
    // Before the controls are filled from the members.
    virtual void LoadSettings() {}
    virtual void StoreSettings() = 0;

    CAppSettings& m_settings;

private:
    const wchar_t* m_pszCaptionStart;
};
