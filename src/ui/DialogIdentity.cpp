#include "ui/DialogIdentity.h"

#include "fw/Wnd.h"
#include "ports/IDialogControls.h"
#include "resource.h"

void ShowDialogIdentity(CWnd& dialog, IDialogControls& dialogs, const std::wstring& captionStart) {
    dialog.SetIcon(dialogs.LoadIcon(IDI_TAPWELL));
    dialog.SetWindowText(captionStart + dialog.GetAppTitle());
}
