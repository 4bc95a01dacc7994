// Commands of the context menu and of the dialog's buttons whose features are not built yet.
// They are routed already, so the menus stay complete; each does nothing so far.
#include "ui/PellorDlg.h"

void CPellorDlg::OnScreenshotToClipboard() {}

void CPellorDlg::OnHelpTutorials() {}

void CPellorDlg::OnSimulationSettings() {}

void CPellorDlg::OnStartTapforce() {}

void CPellorDlg::OnShareFacebook() {}

void CPellorDlg::OnShareTwitter() {}

void CPellorDlg::OnInstanceMode() {}
