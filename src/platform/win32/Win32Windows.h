#pragma once
// The window roles over user32 (and comctl32 for the tooltip control): one Win32 call per method.
// Dialogs come from the program's own resources; their messages go to the IWindowProcedure given
// at creation (see the dialog procedure in the source file).
#include <cstdint>
#include <functional>
#include <string>

#include "ports/IMessageSource.h"
#include "ports/IPointer.h"
#include "ports/WindowPorts.h"

class CWin32Windows : public IWindowQueries, public IMessageLoop, public IDialogControls, public IPointer {
public:
    // GetMessage takes the messages from source when one is given, else straight from the queue.
    explicit CWin32Windows(IMessageSource* source = nullptr);

    operator WindowPorts() { return {*this, *this, *this}; }

    // IWindowQueries
    bool IsWindow(WindowHandle window) override;
    WindowHandle GetForegroundWindow() override;
    std::wstring GetWindowText(WindowHandle window) override;
    std::wstring GetClassName(WindowHandle window, int maxCount) override;
    WindowHandle GetParent(WindowHandle window) override;
    bool IsChild(WindowHandle parent, WindowHandle window) override;
    WindowHandle FindWindowByTitle(const std::wstring& title) override;
    WindowHandle FindWindow(const std::wstring& className, const std::wstring& title) override;
    bool GetWindowRect(WindowHandle window, Rect* rect) override;
    bool GetClientRect(WindowHandle window, Rect* rect) override;
    bool ClientToScreen(WindowHandle window, Point* point) override;
    WindowHandle WindowFromPoint(Point point) override;
    WindowHandle GetWindow(WindowHandle window, std::uint32_t command) override;
    std::uint32_t GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId) override;
    void EnumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) override;
    bool IsWindowVisible(WindowHandle window) override;
    bool IsWindowEnabled(WindowHandle window) override;
    bool IsIconic(WindowHandle window) override;
    int GetDlgCtrlID(WindowHandle window) override;
    int GetSystemMetrics(int index) override;

    // IMessageLoop
    bool GetMessage(Msg* msg) override;
    void TranslateMessage(const Msg& msg) override;
    void DispatchMessage(const Msg& msg) override;
    bool IsDialogMessage(WindowHandle dialog, const Msg& msg) override;
    void PostQuitMessage(int exitCode) override;
    LResult SendMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) override;
    bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) override;
    std::uint32_t RegisterWindowMessage(const std::wstring& name) override;

    // IDialogControls
    WindowHandle CreateDialogFromTemplate(std::uint32_t templateId, WindowHandle parent,
                                          IWindowProcedure* procedure) override;
    bool DestroyWindow(WindowHandle window) override;
    WindowHandle GetDlgItem(WindowHandle dialog, int id) override;
    bool SetWindowText(WindowHandle window, const std::wstring& text) override;
    bool EnableWindow(WindowHandle window, bool enable) override;
    bool ShowWindow(WindowHandle window, int command) override;
    WindowHandle SetFocus(WindowHandle window) override;
    WindowHandle GetFocus() override;
    bool SetForegroundWindow(WindowHandle window) override;
    WindowHandle SetActiveWindow(WindowHandle window) override;
    int ComboAddString(WindowHandle combo, const std::wstring& text) override;
    std::wstring ComboGetItemText(WindowHandle combo, int index) override;
    WindowHandle CreateToolTip(WindowHandle owner) override;
    bool AddTool(WindowHandle toolTip, WindowHandle owner, WindowHandle tool,
                 const std::wstring& text) override;
    int MessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                   std::uint32_t type) override;
    std::wstring LoadString(std::uint32_t id) override;
    IconHandle LoadIcon(std::uint32_t id) override;

    // IPointer
    bool GetCursorPos(Point* point) override;
    WindowHandle SetCapture(WindowHandle window) override;
    bool ReleaseCapture() override;
    IconHandle SetCursor(IconHandle cursor) override;
    IconHandle LoadWaitCursor() override;
    IconHandle LoadCursor(std::uint32_t id) override;

private:
    IMessageSource* m_pSource;
};
