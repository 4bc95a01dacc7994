#pragma once
// The thread's message loop over a FakeWindowTree. GetMessage drains the posted messages, then a
// pending WM_QUIT, then runs the next queued user action (QueueUserAction; it returns WM_NULL for a
// thread after an action that posted nothing), and returns false when nothing is left, so modal
// loops end.
#include <functional>

#include "fakes/FakeWindowTree.h"
#include "ports/IMessageLoop.h"

class FakeMessageLoop : public IMessageLoop {
public:
    explicit FakeMessageLoop(FakeWindowTree& tree) : m_tree(tree) {}

    bool GetMessage(Msg* msg) override {
        while (m_tree.m_posted.empty() && !m_bQuitPending && !m_userActions.empty()) {
            const std::function<void()> action = std::move(m_userActions.front());
            m_userActions.pop_front();
            action();
            // The input that carried the action is a message of its own, so the loop looks at its
            // state (EndDialog, a destroyed window) before it waits again.
            if (m_tree.m_posted.empty() && !m_bQuitPending) {
                *msg = Msg{0, WM_NULL, 0, 0, 0, {}};
                return true;
            }
        }
        if (!m_tree.m_posted.empty()) {
            *msg = m_tree.m_posted.front();
            m_tree.m_posted.pop_front();
            return msg->message != WM_QUIT;
        }
        // A pending WM_QUIT, or nothing left at all.
        *msg = m_bQuitPending ? Msg{0, WM_QUIT, static_cast<WParam>(m_quitCodes.back()), 0, 0, {}} : Msg{};
        m_nRanDry += m_bQuitPending ? 0 : 1;
        m_bQuitPending = false;
        return false;
    }
    void TranslateMessage(const Msg&) override {}
    void DispatchMessage(const Msg& msg) override {
        if (msg.hwnd != 0) {
            m_tree.Deliver(msg.hwnd, msg.message, msg.wParam, msg.lParam);
        }
    }
    // Enter clicks the default push button (IDOK without one), Escape IDCANCEL, Tab moves the focus.
    bool IsDialogMessage(WindowHandle dialog, const Msg& msg) override {
        if (m_tree.FindLive(dialog) == nullptr ||
            (msg.hwnd != dialog && !m_tree.IsDescendant(msg.hwnd, dialog))) {
            return false;
        }
        if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
            const std::vector<WindowHandle> children = m_tree.ChildrenOf(dialog);
            const auto button = std::find_if(children.begin(), children.end(), [&](WindowHandle child) {
                return m_tree.Window(child).kind == FakeControlKind::DefPushButton &&
                       m_tree.Window(child).enabled;
            });
            const int id = msg.wParam == VK_ESCAPE    ? static_cast<int>(IDCANCEL)
                           : button != children.end() ? m_tree.Window(*button).id
                                                      : static_cast<int>(IDOK);
            m_tree.Deliver(dialog, WM_COMMAND, FakeWindowTree::CommandWParam(id, BN_CLICKED),
                           static_cast<LParam>(m_tree.Control(dialog, id)));
        } else if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
            const WindowHandle next = m_tree.NextTabStop(dialog, m_tree.m_focus);
            if (next != 0) {
                m_tree.m_focus = next;
                m_tree.MutableWindow(dialog).lastFocus = next;
            }
        } else {
            m_tree.Deliver(msg.hwnd, msg.message, msg.wParam, msg.lParam);
        }
        return true;
    }
    void PostQuitMessage(int exitCode) override {
        m_tree.Log().Add(Call("PostQuitMessage", {std::to_string(exitCode)}));
        m_bQuitPending = true;
        m_quitCodes.push_back(exitCode);
    }
    LResult SendMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) override {
        m_tree.Log().Add(MessageCall("SendMessage", window, message, wParam, lParam));
        return m_tree.Deliver(window, message, wParam, lParam);
    }
    bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) override {
        m_tree.Log().Add(MessageCall("PostMessage", window, message, wParam, lParam));
        if (window != 0 && m_tree.FindLive(window) == nullptr) {
            return false;
        }
        m_tree.Enqueue(Msg{window, message, wParam, lParam, 0, {}});
        return true;
    }
    std::uint32_t RegisterWindowMessage(const std::wstring& name) override {
        m_tree.Log().Add(Call("RegisterWindowMessage", {"\"" + Narrow(name) + "\""}));
        if (m_registeredMessages.count(name) == 0) {
            m_registeredMessages[name] = 0xC000 + static_cast<std::uint32_t>(m_registeredMessages.size());
        }
        return m_registeredMessages[name];
    }

    // Runs when GetMessage finds no posted message: the user acting while a loop waits.
    void QueueUserAction(std::function<void()> action) { m_userActions.push_back(std::move(action)); }
    // Dispatches the posted messages as a dialog program's loop does (dialog keyboard handling for
    // the top-level window a message is for), until the queue is empty. User actions are not run.
    void DispatchPosted() {
        while (!m_tree.m_posted.empty()) {
            const Msg msg = m_tree.m_posted.front();
            m_tree.m_posted.pop_front();
            const WindowHandle top = m_tree.TopLevelOf(msg.hwnd);
            const FakeWindow* dialog = m_tree.FindLive(top);
            if (msg.message != WM_QUIT && (dialog == nullptr || dialog->kind != FakeControlKind::Dialog ||
                                           !IsDialogMessage(top, msg))) {
                DispatchMessage(msg);
            }
        }
    }
    std::uint32_t RegisteredMessage(const std::wstring& name) const { // 0 when never registered
        return m_registeredMessages.count(name) != 0 ? m_registeredMessages.at(name) : 0;
    }
    // Every PostQuitMessage exit code, in order (a pending WM_QUIT is also returned by GetMessage).
    const std::vector<int>& QuitCodes() const { return m_quitCodes; }
    // Times GetMessage returned false because nothing at all was left (no WM_QUIT).
    int RanDryCount() const { return m_nRanDry; }

private:
    static std::string MessageCall(const char* name, WindowHandle window, std::uint32_t message,
                                   WParam wParam, LParam lParam) {
        return Call(name, {Hex(window), Hex(message, 4), std::to_string(static_cast<std::intptr_t>(wParam)),
                           std::to_string(lParam)});
    }

    FakeWindowTree& m_tree;
    std::deque<std::function<void()>> m_userActions;
    bool m_bQuitPending = false;
    std::vector<int> m_quitCodes;
    std::map<std::wstring, std::uint32_t> m_registeredMessages;
    int m_nRanDry = 0;
};
