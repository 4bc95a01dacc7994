#pragma once
// The about box, opened from the main dialog's system menu. Its template says everything; it
// exchanges no data and closes with OK or Escape.
#include "fw/Dialog.h"
#include "ports/Platform.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg(CWnd* pParent, const Platform& platform);
};
