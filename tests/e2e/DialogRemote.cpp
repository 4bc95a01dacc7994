#include "DialogRemote.h"

#include <commctrl.h>

#include <vector>

#include "MessageBoxes.h"
#include "Polling.h"
#include "RemoteMessages.h"
#include "WindowQueries.h"

namespace {
const DWORD ACTION_TIMEOUT_MS = 10000;
} // namespace

std::ostream& operator<<(std::ostream& out, ActionResult result) {
    switch (result) {
    case ActionResult::Done:
        return out << "Done";
    case ActionResult::MessageBoxShown:
        return out << "MessageBoxShown";
    case ActionResult::NotPossible:
        return out << "NotPossible";
    case ActionResult::NoResponse:
        return out << "NoResponse";
    }
    return out << "?";
}

CDialogRemote::CDialogRemote(HWND hDialog, CSendPool& sends) : m_hDialog(hDialog), m_sends(sends) {}

ActionResult CDialogRemote::SelectListEntry(int nId, int nIndex) {
    if (!CanUse(nId)) {
        return ActionResult::NotPossible;
    }
    HWND hList = Control(nId);
    if (AskWindow(hList, CB_SETCURSEL, static_cast<WPARAM>(nIndex)) != nIndex) {
        return ActionResult::NotPossible;
    }
    return Settle(
        m_sends.Send(m_hDialog, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hList)));
}

ActionResult CDialogRemote::SetText(int nId, const std::wstring& strText) {
    if (!CanUse(nId)) {
        return ActionResult::NotPossible;
    }
    return Settle(m_sends.SendText(Control(nId), WM_SETTEXT, 0, strText));
}

ActionResult CDialogRemote::Click(int nId) {
    if (!CanUse(nId)) {
        return ActionResult::NotPossible;
    }
    return Settle(m_sends.Send(Control(nId), BM_CLICK, 0, 0));
}

ActionResult CDialogRemote::StartClick(int nId) {
    if (!CanUse(nId)) {
        return ActionResult::NotPossible;
    }
    m_sends.Send(Control(nId), BM_CLICK, 0, 0);
    return ActionResult::Done;
}

ActionResult CDialogRemote::PostClick(int nId) {
    if (!CanUse(nId)) {
        return ActionResult::NotPossible;
    }
    return PostMessageW(Control(nId), BM_CLICK, 0, 0) ? ActionResult::Done : ActionResult::NotPossible;
}

ActionResult CDialogRemote::SetHotKey(int nId, BYTE nKey, BYTE nHotKeyModifiers) {
    if (!CanUse(nId)) {
        return ActionResult::NotPossible;
    }
    return Settle(m_sends.Send(Control(nId), HKM_SETHOTKEY, MAKEWORD(nKey, nHotKeyModifiers), 0));
}

std::wstring CDialogRemote::Text(int nId) const {
    return AskWindowText(Control(nId));
}

bool CDialogRemote::IsEnabled(int nId) const {
    HWND hControl = Control(nId);
    return hControl && IsWindowEnabled(hControl);
}

bool CDialogRemote::IsChecked(int nId) const {
    return AskWindow(Control(nId), BM_GETCHECK) == BST_CHECKED;
}

int CDialogRemote::ListCount(int nId) const {
    return static_cast<int>(AskWindow(Control(nId), CB_GETCOUNT));
}

std::wstring CDialogRemote::ListText(int nId, int nIndex) const {
    HWND hList = Control(nId);
    const LRESULT nLength = AskWindow(hList, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex));
    if (nLength <= 0) {
        return std::wstring();
    }
    std::vector<wchar_t> text(static_cast<size_t>(nLength) + 1, L'\0');
    const LRESULT nCopied =
        AskWindow(hList, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text.data()));
    return std::wstring(text.data(), static_cast<size_t>(nCopied > 0 ? nCopied : 0));
}

int CDialogRemote::ListSelection(int nId) const {
    return static_cast<int>(AskWindow(Control(nId), CB_GETCURSEL));
}

bool CDialogRemote::CanUse(int nId) const {
    HWND hControl = Control(nId);
    return hControl && IsWindowVisible(hControl) && IsWindowEnabled(hControl) && IsWindowEnabled(m_hDialog);
}

ActionResult CDialogRemote::Settle(const CAsyncSend& send) const {
    const DWORD nProcessId = WindowProcessId(m_hDialog);
    bool bBoxShown = false;
    const bool bSettled = WaitUntil(
        [&] {
            if (send.IsDone()) {
                return true;
            }
            bBoxShown = FindMessageBox(nProcessId) != nullptr;
            return bBoxShown;
        },
        ACTION_TIMEOUT_MS);
    if (!bSettled) {
        return ActionResult::NoResponse;
    }
    return bBoxShown ? ActionResult::MessageBoxShown : ActionResult::Done;
}
