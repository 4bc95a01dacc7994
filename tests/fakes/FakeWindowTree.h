#pragma once
// The in-memory window system the role fakes share: the windows and their arrangement (parents and
// owners, children in z-order, tab order, screen positions), the focus and the active window, the
// thread's queue, and messages delivered to a window's procedure, with the system's default dialog
// processing for what it leaves (WM_CLOSE posts IDCANCEL, WM_SYSCOMMAND SC_CLOSE sends WM_CLOSE,
// WM_SETICON is stored). A control without a procedure answers its messages itself (FakeWindow).
// The program reaches it through FakeWindowQueries, FakeMessageLoop, FakeDialogControls and
// FakePointer, which log its calls in Log(); a test sets the scene and inspects it here.
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fakes/CallLog.h"
#include "fakes/FakeWindow.h"
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
    void SetWindowRect(WindowHandle window, Rect rect) {
        MutableWindow(window).rect = rect;
    } // parent-relative for a child
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
    // Puts a message in the queue without logging it as a call of the program (timers, menus).
    void Enqueue(const Msg& msg) { m_posted.push_back(msg); }
    // The wParam of WM_COMMAND: the control's identifier and the notification code.
    static WParam CommandWParam(int id, std::uint32_t code) {
        return static_cast<WParam>((static_cast<std::uint32_t>(id) & 0xFFFF) | ((code & 0xFFFF) << 16));
    }
    // Sends WM_COMMAND with code to the parent of control, as the control itself would.
    void NotifyParent(WindowHandle control, std::uint32_t code);
    // What BM_CLICK does: toggles a check box, checks a radio button and clears its group, then
    // BN_CLICKED to the parent. Nothing happens for a disabled button.
    void ClickButton(WindowHandle button);
    // Moves the focus to window and activates its top-level window.
    void GiveFocus(WindowHandle window);
    // Activates window and gives the focus back to its last focused control.
    void Activate(WindowHandle window);

    // --- Inspection ---
    const FakeWindow& Window(WindowHandle window) const; // fails the test for an unknown handle
    FakeWindow& MutableWindow(WindowHandle window) { return const_cast<FakeWindow&>(Window(window)); }
    bool Exists(WindowHandle window) const { return m_windows.count(window) != 0; }
    const FakeWindow* FindLive(WindowHandle window) const; // null for a destroyed or unknown window
    FakeWindow* FindLive(WindowHandle window) {
        return const_cast<FakeWindow*>(std::as_const(*this).FindLive(window));
    }
    // The most recently created dialog that is still alive (from templateId, or any), 0 when none.
    WindowHandle TopDialog() const { return NewestLive(Dialogs()); }
    WindowHandle LastDialog(std::uint32_t templateId) const { return NewestLive(DialogsCreated(templateId)); }
    // Every dialog ever created from templateId, in creation order, dead ones included.
    std::vector<WindowHandle> DialogsCreated(std::uint32_t templateId) const { return Dialogs(templateId); }
    // Shorthands for a control of a dialog.
    WindowHandle Control(WindowHandle dialog, int id) const;
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

    // --- Arrangement ---
    // Live children in z-order; among dialog controls the first one created is on top.
    std::vector<WindowHandle> ChildrenOf(WindowHandle parent) const;
    // Every live descendant, depth first, as EnumChildWindows visits them.
    std::vector<WindowHandle> DescendantsOf(WindowHandle parent) const;
    // Live top-level windows in z-order, newest on top.
    std::vector<WindowHandle> TopLevelWindows() const;
    WindowHandle TopLevelOf(WindowHandle window) const;
    bool IsDescendant(WindowHandle window, WindowHandle ancestor) const;
    // The radio buttons clicked together with radio: its run of radio siblings, split where a
    // button starts a group.
    std::vector<WindowHandle> RadioGroupOf(WindowHandle radio) const;
    // The next enabled, visible tab stop after from (the first one for 0), wrapping around.
    WindowHandle NextTabStop(WindowHandle dialog, WindowHandle from) const;
    Rect ScreenRect(const FakeWindow& window) const;
    // The deepest visible, enabled window under point (group boxes let the point through).
    WindowHandle WindowAt(Point point) const;
    // GetWindow: GW_CHILD, GW_OWNER and the sibling commands.
    WindowHandle Related(WindowHandle window, std::uint32_t command) const;

private:
    friend class FakeMessageLoop;
    friend class FakeDialogControls;

    // Dialogs created from templateId, or from any template for 0.
    std::vector<WindowHandle> Dialogs(std::uint32_t templateId = 0) const;
    WindowHandle NewestLive(const std::vector<WindowHandle>& windows) const;
    WindowHandle DeepestChildAt(WindowHandle parent, Point point) const;
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
