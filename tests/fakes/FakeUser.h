#pragma once
// A user in front of FakeWindows: types, clicks, picks list items, presses keys.
//
// Each action names a control by identifier, in the given dialog or, when dialog is 0, in the
// most recently created dialog still open (a modal dialog over the main one). An action returns
// false and changes nothing when a user could not do it: the control is missing, hidden or
// disabled, or its dialog is hidden or disabled (as the main dialog is behind a modal one).
// Acting on a control first gives it the focus, as a click would.
#include "fakes/FakeWindows.h"

class FakeUser {
public:
    explicit FakeUser(FakeWindows& windows) : m_windows(windows) {}

    // Replaces the whole text of an edit at once (select all, paste): one EN_CHANGE.
    bool SetText(int id, const std::wstring& text, WindowHandle dialog = 0) {
        FakeWindow* edit = Reach(id, dialog, FakeControlKind::Edit);
        return edit != nullptr && Change(*edit, text);
    }
    bool Clear(int id, WindowHandle dialog = 0) { return SetText(id, L"", dialog); }
    // Types characters at the end of the text, one EN_CHANGE each; an edit for digits only
    // refuses any other character (and the action then returns false).
    bool Type(int id, const std::wstring& characters, WindowHandle dialog = 0) {
        FakeWindow* edit = Reach(id, dialog, FakeControlKind::Edit);
        bool allTaken = edit != nullptr;
        for (wchar_t ch : edit != nullptr ? characters : std::wstring()) {
            if (!edit->IsLive()) {
                return false;
            }
            if (edit->digitsOnly && (ch < L'0' || ch > L'9')) {
                allTaken = false;
            } else {
                Change(*edit, edit->text + ch);
            }
        }
        return allTaken;
    }
    // Removes the last character, as Backspace at the end of the text does.
    bool Backspace(int id, WindowHandle dialog = 0) {
        FakeWindow* edit = Reach(id, dialog, FakeControlKind::Edit);
        return edit != nullptr &&
               (edit->text.empty() || Change(*edit, edit->text.substr(0, edit->text.size() - 1)));
    }
    // A push button, check box or radio button: BN_CLICKED (a check box toggles first).
    bool Click(int id, WindowHandle dialog = 0) {
        FakeWindow* button = Reach(id, dialog);
        if (button != nullptr && button->IsButton()) {
            m_windows.ClickButton(button->handle);
        }
        return button != nullptr && button->IsButton();
    }
    // Picks the item at index of a combo box: CBN_SELCHANGE.
    bool Select(int id, int index, WindowHandle dialog = 0) {
        FakeWindow* combo = Reach(id, dialog, FakeControlKind::ComboBox);
        if (combo == nullptr || index < 0 || index >= static_cast<int>(combo->items.size())) {
            return false;
        }
        combo->curSel = index;
        m_windows.NotifyParent(combo->handle, CBN_SELCHANGE);
        return true;
    }
    // Presses a combination in a hotkey control (modifiers are HOTKEYF_*): EN_CHANGE.
    bool SetHotKey(int id, std::uint32_t vk, std::uint32_t modifiers, WindowHandle dialog = 0) {
        FakeWindow* control = Reach(id, dialog, FakeControlKind::HotKey);
        if (control != nullptr) {
            control->hotKey = (vk & 0xFF) | ((modifiers & 0xFF) << 8);
            m_windows.NotifyParent(control->handle, EN_CHANGE);
        }
        return control != nullptr;
    }
    // Posts WM_KEYDOWN and WM_KEYUP to the focused window; the dialog loop turns Enter into the
    // default button's command and Escape into IDCANCEL.
    void PressKey(std::uint32_t vk) {
        m_windows.Enqueue(Msg{m_windows.Focus(), WM_KEYDOWN, vk, 1, 0, {}});
        m_windows.Enqueue(Msg{m_windows.Focus(), WM_KEYUP, vk, static_cast<LParam>(0xC0000001u), 0, {}});
    }
    // The close box: WM_SYSCOMMAND SC_CLOSE, sent to the dialog.
    bool CloseBox(WindowHandle dialog = 0) {
        dialog = dialog != 0 ? dialog : m_windows.TopDialog();
        if (!Reachable(dialog)) {
            return false;
        }
        m_windows.Deliver(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }

private:
    bool Reachable(WindowHandle window) {
        return m_windows.IsWindowVisible(window) && m_windows.IsWindowEnabled(window);
    }
    // The control if the user can reach it and it is of kind (Window: any), given the focus; else null.
    FakeWindow* Reach(int id, WindowHandle dialog, FakeControlKind kind = FakeControlKind::Window) {
        dialog = dialog != 0 ? dialog : m_windows.TopDialog();
        const WindowHandle control = Reachable(dialog) ? m_windows.Control(dialog, id) : 0;
        if (!Reachable(control)) {
            return nullptr;
        }
        m_windows.GiveFocus(control);
        FakeWindow& state = m_windows.MutableWindow(control);
        return kind == FakeControlKind::Window || state.kind == kind ? &state : nullptr;
    }
    // An edit's new text, with the caret at its end: EN_CHANGE.
    bool Change(FakeWindow& edit, const std::wstring& text) {
        edit.text = text;
        edit.selStart = edit.selEnd = static_cast<int>(text.size());
        m_windows.NotifyParent(edit.handle, EN_CHANGE);
        return true;
    }

    FakeWindows& m_windows;
};
