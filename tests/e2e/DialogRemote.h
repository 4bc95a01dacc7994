#pragma once
// A dialog of another process, used as a user would use it: through its controls, by identifier.
// Actions are refused (NotPossible) where a user could not act: a control that is missing, hidden or
// disabled, or a dialog disabled behind a modal window.
#include <windows.h>

#include <ostream>
#include <string>

#include "SendPool.h"

enum class ActionResult {
    Done,            // the program has handled the action
    MessageBoxShown, // the program answered with a message box, which now waits for the user
    NotPossible,
    NoResponse,
};

std::ostream& operator<<(std::ostream& out, ActionResult result);

class CDialogRemote {
public:
    CDialogRemote(HWND hDialog, CSendPool& sends);

    HWND Window() const { return m_hDialog; }
    HWND Control(int nId) const { return GetDlgItem(m_hDialog, nId); }

    // Selects a list entry by position and notifies the dialog as the list itself would.
    ActionResult SelectListEntry(int nId, int nIndex);
    // Replaces an edit's text, which makes the edit notify its dialog of the change.
    ActionResult SetText(int nId, const std::wstring& strText);
    ActionResult Click(int nId);
    // Clicks a button whose handling opens a modal window, without waiting: the click ends only when
    // that window closes.
    ActionResult StartClick(int nId);
    // Clicks through the program's message queue, as the mouse would: the click waits its turn behind
    // whatever the program has queued, and nothing here waits for it to be handled.
    ActionResult PostClick(int nId);
    // Leaves in a hotkey control what typing the combination into it would (the control does not
    // notify its dialog of a change).
    ActionResult SetHotKey(int nId, BYTE nKey, BYTE nHotKeyModifiers);

    std::wstring Text(int nId) const;
    bool IsEnabled(int nId) const;
    bool IsChecked(int nId) const;
    int ListCount(int nId) const;
    std::wstring ListText(int nId, int nIndex) const;
    int ListSelection(int nId) const;

private:
    bool CanUse(int nId) const;
    ActionResult Settle(const CAsyncSend& send) const;

    HWND m_hDialog;
    CSendPool& m_sends;
};
