#pragma once
// A user in front of FakeWindows: types, clicks, picks list items, presses keys.
//
// Each action names a control by identifier, in the given dialog or, when dialog is 0, in the
// most recently created dialog still open (a modal dialog over the main one). An action returns
// false and changes nothing when a user could not do it: the control is missing, hidden or
// disabled, or its dialog is hidden or disabled (as the main dialog is behind a modal one).
// Acting on a control first gives it the focus, as a click would.
#include <cstdint>
#include <string>

#include "fakes/FakeWindows.h"

class FakeUser {
public:
    explicit FakeUser(FakeWindows& windows) : m_windows(windows) {}

    // Replaces the whole text of an edit at once (select all, paste): one EN_CHANGE.
    bool SetText(int id, const std::wstring& text, WindowHandle dialog = 0);
    bool Clear(int id, WindowHandle dialog = 0) { return SetText(id, L"", dialog); }
    // Types characters at the end of the text, one EN_CHANGE each; an edit for digits only
    // refuses any other character (and the action then returns false).
    bool Type(int id, const std::wstring& characters, WindowHandle dialog = 0);
    // Removes the last character, as Backspace at the end of the text does.
    bool Backspace(int id, WindowHandle dialog = 0);
    // A push button, check box or radio button: BN_CLICKED (a check box toggles first).
    bool Click(int id, WindowHandle dialog = 0);
    // Picks the item at index of a combo box: CBN_SELCHANGE.
    bool Select(int id, int index, WindowHandle dialog = 0);
    bool SelectText(int id, const std::wstring& text, WindowHandle dialog = 0);
    // Presses a combination in a hotkey control (modifiers are HOTKEYF_*): EN_CHANGE.
    bool SetHotKey(int id, std::uint32_t vk, std::uint32_t modifiers, WindowHandle dialog = 0);
    // Posts WM_KEYDOWN and WM_KEYUP to the focused window; the dialog loop turns Enter into the
    // default button's command and Escape into IDCANCEL.
    void PressKey(std::uint32_t vk);
    // The close box: WM_SYSCOMMAND SC_CLOSE, sent to the dialog.
    bool CloseBox(WindowHandle dialog = 0);

private:
    // The control if the user can reach it (and gives it the focus), else 0.
    WindowHandle Reach(int id, WindowHandle dialog);

    FakeWindows& m_windows;
};
