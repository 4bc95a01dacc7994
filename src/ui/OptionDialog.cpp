#include "ui/OptionDialog.h"

#include "ports/IDialogControls.h"
#include "resource.h"

COptionDialog::COptionDialog(std::uint32_t templateId, CWnd* pParent, const WindowPorts& windows,
                             CAppSettings& settings, const wchar_t* captionStart)
    : CDialog(templateId, pParent, windows), m_settings(settings), m_pszCaptionStart(captionStart) {}

bool COptionDialog::OnInitDialog() {
    LoadSettings();
    CDialog::OnInitDialog();
    SetIcon(m_dialogs.LoadIcon(IDI_TAPWELL));
    SetWindowText(m_pszCaptionStart + GetAppTitle());
    return true;
}

void COptionDialog::OnOK() {
    if (UpdateData(SAVE_AND_VALIDATE)) {
        StoreSettings();
        EndDialog(IDOK);
    }
}
