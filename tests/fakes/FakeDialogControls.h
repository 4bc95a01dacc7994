#pragma once
// Dialogs, controls and texts over a FakeWindowTree. Dialogs come from templates the test describes
// (FakeDialogTemplate) and get WM_INITDIALOG as the system gives it; a new text of an edit notifies
// EN_CHANGE; message boxes are recorded and answered as the test queues.
#include <functional>

#include "fakes/FakeDialogTemplate.h"
#include "fakes/FakeWindowTree.h"
#include "ports/IDialogControls.h"

struct MessageBoxRecord {
    WindowHandle owner = 0;
    std::wstring text;
    std::wstring caption;
    std::uint32_t type = 0;
};

class FakeDialogControls : public IDialogControls {
public:
    explicit FakeDialogControls(FakeWindowTree& tree); // IDS_APP_TITLE holds the title

    WindowHandle CreateDialogFromTemplate(std::uint32_t templateId, WindowHandle parent,
                                          IWindowProcedure* procedure) override;
    bool DestroyWindow(WindowHandle window) override { return m_tree.DestroyWindow(window); }
    WindowHandle GetDlgItem(WindowHandle dialog, int id) override { return m_tree.Control(dialog, id); }
    bool SetWindowText(WindowHandle window, const std::wstring& text) override {
        FakeWindow* target = Logged(Call("SetWindowText", {Hex(window), Quoted(text)}), window);
        if (target != nullptr) {
            target->text = text;
        }
        if (target != nullptr && target->kind == FakeControlKind::Edit) {
            target->selStart = target->selEnd = 0;
            m_tree.NotifyParent(window, EN_CHANGE);
        }
        return target != nullptr;
    }
    bool EnableWindow(WindowHandle window, bool enable) override {
        FakeWindow* target = Logged(Call("EnableWindow", {Hex(window), BoolText(enable)}), window);
        if (target == nullptr) {
            return false;
        }
        m_tree.m_focus = !enable && m_tree.m_focus == window ? 0 : m_tree.m_focus;
        return !std::exchange(target->enabled, enable);
    }
    bool ShowWindow(WindowHandle window, int command) override;
    WindowHandle SetFocus(WindowHandle window) override {
        const WindowHandle previous = m_tree.m_focus;
        if (Logged(Call("SetFocus", {Hex(window)}), window) == nullptr && window != 0) {
            return 0;
        }
        m_tree.GiveFocus(window);
        return previous;
    }
    WindowHandle GetFocus() override { return m_tree.m_focus; }
    bool SetForegroundWindow(WindowHandle window) override {
        if (Logged(Call("SetForegroundWindow", {Hex(window)}), window) == nullptr) {
            return false;
        }
        m_tree.m_foreground = window;
        m_tree.Activate(window);
        return true;
    }
    WindowHandle SetActiveWindow(WindowHandle window) override {
        const WindowHandle previous = m_tree.m_active;
        if (Logged(Call("SetActiveWindow", {Hex(window)}), window) == nullptr) {
            return 0;
        }
        m_tree.Activate(window);
        return previous;
    }
    int ComboAddString(WindowHandle combo, const std::wstring& text) override {
        FakeWindow* target = Logged(Call("ComboAddString", {Hex(combo), Quoted(text)}), combo);
        if (target == nullptr || target->kind != FakeControlKind::ComboBox) {
            return CB_ERR;
        }
        target->items.push_back(FakeComboItem{text, 0});
        return static_cast<int>(target->items.size()) - 1;
    }
    std::wstring ComboGetItemText(WindowHandle combo, int index) override {
        const FakeWindow* target = m_tree.FindLive(combo);
        const bool valid = target != nullptr && index >= 0 && index < static_cast<int>(target->items.size());
        return valid ? target->items[static_cast<std::size_t>(index)].text : L"";
    }
    WindowHandle CreateToolTip(WindowHandle owner) override {
        if (Logged(Call("CreateToolTip", {Hex(owner)}), owner) == nullptr || m_bToolTipsFail) {
            return 0;
        }
        FakeWindow& toolTip = m_tree.NewWindow(FakeControlKind::Window, owner, false, L"tooltips_class32");
        toolTip.visible = false;
        return toolTip.handle;
    }
    bool AddTool(WindowHandle toolTip, WindowHandle owner, WindowHandle tool,
                 const std::wstring& text) override {
        FakeWindow* target =
            Logged(Call("AddTool", {Hex(toolTip), Hex(owner), Hex(tool), Quoted(text)}), toolTip);
        if (target != nullptr) {
            target->tools.push_back(FakeTool{owner, tool, text});
        }
        return target != nullptr;
    }
    int MessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                   std::uint32_t type) override {
        m_tree.Log().Add(Call("MessageBox", {Hex(owner), Quoted(text), Quoted(caption), Hex(type)}));
        m_messageBoxes.push_back(MessageBoxRecord{owner, text, caption, type});
        if (!m_messageBoxActions.empty()) {
            const std::function<void()> action = std::move(m_messageBoxActions.front());
            m_messageBoxActions.pop_front();
            action();
        }
        const int answer = m_messageBoxAnswers.empty() ? static_cast<int>(IDOK) : m_messageBoxAnswers.front();
        if (!m_messageBoxAnswers.empty()) {
            m_messageBoxAnswers.pop_front();
        }
        return answer;
    }
    std::wstring LoadString(std::uint32_t id) override { return m_strings[id]; }
    IconHandle LoadIcon(std::uint32_t id) override {
        return m_tree.LogCall(Call("LoadIcon", {std::to_string(id)}), IconOf(id));
    }

    void AddDialogTemplate(std::uint32_t templateId, FakeDialogTemplate dialogTemplate) {
        m_templates[templateId] = std::move(dialogTemplate);
    }
    void SetString(std::uint32_t id, const std::wstring& text) { m_strings[id] = text; }
    void SetToolTipsFail(bool fail) { m_bToolTipsFail = fail; }
    // Answers for the next message boxes, in order; afterwards each answers IDOK.
    void QueueMessageBoxAnswer(int answer) { m_messageBoxAnswers.push_back(answer); }
    // Runs while the next message box is up: what its own message loop would deliver meanwhile.
    void DuringNextMessageBox(std::function<void()> action) {
        m_messageBoxActions.push_back(std::move(action));
    }
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return m_messageBoxes; }
    void ClearMessageBoxes() { m_messageBoxes.clear(); }
    static IconHandle IconOf(std::uint32_t resourceId) { return 0x0001'0000 | resourceId; }

private:
    static std::string Quoted(const std::wstring& text) { return "\"" + Narrow(text) + "\""; }
    // Logs the call; the window it is made on, null when that is gone.
    FakeWindow* Logged(const std::string& call, WindowHandle window) {
        m_tree.Log().Add(call);
        return m_tree.FindLive(window);
    }

    FakeWindowTree& m_tree;
    std::map<std::uint32_t, FakeDialogTemplate> m_templates;
    std::map<std::uint32_t, std::wstring> m_strings;
    std::vector<MessageBoxRecord> m_messageBoxes;
    std::deque<int> m_messageBoxAnswers;
    std::deque<std::function<void()>> m_messageBoxActions;
    bool m_bToolTipsFail = false;
};
