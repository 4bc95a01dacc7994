#pragma once
// Questions about windows (user32): what a window is, where it is, what it holds, whose it is.
#include <cstdint>
#include <functional>
#include <string>

#include "ports/WinTypes.h"

class IWindowQueries {
public:
    virtual ~IWindowQueries() = default;

    virtual bool IsWindow(WindowHandle window) = 0;
    virtual WindowHandle GetForegroundWindow() = 0;
    virtual std::wstring GetWindowText(WindowHandle window) = 0;
    virtual std::wstring GetClassName(WindowHandle window, int maxCount) = 0;
    virtual WindowHandle GetParent(WindowHandle window) = 0;
    virtual bool IsChild(WindowHandle parent, WindowHandle window) = 0;
    // FindWindowW(NULL, title): any class.
    virtual WindowHandle FindWindowByTitle(const std::wstring& title) = 0;
    // FindWindowW(className, title) with both texts given: an empty text is an empty string, not "any".
    virtual WindowHandle FindWindow(const std::wstring& className, const std::wstring& title) = 0;
    virtual bool GetWindowRect(WindowHandle window, Rect* rect) = 0;
    virtual bool GetClientRect(WindowHandle window, Rect* rect) = 0;
    virtual bool ClientToScreen(WindowHandle window, Point* point) = 0;
    virtual WindowHandle WindowFromPoint(Point point) = 0;
    virtual WindowHandle GetWindow(WindowHandle window, std::uint32_t command) = 0;
    virtual std::uint32_t GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId) = 0;
    // EnumChildWindows: visits every descendant, depth first, until visit returns false.
    virtual void EnumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) = 0;
    virtual bool IsWindowVisible(WindowHandle window) = 0;
    virtual bool IsWindowEnabled(WindowHandle window) = 0;
    virtual bool IsIconic(WindowHandle window) = 0;
    // GetDlgCtrlID: a child window's identifier.
    virtual int GetDlgCtrlID(WindowHandle window) = 0;
    virtual int GetSystemMetrics(int index) = 0;
};
