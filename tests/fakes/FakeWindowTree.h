#pragma once
// The in-memory window system the role fakes share: the windows and their arrangement (parents and
// owners, children in z-order, tab order, screen positions), the focus and the active window, the
// thread's queue, and messages delivered to a window's procedure, with the system's default dialog
// processing for what it leaves (WM_CLOSE posts IDCANCEL, WM_SYSCOMMAND SC_CLOSE sends WM_CLOSE,
// WM_SETICON is stored). A control without a procedure answers its messages itself (FakeWindow).
// The program reaches it through FakeWindowQueries, FakeMessageLoop, FakeDialogControls and
// FakePointer, which log its calls in Log(); a test sets the scene and inspects it here.
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
public:
    static constexpr std::uint32_t kOwnProcessId = 1000;
    static constexpr std::uint32_t kOwnThreadId = 1001;

    // --- Setting the scene ---
    // Another program's window (no procedure), or a child of any window.
    WindowHandle AddTopLevelWindow(const std::wstring& title, const std::wstring& className, Rect rect = {},
                                   std::uint32_t processId = kOwnProcessId + 1,
                                   std::uint32_t threadId = kOwnThreadId + 1);
    WindowHandle AddChildWindow(WindowHandle parent, const std::wstring& className, int id, Rect rect = {},
                                const std::wstring& text = L"");
    // A child's rectangle is relative to its parent's client area.
    void SetWindowRect(WindowHandle window, Rect rect) { MutableWindow(window).rect = rect; }
    void SetIconic(WindowHandle window, bool iconic) { MutableWindow(window).iconic = iconic; }
    // A window of this program; an empty class name stands for the class of kind.
    FakeWindow& NewWindow(FakeControlKind kind, WindowHandle parent, bool child,
                          const std::wstring& className = L"");
    // DestroyWindow as the program calls it (logged): owned windows first, then WM_DESTROY, the
    // children, WM_NCDESTROY; the focus, and the activation of a destroyed active window, move on.
    bool DestroyWindow(WindowHandle window);

    // --- Running messages (as the system or the user does; not logged as calls of the program) ---
    // Sends a message straight to the window: its procedure, then the default processing.
    LResult Deliver(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);
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
    void ClickButton(WindowHandle button);
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
    const FakeWindow* FindLive(WindowHandle window) const {
        return const_cast<FakeWindowTree*>(this)->FindLive(window);
    }
    // The most recently created dialog that is still alive (from templateId, or any), 0 when none.
    WindowHandle TopDialog() const { return NewestLive(Dialogs(0)); }
    WindowHandle LastDialog(std::uint32_t templateId) const { return NewestLive(Dialogs(templateId)); }
    // Every dialog ever created from templateId, in creation order, dead ones included.
    std::vector<WindowHandle> DialogsCreated(std::uint32_t templateId) const { return Dialogs(templateId); }
    // Shorthands for a control of a dialog.
    WindowHandle Control(WindowHandle dialog, int id) const {
        for (WindowHandle child : ChildrenOf(dialog)) {
            if (m_windows.at(child).id == id) {
                return child;
            }
        }
        return 0;
    }
    const FakeWindow& ControlState(WindowHandle dialog, int id) const { return Window(Control(dialog, id)); }
    std::wstring TextOf(WindowHandle dialog, int id) const { return ControlState(dialog, id).text; }
    bool HasFocus(WindowHandle dialog, int id) const {
        return m_focus != 0 && m_focus == Control(dialog, id);
    }
    WindowHandle Focus() const { return m_focus; }
    WindowHandle ActiveWindow() const { return m_active; }
    WindowHandle ForegroundWindow() const { return m_foreground; }
    const std::deque<Msg>& Posted() const { return m_posted; }
    // Messages the procedures left to the system's default processing, in order.
    const std::vector<Msg>& DefaultProcessed() const { return m_defaultProcessed; }
    // One line per call of the program that changes something or sends a message, e.g.
    // "SendMessage(0x1004, 0x0080, 1, 65664)"; handles and message numbers in hex.
    CCallLog& Log() { return m_log; }

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
        while (Exists(window) && m_windows.at(window).child) {
            window = m_windows.at(window).parent;
            if (window == ancestor) {
                return true;
            }
        }
        return false;
    }
    // The next enabled, visible tab stop after from (the first one for 0), wrapping around.
    WindowHandle NextTabStop(WindowHandle dialog, WindowHandle from) const;

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
    LResult DefaultProcessing(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);
    void DestroyChildren(WindowHandle window);

    std::map<WindowHandle, FakeWindow> m_windows;
    std::vector<WindowHandle> m_order; // creation order
    WindowHandle m_nextHandle = 0x1000;
    std::deque<Msg> m_posted;
    std::vector<Msg> m_defaultProcessed;
    WindowHandle m_focus = 0;
    WindowHandle m_active = 0;
    WindowHandle m_foreground = 0;
    CCallLog m_log;
    FakeWindow m_none; // what Window() returns for an unknown handle, after failing the test
};
