#include "ui/ToolTipCtrl.h"

#include "ports/Win32Constants.h"

// RelayEvent hands the control a Msg where it expects a MSG: same fields, same 28 bytes in the
// 32-bit build.
static_assert(sizeof(void*) != 4 || sizeof(Msg) == 28, "Msg must keep the layout of MSG");

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd != 0) {
        m_dialogs.DestroyWindow(Detach());
    }
}

bool CToolTipCtrl::Create(const CWnd& owner) {
    Attach(m_dialogs.CreateToolTip(owner.GetSafeHwnd()));
    return m_hWnd != 0;
}

bool CToolTipCtrl::AddTool(const CWnd& owner, WindowHandle tool, const std::wstring& text) {
    return m_hWnd != 0 && m_dialogs.AddTool(m_hWnd, owner.GetSafeHwnd(), tool, text);
}

void CToolTipCtrl::Activate(bool activate) {
    if (m_hWnd != 0) {
        SendMessage(TTM_ACTIVATE, activate ? 1 : 0, 0);
    }
}

void CToolTipCtrl::RelayEvent(const Msg& msg) {
    if (m_hWnd != 0) {
        SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LParam>(&msg));
    }
}
