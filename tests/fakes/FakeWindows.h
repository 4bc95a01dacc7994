#pragma once
// A stateful in-memory window system behind IWindows, for running dialogs in unit tests.
//
// Dialogs are created from templates the test describes (FakeDialogTemplate); creation delivers
// WM_INITDIALOG to the procedure as the system does. SendMessage to a window with a procedure
// delivers to it, and what it leaves unhandled gets the system's default dialog processing
// (WM_CLOSE posts IDCANCEL, WM_SYSCOMMAND SC_CLOSE sends WM_CLOSE, WM_SETICON is stored).
// Controls keep their state (text, check, combo items, hotkey, selection, icon) and answer their
// messages; changing an edit's text notifies its parent with EN_CHANGE, as a real edit does.
// GetMessage drains the posted messages, then a pending WM_QUIT, then runs the next queued user
// action (QueueUserAction; it returns WM_NULL for a thread after an action that posted nothing),
// and returns false when nothing is left, so modal loops end.
// Simulated user input lives in FakeUser; timers in FakeTimers; menus in FakeMenus.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "fakes/FakeDialogTemplate.h"
#include "fakes/FakeWindow.h"
#include "fakes/FakeWindowTree.h"
#include "ports/IWindows.h"

struct MessageBoxRecord {
    WindowHandle owner = 0;
    std::wstring text;
    std::wstring caption;
    std::uint32_t type = 0;
};

class FakeWindows : public IWindows {
public:
    static constexpr std::uint32_t kOwnProcessId = 1000;
    static constexpr std::uint32_t kOwnThreadId = 1001;
    static constexpr IconHandle kWaitCursor = 0x0003'7F02;

    FakeWindows();
    ~FakeWindows() override;

    // IWindows
    WindowHandle CreateDialogFromTemplate(std::uint32_t templateId, WindowHandle parent,
                                          IWindowProcedure* procedure) override;
    bool DestroyWindow(WindowHandle window) override;
    bool GetMessage(Msg* msg) override;
    void TranslateMessage(const Msg& msg) override;
    void DispatchMessage(const Msg& msg) override;
    bool IsDialogMessage(WindowHandle dialog, const Msg& msg) override;
    void PostQuitMessage(int exitCode) override;
    LResult SendMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) override;
    bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) override;
    std::uint32_t RegisterWindowMessage(const std::wstring& name) override;
    WindowHandle GetDlgItem(WindowHandle dialog, int id) override;
    std::wstring GetWindowText(WindowHandle window) override;
    bool SetWindowText(WindowHandle window, const std::wstring& text) override;
    bool EnableWindow(WindowHandle window, bool enable) override; // true when it was disabled
    bool IsWindowEnabled(WindowHandle window) override;
    bool ShowWindow(WindowHandle window, int command) override; // true when it was visible
    bool IsWindowVisible(WindowHandle window) override;
    bool IsIconic(WindowHandle window) override;
    bool IsWindow(WindowHandle window) override;
    WindowHandle SetFocus(WindowHandle window) override;
    WindowHandle GetFocus() override;
    bool SetForegroundWindow(WindowHandle window) override;
    WindowHandle SetActiveWindow(WindowHandle window) override;
    WindowHandle GetParent(WindowHandle window) override;
    bool IsChild(WindowHandle parent, WindowHandle window) override;
    std::wstring GetClassName(WindowHandle window, int maxCount) override;
    WindowHandle FindWindowByTitle(const std::wstring& title) override;
    WindowHandle FindWindow(const std::wstring& className, const std::wstring& title) override;
    bool GetWindowRect(WindowHandle window, Rect* rect) override;
    bool GetClientRect(WindowHandle window, Rect* rect) override;
    bool ClientToScreen(WindowHandle window, Point* point) override;
    WindowHandle WindowFromPoint(Point point) override;
    WindowHandle GetWindow(WindowHandle window, std::uint32_t command) override;
    std::uint32_t GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId) override;
    void EnumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) override;
    int GetSystemMetrics(int index) override;
    bool GetCursorPos(Point* point) override;
    WindowHandle SetCapture(WindowHandle window) override;
    bool ReleaseCapture() override;
    IconHandle SetCursor(IconHandle cursor) override;
    IconHandle LoadWaitCursor() override;
    int ComboAddString(WindowHandle combo, const std::wstring& text) override;
    std::wstring ComboGetItemText(WindowHandle combo, int index) override;
    WindowHandle CreateToolTip(WindowHandle owner) override;
    bool AddTool(WindowHandle toolTip, WindowHandle owner, WindowHandle tool,
                 const std::wstring& text) override;
    int MessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                   std::uint32_t type) override;
    std::wstring LoadString(std::uint32_t id) override;
    IconHandle LoadIcon(std::uint32_t id) override;
    IconHandle LoadCursor(std::uint32_t id) override;

    // --- Setting the scene ---
    void AddDialogTemplate(std::uint32_t templateId, FakeDialogTemplate dialogTemplate);
    // Another program's window (no procedure), or a child of any window.
    WindowHandle AddTopLevelWindow(const std::wstring& title, const std::wstring& className, Rect rect = {},
                                   std::uint32_t processId = kOwnProcessId + 1,
                                   std::uint32_t threadId = kOwnThreadId + 1);
    WindowHandle AddChildWindow(WindowHandle parent, const std::wstring& className, int id, Rect rect = {},
                                const std::wstring& text = L"");
    void SetString(std::uint32_t id, const std::wstring& text); // IDS_APP_TITLE holds the title
    void SetSystemMetric(int index, int value);
    void SetCursorPos(Point point);
    void SetWindowRect(WindowHandle window, Rect rect); // parent-relative for a child
    void SetIconic(WindowHandle window, bool iconic);
    void SetToolTipsFail(bool fail) { m_bToolTipsFail = fail; }
    // Answers for the next message boxes, in order; afterwards each answers m_nDefaultAnswer.
    void QueueMessageBoxAnswer(int answer) { m_messageBoxAnswers.push_back(answer); }
    void SetDefaultMessageBoxAnswer(int answer) { m_nDefaultAnswer = answer; }
    // Runs while the next message box is up: what its own message loop would deliver meanwhile.
    void DuringNextMessageBox(std::function<void()> action) {
        m_messageBoxActions.push_back(std::move(action));
    }
    // Runs when GetMessage finds no posted message: the user acting while a loop waits.
    void QueueUserAction(std::function<void()> action) { m_userActions.push_back(std::move(action)); }
    // Puts a message in the queue without logging it as a call of the program (timers, menus).
    void Enqueue(const Msg& msg) { m_posted.push_back(msg); }

    // --- Running messages (as the system or the user does; not logged as calls of the program) ---
    // Sends a message straight to the window: its procedure, then the default processing.
    LResult Deliver(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);
    // Moves the focus to window and activates its top-level window.
    void GiveFocus(WindowHandle window);
    // Dispatches the posted messages as a dialog program's loop does (dialog keyboard handling for
    // the top-level window a message is for), until the queue is empty. User actions are not run.
    void DispatchPosted();
    // Sends WM_COMMAND with code to the parent of control, as the control itself would.
    void NotifyParent(WindowHandle control, std::uint32_t code);
    // What BM_CLICK does: toggles a check box, checks a radio button and clears its group, then
    // BN_CLICKED to the parent. Nothing happens for a disabled button.
    void ClickButton(WindowHandle button);

    // --- Inspection ---
    const FakeWindow& Window(WindowHandle window) const; // fails the test for an unknown handle
    FakeWindow& MutableWindow(WindowHandle window);
    bool Exists(WindowHandle window) const { return m_tree.Find(window) != nullptr; }
    // The most recently created dialog that is still alive (from templateId, or any), 0 when none.
    WindowHandle TopDialog() const;
    WindowHandle LastDialog(std::uint32_t templateId) const;
    // Every dialog ever created from templateId, in creation order, dead ones included.
    std::vector<WindowHandle> DialogsCreated(std::uint32_t templateId) const;
    // Shorthands for a control of a dialog.
    WindowHandle Control(WindowHandle dialog, int id) const { return m_tree.Control(dialog, id); }
    const FakeWindow& ControlState(WindowHandle dialog, int id) const { return Window(Control(dialog, id)); }
    std::wstring TextOf(WindowHandle dialog, int id) const { return ControlState(dialog, id).text; }
    bool HasFocus(WindowHandle dialog, int id) const {
        return m_focus != 0 && m_focus == Control(dialog, id);
    }
    WindowHandle Focus() const { return m_focus; }
    WindowHandle ActiveWindow() const { return m_active; }
    WindowHandle ForegroundWindow() const { return m_foreground; }
    WindowHandle Capture() const { return m_capture; }
    IconHandle Cursor() const { return m_cursor; }
    IconHandle IconOf(std::uint32_t resourceId) const { return 0x0001'0000 | resourceId; }
    IconHandle CursorOf(std::uint32_t resourceId) const { return 0x0002'0000 | resourceId; }
    std::uint32_t RegisteredMessage(const std::wstring& name) const; // 0 when never registered

    const std::vector<MessageBoxRecord>& MessageBoxes() const { return m_messageBoxes; }
    void ClearMessageBoxes() { m_messageBoxes.clear(); }
    const std::deque<Msg>& Posted() const { return m_posted; }
    void DiscardPosted() { m_posted.clear(); }
    // Every PostQuitMessage exit code, in order (a pending WM_QUIT is also returned by GetMessage).
    const std::vector<int>& QuitCodes() const { return m_quitCodes; }
    // Messages the procedures left to the system's default processing, in order.
    const std::vector<Msg>& DefaultProcessed() const { return m_defaultProcessed; }
    // Times GetMessage returned false because nothing at all was left (no WM_QUIT).
    int RanDryCount() const { return m_nRanDry; }
    // One line per call of the program that changes something or sends a message, e.g.
    // "SendMessage(0x1004, 0x0080, 1, 65664)"; handles and message numbers in hex.
    CCallLog& Log() { return m_log; }

private:
    FakeWindow& NewWindow(FakeControlKind kind, const std::wstring& className, WindowHandle parent,
                          bool child);
    FakeWindow* FindLive(WindowHandle window) { return m_tree.FindLive(window); }
    LResult DefaultProcessing(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);
    void Activate(WindowHandle window);
    void DestroyChildren(WindowHandle window);

    FakeWindowTree m_tree;
    std::map<std::uint32_t, FakeDialogTemplate> m_templates;
    std::map<std::uint32_t, std::wstring> m_strings;
    std::map<std::wstring, std::uint32_t> m_registeredMessages;
    std::map<int, int> m_systemMetrics;

    std::deque<Msg> m_posted;
    std::deque<std::function<void()>> m_userActions;
    bool m_bQuitPending = false;
    int m_nQuitCode = 0;
    std::vector<int> m_quitCodes;
    std::vector<Msg> m_defaultProcessed;
    int m_nRanDry = 0;

    std::vector<MessageBoxRecord> m_messageBoxes;
    std::deque<int> m_messageBoxAnswers;
    std::deque<std::function<void()>> m_messageBoxActions;
    int m_nDefaultAnswer = 1; // IDOK

    WindowHandle m_focus = 0;
    WindowHandle m_active = 0;
    WindowHandle m_foreground = 0;
    WindowHandle m_capture = 0;
    IconHandle m_cursor = 0;
    Point m_cursorPos;
    bool m_bToolTipsFail = false;
    CCallLog m_log;
    FakeWindow m_none; // what Window() returns for an unknown handle, after failing the test
};
