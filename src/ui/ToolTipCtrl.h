#pragma once
// A tooltip control owned by a window: tips for some of its controls, shown once the control has
// been activated and is given the mouse messages of the owner (RelayEvent). Destroying the object
// destroys the control's window.
#include <string>

#include "fw/Wnd.h"

class CToolTipCtrl : public CWnd {
public:
    explicit CToolTipCtrl(const WindowPorts& windows) : CWnd(windows) {}
    ~CToolTipCtrl() override;

    // False when the system could not create the control; the object then does nothing.
    bool Create(const CWnd& owner);
    bool AddTool(const CWnd& owner, WindowHandle tool, const std::wstring& text);
    void Activate(bool activate);
    void RelayEvent(const Msg& msg);
};
