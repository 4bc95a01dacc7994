#include "TargetWindow.h"

#include "Polling.h"
#include "RemoteMessages.h"
#include "WindowQueries.h"

namespace {
const DWORD FOCUS_TIMEOUT_MS = 5000;
} // namespace

bool CTargetWindow::Focus() const {
    SetForegroundWindow(m_hFrame);
    return WaitUntil([this] { return HasFocus(); }, FOCUS_TIMEOUT_MS);
}

bool CTargetWindow::HasFocus() const {
    return GetForegroundWindow() == m_hFrame && FocusOfThreadOf(m_hFrame) == m_hEdit;
}

std::wstring CTargetWindow::EditText() const {
    return AskWindowText(m_hEdit);
}
