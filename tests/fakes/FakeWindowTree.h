#pragma once
// The in-memory window system the role fakes share: the windows and their arrangement, the focus
// and the active window, the thread's queue, and messages delivered to a window's procedure, with
// the system's default dialog processing for what it leaves (WM_CLOSE posts IDCANCEL, SC_CLOSE
// sends WM_CLOSE). The role fakes log the program's calls in Log(); a test sets the scene here.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fakes/CallLog.h"
#include "fakes/FakeWindow.h"
#include "ports/Win32Constants.h"
#include "ports/WinTypes.h"

class FakeWindowTree {
    static constexpr std::pair<FakeControlKind, const wchar_t*> CLASS_NAMES[] = {
        {FakeControlKind::PushButton, L"Button"},      {FakeControlKind::DefPushButton, L"Button"},
        {FakeControlKind::CheckBox, L"Button"},        {FakeControlKind::Radio, L"Button"},
        {FakeControlKind::GroupBox, L"Button"},        {FakeControlKind::Edit, L"Edit"},
        {FakeControlKind::ComboBox, L"ComboBox"},      {FakeControlKind::Static, L"Static"},
        {FakeControlKind::HotKey, L"msctls_hotkey32"}, {FakeControlKind::Dialog, L"#32770"},
    };

public:
    static constexpr std::uint32_t OWN_PROCESS_ID = 1000;
    static constexpr std::uint32_t OWN_THREAD_ID = 1001;

    // --- Setting the scene ---
    // Another program's window (no procedure), or a child of any window.
    WindowHandle AddTopLevelWindow(const std::wstring& title, const std::wstring& className, Rect rect = {},
                                   std::uint32_t processId = OWN_PROCESS_ID + 1,
                                   std::uint32_t threadId = OWN_THREAD_ID + 1) {
        FakeWindow& window = NewWindow(FakeControlKind::Window, 0, false, className, processId, threadId);
        window.text = title;
        window.rect = rect;
        return window.handle;
    }
    // A child of another program's window is that program's; a button, edit, static, combo box or
    // hotkey control by its class answers as such.
    WindowHandle AddChildWindow(WindowHandle parent, const std::wstring& className, int id, Rect rect = {},
                                const std::wstring& text = L"") {
        FakeControlKind kind = FakeControlKind::Window;
        for (auto it = std::rbegin(CLASS_NAMES); it != std::rend(CLASS_NAMES); ++it) {
            kind = it->second == className && it->first != FakeControlKind::Dialog ? it->first : kind;
        }
        FakeWindow& window =
            NewWindow(kind, parent, true, className, Window(parent).processId, Window(parent).threadId);
        window.id = id;
        window.rect = rect;
        window.text = text;
        return window.handle;
    }
    // A child's rectangle is relative to its parent's client area.
    void SetWindowRect(WindowHandle window, Rect rect) { MutableWindow(window).rect = rect; }
    void SetIconic(WindowHandle window, bool iconic) { MutableWindow(window).iconic = iconic; }
    // A window (of this program unless told); an empty class name stands for the class of kind.
    FakeWindow& NewWindow(FakeControlKind kind, WindowHandle parent, bool child,
                          const std::wstring& className = L"", std::uint32_t processId = OWN_PROCESS_ID,
                          std::uint32_t threadId = OWN_THREAD_ID) {
        FakeWindow& window = m_windows[m_nextHandle];
        window.handle = m_nextHandle;
        m_nextHandle += 4;
        window.kind = kind;
        window.className = className;
        for (const auto& entry : CLASS_NAMES) {
            window.className = className.empty() && entry.first == kind ? entry.second : window.className;
        }
        window.parent = parent;
        window.child = child;
        window.processId = processId;
        window.threadId = threadId;
        m_order.push_back(window.handle);
        return window;
    }
    // DestroyWindow as the program calls it (logged): owned windows first, then WM_DESTROY, the
    // children, WM_NCDESTROY; the focus, and the activation of a destroyed active window, move on.
    bool DestroyWindow(WindowHandle window) {
        FakeWindow* target = FindLive(window);
        if (target == nullptr || target->destroying) {
            return false;
        }
        m_log.Add(Call("DestroyWindow", {Hex(window)}));
        target->destroying = true;
        const bool focusInside = m_focus == window || IsDescendant(m_focus, window);
        for (WindowHandle other : TopLevelWindows()) {
            const FakeWindow& owned = m_windows.at(other);
            if (!owned.child && owned.parent == window && !owned.destroying) {
                DestroyWindow(other);
            }
        }
        Deliver(window, WM_DESTROY, 0, 0);
        DestroyChildren(window);
        Deliver(window, WM_NCDESTROY, 0, 0);

        target->destroyed = true;
        m_focus = focusInside ? 0 : m_focus;
        if (m_active == window) {
            m_active = 0;
            const FakeWindow* owner = FindLive(target->parent);
            if (!target->child && owner != nullptr && owner->enabled && owner->visible) {
                Activate(target->parent);
            }
        }
        return true;
    }

    // --- Running messages (as the system or the user does; not logged as calls of the program) ---
    // Sends a message straight to the window: its procedure, then the default processing.
    LResult Deliver(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
        FakeWindow* target = FindLive(window);
        LResult result = 0;
        if (target == nullptr) {
            return 0;
        }
        if (target->procedure != nullptr) {
            return target->procedure->HandleMessage(window, message, wParam, lParam, &result)
                       ? result
                       : DefaultProcessing(window, message, wParam, lParam);
        }
        if (message == BM_CLICK) {
            ClickButton(window);
        }
        return target->ControlMessage(message, wParam, lParam);
    }
    // Puts a message in the queue (timers, menus, the user's keys).
    void Enqueue(const Msg& msg) { m_posted.push_back(msg); }
    // WM_COMMAND with code to the parent of control, as the control itself sends it.
    void NotifyParent(WindowHandle control, std::uint32_t code) {
        const FakeWindow* window = FindLive(control);
        if (window != nullptr && window->child) {
            Deliver(window->parent, WM_COMMAND, CommandWParam(window->id, code),
                    static_cast<LParam>(control));
        }
    }
    static WParam CommandWParam(int id, std::uint32_t code) {
        return static_cast<WParam>((static_cast<std::uint32_t>(id) & 0xFFFF) | ((code & 0xFFFF) << 16));
    }
    // What BM_CLICK does: toggles a check box, checks a radio button and clears its group, then
    // BN_CLICKED to the parent. Nothing happens for a disabled button.
    void ClickButton(WindowHandle button) {
        FakeWindow* window = FindLive(button);
        if (window == nullptr || !window->IsButton() || !window->enabled) {
            return;
        }
        if (window->kind == FakeControlKind::CheckBox) {
            window->check = window->check == static_cast<int>(BST_CHECKED) ? 0 : 1;
        } else if (window->kind == FakeControlKind::Radio) {
            // Its group: the run of radio siblings around it, split where a button starts a group.
            std::vector<WindowHandle> group;
            for (WindowHandle sibling : ChildrenOf(window->parent)) {
                const FakeWindow& other = m_windows.at(sibling);
                const bool radio = other.kind == FakeControlKind::Radio;
                if (!radio || other.groupStart) {
                    if (std::find(group.begin(), group.end(), button) != group.end()) {
                        break;
                    }
                    group.clear();
                }
                if (radio) {
                    group.push_back(sibling);
                }
            }
            for (WindowHandle member : group) {
                m_windows.at(member).check = 0;
            }
            window->check = 1;
        }
        NotifyParent(button, BN_CLICKED);
    }
    // Moves the focus to window and activates its top-level window.
    void GiveFocus(WindowHandle window) {
        m_focus = window;
        const WindowHandle top = TopLevelOf(window);
        if (top != window) {
            m_windows.at(top).lastFocus = window;
        }
        m_active = window != 0 ? top : m_active;
    }
    // Activates window and gives the focus back to its last focused control.
    void Activate(WindowHandle window) {
        m_active = window;
        const WindowHandle last = m_windows.at(window).lastFocus;
        m_focus = FindLive(last) != nullptr && IsDescendant(last, window) ? last : window;
    }

    // --- Inspection ---
    const FakeWindow& Window(WindowHandle window) const { // fails the test for an unknown handle
        const auto found = m_windows.find(window);
        if (found == m_windows.end()) {
            ADD_FAILURE() << "no window " << Hex(window);
        }
        return found != m_windows.end() ? found->second : m_none;
    }
    FakeWindow& MutableWindow(WindowHandle window) { return const_cast<FakeWindow&>(Window(window)); }
    bool Exists(WindowHandle window) const { return m_windows.count(window) != 0; }
    // Null for a destroyed or unknown window.
    FakeWindow* FindLive(WindowHandle window) {
        const auto found = m_windows.find(window);
        return found != m_windows.end() && found->second.IsLive() ? &found->second : nullptr;
    }
    // The live window, or a hidden, disabled window of no class for one that is gone.
    const FakeWindow& Live(WindowHandle window) {
        const FakeWindow* target = FindLive(window);
        return target != nullptr ? *target : m_none;
    }
    // The most recently created dialog that is still alive (from templateId, or any), 0 when none.
    WindowHandle TopDialog() const { return NewestLive(Dialogs(0)); }
    WindowHandle LastDialog(std::uint32_t templateId) const { return NewestLive(Dialogs(templateId)); }
    // Every dialog ever created from templateId, in creation order, dead ones included.
    std::vector<WindowHandle> DialogsCreated(std::uint32_t templateId) const { return Dialogs(templateId); }
    // Shorthands for a control of a dialog.
    WindowHandle Control(WindowHandle dialog, int id) const {
        const std::vector<WindowHandle> children = ChildrenOf(dialog);
        const auto found = std::find_if(children.begin(), children.end(),
                                        [&](WindowHandle child) { return m_windows.at(child).id == id; });
        return found != children.end() ? *found : 0;
    }
    const FakeWindow& ControlState(WindowHandle dialog, int id) const { return Window(Control(dialog, id)); }
    std::wstring TextOf(WindowHandle dialog, int id) const { return ControlState(dialog, id).text; }
    bool HasFocus(WindowHandle dialog, int id) const {
        return m_focus != 0 && m_focus == Control(dialog, id);
    }
    WindowHandle Focus() const { return m_focus; }
    WindowHandle ActiveWindow() const { return m_active; }
    WindowHandle ForegroundWindow() const { return m_foreground; }
    void SetForeground(WindowHandle window) { m_foreground = window; }
    const std::deque<Msg>& Posted() const { return m_posted; }
    // Messages the procedures left to the system's default processing, in order.
    const std::vector<Msg>& DefaultProcessed() const { return m_defaultProcessed; }
    // One line per call of the program that changes something or sends a message, e.g.
    // "SendMessage(0x1004, 0x0080, 1, 65664)"; handles and message numbers in hex.
    CCallLog& Log() { return m_log; }
    // Logs a call of the program and hands back its result.
    template <typename Result> Result LogCall(const std::string& call, Result result) {
        m_log.Add(call);
        return result;
    }

    // Live children in z-order; among dialog controls the first one created is on top.
    std::vector<WindowHandle> ChildrenOf(WindowHandle parent) const {
        return Windows([&](const FakeWindow& w) { return w.IsLive() && w.child && w.parent == parent; });
    }
    // Live top-level windows in z-order, newest on top.
    std::vector<WindowHandle> TopLevelWindows() const {
        std::vector<WindowHandle> windows =
            Windows([](const FakeWindow& w) { return w.IsLive() && !w.child; });
        std::reverse(windows.begin(), windows.end());
        return windows;
    }
    WindowHandle TopLevelOf(WindowHandle window) const {
        while (Exists(window) && m_windows.at(window).child) {
            window = m_windows.at(window).parent;
        }
        return Exists(window) ? window : 0;
    }
    bool IsDescendant(WindowHandle window, WindowHandle ancestor) const {
        while (Exists(window) && m_windows.at(window).child && m_windows.at(window).parent != ancestor) {
            window = m_windows.at(window).parent;
        }
        return Exists(window) && m_windows.at(window).child;
    }
    // The next enabled, visible tab stop after from (the first one for 0), wrapping around.
    WindowHandle NextTabStop(WindowHandle dialog, WindowHandle from) const {
        const std::vector<WindowHandle> children = ChildrenOf(dialog);
        const auto self = std::find(children.begin(), children.end(), from);
        const std::size_t start =
            self == children.end() ? children.size() - 1 : static_cast<std::size_t>(self - children.begin());
        for (std::size_t step = 1; step <= children.size(); ++step) {
            const WindowHandle candidate = children[(start + step) % children.size()];
            const FakeWindow& control = m_windows.at(candidate);
            if (control.tabStop && control.enabled && control.visible) {
                return candidate;
            }
        }
        return 0;
    }

private:
    friend class FakeMessageLoop;
    friend class FakeDialogControls;

    // In creation order.
    template <typename Keep> std::vector<WindowHandle> Windows(Keep keep) const {
        std::vector<WindowHandle> found;
        std::copy_if(m_order.begin(), m_order.end(), std::back_inserter(found),
                     [&](WindowHandle handle) { return keep(m_windows.at(handle)); });
        return found;
    }
    // Dialogs created from templateId, or from any template for 0.
    std::vector<WindowHandle> Dialogs(std::uint32_t templateId) const {
        return Windows([&](const FakeWindow& w) {
            return w.kind == FakeControlKind::Dialog && (templateId == 0 || w.templateId == templateId);
        });
    }
    WindowHandle NewestLive(const std::vector<WindowHandle>& windows) const {
        const auto found = std::find_if(windows.rbegin(), windows.rend(),
                                        [&](WindowHandle handle) { return m_windows.at(handle).IsLive(); });
        return found != windows.rend() ? *found : 0;
    }
    LResult DefaultProcessing(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
        m_defaultProcessed.push_back(Msg{window, message, wParam, lParam, 0, {}});
        if (message == WM_CLOSE) {
            // The system's dialog procedure turns the close box into the Cancel command, posted.
            const WindowHandle cancel = Control(window, IDCANCEL);
            Enqueue(Msg{
                window, WM_COMMAND, CommandWParam(IDCANCEL, BN_CLICKED), static_cast<LParam>(cancel), 0, {}});
            return 0;
        }
        if (message == WM_SYSCOMMAND) {
            return (wParam & 0xFFF0) == SC_CLOSE ? Deliver(window, WM_CLOSE, 0, 0) : 0;
        }
        return m_windows.at(window).ControlMessage(message, wParam, lParam);
    }
    void DestroyChildren(WindowHandle window) {
        for (WindowHandle child : ChildrenOf(window)) {
            m_windows.at(child).destroying = true;
            Deliver(child, WM_DESTROY, 0, 0);
            DestroyChildren(child);
            Deliver(child, WM_NCDESTROY, 0, 0);
            m_windows.at(child).destroyed = true;
        }
    }

    std::map<WindowHandle, FakeWindow> m_windows;
    std::vector<WindowHandle> m_order; // creation order
    WindowHandle m_nextHandle = 0x1000;
    std::deque<Msg> m_posted;
    std::vector<Msg> m_defaultProcessed;
    WindowHandle m_focus = 0, m_active = 0, m_foreground = 0;
    CCallLog m_log;
    // What Live() gives for a window that is gone, and Window() for an unknown handle (after
    // failing the test).
    FakeWindow m_none = [] {
        FakeWindow none;
        none.enabled = none.visible = false;
        return none;
    }();
};
