#include "ui/DialogIdentity.h"

#include "fw/Wnd.h"
#include "ports/IWindows.h"
#include "resource.h"

void ShowDialogIdentity(CWnd& dialog, IWindows& windows, const std::wstring& captionStart) {
    dialog.SetIcon(windows.LoadIcon(IDI_TAPWELL));
    dialog.SetWindowText(captionStart + dialog.GetAppTitle());
}
