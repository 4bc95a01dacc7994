#pragma once
// Windows, dialogs, controls, the message loop, message boxes and resources (user32).
#include <cstdint>
#include <functional>
#include <string>

#include "ports/IWindowProcedure.h"
#include "ports/WinTypes.h"

class IWindows {
public:
    virtual ~IWindows() = default;

    // Dialogs built from the resource templates; every message goes to procedure.
    virtual WindowHandle CreateDialogFromTemplate(std::uint32_t templateId, WindowHandle parent,
                                                  IWindowProcedure* procedure) = 0;
    virtual bool DestroyWindow(WindowHandle window) = 0;

    // Message loop.
    virtual bool GetMessage(Msg* msg) = 0; // false once WM_QUIT arrives
    virtual void TranslateMessage(const Msg& msg) = 0;
    virtual void DispatchMessage(const Msg& msg) = 0;
    virtual bool IsDialogMessage(WindowHandle dialog, const Msg& msg) = 0;
    virtual void PostQuitMessage(int exitCode) = 0;

    // Messages.
    virtual LResult SendMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) = 0;
    virtual bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) = 0;
    virtual std::uint32_t RegisterWindowMessage(const std::wstring& name) = 0;

    // Window state.
    virtual WindowHandle GetDlgItem(WindowHandle dialog, int id) = 0;
    virtual std::wstring GetWindowText(WindowHandle window) = 0;
    virtual bool SetWindowText(WindowHandle window, const std::wstring& text) = 0;
    virtual bool EnableWindow(WindowHandle window, bool enable) = 0; // true when it was disabled before
    virtual bool IsWindowEnabled(WindowHandle window) = 0;
    virtual bool ShowWindow(WindowHandle window, int command) = 0; // true when it was visible before
    virtual bool IsWindowVisible(WindowHandle window) = 0;
    virtual bool IsIconic(WindowHandle window) = 0;
    virtual bool IsWindow(WindowHandle window) = 0;
    virtual WindowHandle SetFocus(WindowHandle window) = 0;
    virtual WindowHandle GetFocus() = 0;
    virtual bool SetForegroundWindow(WindowHandle window) = 0;
    virtual WindowHandle SetActiveWindow(WindowHandle window) = 0;
    virtual WindowHandle GetParent(WindowHandle window) = 0;
    virtual bool IsChild(WindowHandle parent, WindowHandle window) = 0;
    virtual std::wstring GetClassName(WindowHandle window, int maxCount) = 0;
    // FindWindowW(NULL, title): any class.
    virtual WindowHandle FindWindowByTitle(const std::wstring& title) = 0;
    // FindWindowW(className, title) with both texts given: an empty text is an empty string, not "any".
    virtual WindowHandle FindWindow(const std::wstring& className, const std::wstring& title) = 0;

    // Geometry and hit testing.
    virtual bool GetWindowRect(WindowHandle window, Rect* rect) = 0;
    virtual bool GetClientRect(WindowHandle window, Rect* rect) = 0;
    virtual bool ClientToScreen(WindowHandle window, Point* point) = 0;
    virtual WindowHandle WindowFromPoint(Point point) = 0;
    virtual WindowHandle GetWindow(WindowHandle window, std::uint32_t command) = 0;
    virtual std::uint32_t GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId) = 0;
    // EnumChildWindows: visits every descendant, depth first, until visit returns false.
    virtual void EnumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) = 0;
    virtual int GetSystemMetrics(int index) = 0;
    virtual bool GetCursorPos(Point* point) = 0;

    // Mouse capture and the pointer shape.
    virtual WindowHandle SetCapture(WindowHandle window) = 0;
    virtual bool ReleaseCapture() = 0;
    virtual IconHandle SetCursor(IconHandle cursor) = 0;
    virtual IconHandle LoadWaitCursor() = 0; // the system's IDC_WAIT

    // Controls whose messages carry text.
    virtual int ComboAddString(WindowHandle combo, const std::wstring& text) = 0; // CB_ADDSTRING
    virtual std::wstring ComboGetItemText(WindowHandle combo,
                                          int index) = 0; // CB_GETLBTEXTLEN + CB_GETLBTEXT

    // Tooltip control (TOOLTIPS_CLASS) owned by a window; 0 when it cannot be created.
    virtual WindowHandle CreateToolTip(WindowHandle owner) = 0;
    virtual bool AddTool(WindowHandle toolTip, WindowHandle owner, WindowHandle tool,
                         const std::wstring& text) = 0;

    virtual int MessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                           std::uint32_t type) = 0;

    // Resources of the program's own module.
    virtual std::wstring LoadString(std::uint32_t id) = 0;
    virtual IconHandle LoadIcon(std::uint32_t id) = 0;
    virtual IconHandle LoadCursor(std::uint32_t id) = 0;
};
