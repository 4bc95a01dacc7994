#include "ui/AboutDlg.h"

#include "resource.h"

CAboutDlg::CAboutDlg(CWnd* pParent, const Platform& platform)
    : CDialog(IDD_ABOUT_DIALOG, pParent, platform.windows) {}
