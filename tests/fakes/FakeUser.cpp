#include "fakes/FakeUser.h"

#include "ports/Win32Constants.h"

WindowHandle FakeUser::Reach(int id, WindowHandle dialog) {
    if (dialog == 0) {
        dialog = m_windows.TopDialog();
    }
    if (dialog == 0 || !m_windows.IsWindowVisible(dialog) || !m_windows.IsWindowEnabled(dialog)) {
        return 0;
    }
    const WindowHandle control = m_windows.Control(dialog, id);
    if (control == 0 || !m_windows.IsWindowVisible(control) || !m_windows.IsWindowEnabled(control)) {
        return 0;
    }
    m_windows.GiveFocus(control);
    return control;
}

bool FakeUser::SetText(int id, const std::wstring& text, WindowHandle dialog) {
    const WindowHandle edit = Reach(id, dialog);
    if (edit == 0 || m_windows.Window(edit).kind != FakeControlKind::Edit) {
        return false;
    }
    FakeWindow& state = m_windows.MutableWindow(edit);
    state.text = text;
    state.selStart = state.selEnd = static_cast<int>(text.size());
    m_windows.NotifyParent(edit, EN_CHANGE);
    return true;
}

bool FakeUser::Type(int id, const std::wstring& characters, WindowHandle dialog) {
    const WindowHandle edit = Reach(id, dialog);
    if (edit == 0 || m_windows.Window(edit).kind != FakeControlKind::Edit) {
        return false;
    }
    bool allTaken = true;
    for (wchar_t ch : characters) {
        FakeWindow& state = m_windows.MutableWindow(edit);
        if (!state.IsLive()) {
            return false;
        }
        if (state.digitsOnly && (ch < L'0' || ch > L'9')) {
            allTaken = false;
            continue;
        }
        state.text += ch;
        state.selStart = state.selEnd = static_cast<int>(state.text.size());
        m_windows.NotifyParent(edit, EN_CHANGE);
    }
    return allTaken;
}

bool FakeUser::Backspace(int id, WindowHandle dialog) {
    const WindowHandle edit = Reach(id, dialog);
    if (edit == 0 || m_windows.Window(edit).kind != FakeControlKind::Edit) {
        return false;
    }
    FakeWindow& state = m_windows.MutableWindow(edit);
    if (state.text.empty()) {
        return true;
    }
    state.text.pop_back();
    state.selStart = state.selEnd = static_cast<int>(state.text.size());
    m_windows.NotifyParent(edit, EN_CHANGE);
    return true;
}

bool FakeUser::Click(int id, WindowHandle dialog) {
    const WindowHandle button = Reach(id, dialog);
    if (button == 0 || !m_windows.Window(button).IsButton()) {
        return false;
    }
    m_windows.ClickButton(button);
    return true;
}

bool FakeUser::Select(int id, int index, WindowHandle dialog) {
    const WindowHandle combo = Reach(id, dialog);
    if (combo == 0) {
        return false;
    }
    FakeWindow& state = m_windows.MutableWindow(combo);
    if (state.kind != FakeControlKind::ComboBox || index < 0 ||
        index >= static_cast<int>(state.items.size())) {
        return false;
    }
    state.curSel = index;
    m_windows.NotifyParent(combo, CBN_SELCHANGE);
    return true;
}

bool FakeUser::SelectText(int id, const std::wstring& text, WindowHandle dialog) {
    const WindowHandle combo = Reach(id, dialog);
    if (combo == 0) {
        return false;
    }
    const std::vector<FakeComboItem>& items = m_windows.Window(combo).items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].text == text) {
            return Select(id, static_cast<int>(i), m_windows.GetParent(combo));
        }
    }
    return false;
}

bool FakeUser::SetHotKey(int id, std::uint32_t vk, std::uint32_t modifiers, WindowHandle dialog) {
    const WindowHandle control = Reach(id, dialog);
    if (control == 0 || m_windows.Window(control).kind != FakeControlKind::HotKey) {
        return false;
    }
    m_windows.MutableWindow(control).hotKey = (vk & 0xFF) | ((modifiers & 0xFF) << 8);
    m_windows.NotifyParent(control, EN_CHANGE);
    return true;
}

void FakeUser::PressKey(std::uint32_t vk) {
    const WindowHandle target = m_windows.Focus();
    m_windows.Enqueue(Msg{target, WM_KEYDOWN, vk, 1, 0, {}});
    m_windows.Enqueue(Msg{target, WM_KEYUP, vk, static_cast<LParam>(0xC0000001u), 0, {}});
}

bool FakeUser::CloseBox(WindowHandle dialog) {
    if (dialog == 0) {
        dialog = m_windows.TopDialog();
    }
    if (dialog == 0 || !m_windows.IsWindowVisible(dialog) || !m_windows.IsWindowEnabled(dialog)) {
        return false;
    }
    m_windows.Deliver(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}
