#pragma once
// A static control of a dialog, bound with CDataExchange::Control.
#include "fw/Wnd.h"

class CStatic : public CWnd {
public:
    explicit CStatic(const WindowPorts& windows) : CWnd(windows) {}

    // STM_SETICON; returns the previous icon.
    IconHandle SetIcon(IconHandle icon);
};
