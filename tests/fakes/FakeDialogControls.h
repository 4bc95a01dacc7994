#pragma once
// Dialogs, controls and texts over a FakeWindowTree. Dialogs are created from templates the test
// describes (FakeDialogTemplate); creation delivers WM_INITDIALOG to the procedure as the system
// does. Changing an edit's text notifies its parent with EN_CHANGE, as a real edit does. Message
// boxes are recorded and answered as the test queues; the program's calls go to the tree's log.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "fakes/FakeDialogTemplate.h"
#include "fakes/FakeWindowTree.h"
#include "ports/IDialogControls.h"
#include "ports/Win32Constants.h"

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
    bool SetWindowText(WindowHandle window, const std::wstring& text) override;
    bool EnableWindow(WindowHandle window, bool enable) override; // true when it was disabled
    bool ShowWindow(WindowHandle window, int command) override;   // true when it was visible
    WindowHandle SetFocus(WindowHandle window) override {
        m_tree.Log().Add(Call("SetFocus", {Hex(window)}));
        const WindowHandle previous = m_tree.m_focus;
        if (window != 0 && m_tree.FindLive(window) == nullptr) {
            return 0;
        }
        m_tree.GiveFocus(window);
        return previous;
    }
    WindowHandle GetFocus() override { return m_tree.m_focus; }
    bool SetForegroundWindow(WindowHandle window) override {
        m_tree.Log().Add(Call("SetForegroundWindow", {Hex(window)}));
        if (m_tree.FindLive(window) == nullptr) {
            return false;
        }
        m_tree.m_foreground = window;
        m_tree.Activate(window);
        return true;
    }
    WindowHandle SetActiveWindow(WindowHandle window) override {
        m_tree.Log().Add(Call("SetActiveWindow", {Hex(window)}));
        const WindowHandle previous = m_tree.m_active;
        if (m_tree.FindLive(window) == nullptr) {
            return 0;
        }
        m_tree.Activate(window);
        return previous;
    }
    int ComboAddString(WindowHandle combo, const std::wstring& text) override {
        m_tree.Log().Add(Call("ComboAddString", {Hex(combo), Quoted(text)}));
        FakeWindow* target = m_tree.FindLive(combo);
        if (target == nullptr || target->kind != FakeControlKind::ComboBox) {
            return CB_ERR;
        }
        target->items.push_back(FakeComboItem{text, 0});
        return static_cast<int>(target->items.size()) - 1;
    }
    std::wstring ComboGetItemText(WindowHandle combo, int index) override {
        const FakeWindow* target = m_tree.FindLive(combo);
        if (target == nullptr || index < 0 || index >= static_cast<int>(target->items.size())) {
            return L"";
        }
        return target->items[static_cast<std::size_t>(index)].text;
    }
    WindowHandle CreateToolTip(WindowHandle owner) override {
        m_tree.Log().Add(Call("CreateToolTip", {Hex(owner)}));
        if (m_bToolTipsFail || m_tree.FindLive(owner) == nullptr) {
            return 0;
        }
        FakeWindow& toolTip = m_tree.NewWindow(FakeControlKind::Window, owner, false, L"tooltips_class32");
        toolTip.visible = false;
        return toolTip.handle;
    }
    bool AddTool(WindowHandle toolTip, WindowHandle owner, WindowHandle tool,
                 const std::wstring& text) override {
        m_tree.Log().Add(Call("AddTool", {Hex(toolTip), Hex(owner), Hex(tool), Quoted(text)}));
        FakeWindow* target = m_tree.FindLive(toolTip);
        if (target != nullptr) {
            target->tools.push_back(FakeTool{owner, tool, text});
        }
        return target != nullptr;
    }
    int MessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                   std::uint32_t type) override;
    std::wstring LoadString(std::uint32_t id) override { return m_strings[id]; }
    IconHandle LoadIcon(std::uint32_t id) override {
        m_tree.Log().Add(Call("LoadIcon", {std::to_string(id)}));
        return IconOf(id);
    }

    void AddDialogTemplate(std::uint32_t templateId, FakeDialogTemplate dialogTemplate) {
        m_templates[templateId] = std::move(dialogTemplate);
    }
    void SetString(std::uint32_t id, const std::wstring& text) {
        m_strings[id] = text;
    } // IDS_APP_TITLE holds the title
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

    FakeWindowTree& m_tree;
    std::map<std::uint32_t, FakeDialogTemplate> m_templates;
    std::map<std::uint32_t, std::wstring> m_strings;
    std::vector<MessageBoxRecord> m_messageBoxes;
    std::deque<int> m_messageBoxAnswers;
    std::deque<std::function<void()>> m_messageBoxActions;
    bool m_bToolTipsFail = false;
};
