#include "app/InstanceWindow.h"

namespace {

// Shell windows whose title may happen to match: the desktop, a folder window, the taskbar.
const wchar_t* const EXCLUDED_CLASSES[] = {L"Progman", L"CabinetWClass", L"Shell_TrayWnd"};

bool IsShellWindowClass(const std::wstring& strClassName) {
    for (const wchar_t* excluded : EXCLUDED_CLASSES) {
        if (strClassName == excluded) {
            return true;
        }
    }
    return false;
}

// The tests after the one for enabled, in their order.
bool HasInstanceTitleOutsideTheShell(IWindowQueries& windows, WindowHandle window,
                                     const std::wstring& strTitle, std::wstring& strWindowText) {
    if (IsShellWindowClass(windows.GetClassName(window, MAX_CLASS_NAME))) {
        return false;
    }
    strWindowText = windows.GetWindowText(window);
    if (strWindowText.empty()) {
        return false;
    }
    return strWindowText == strTitle;
}

} // namespace

bool IsInstanceMainWindow(IWindowQueries& windows, WindowHandle window, const std::wstring& strTitle,
                          std::wstring& strWindowText) {
    if (windows.GetParent(window) != 0) {
        return false;
    }
    if (!windows.IsWindowEnabled(window)) {
        return false;
    }
    return HasInstanceTitleOutsideTheShell(windows, window, strTitle, strWindowText);
}

bool IsRunningInstanceWindow(IWindowQueries& windows, WindowHandle window, const std::wstring& strTitle) {
    std::wstring strWindowText;
    return windows.GetParent(window) == 0 &&
           HasInstanceTitleOutsideTheShell(windows, window, strTitle, strWindowText);
}
