#pragma once
// An edit control of a dialog, bound with CDataExchange::Control.
#include "fw/Wnd.h"

class CEdit : public CWnd {
public:
    explicit CEdit(const WindowPorts& windows) : CWnd(windows) {}

    // EM_SETSEL: (0, -1) selects the whole text.
    void SetSel(int start, int end);
};
