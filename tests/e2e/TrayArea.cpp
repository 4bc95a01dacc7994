#include "TrayArea.h"

#include <shellapi.h>

#include <algorithm>

#include "WindowQueries.h"

namespace {
const wchar_t TRAY_WINDOW_TITLE[] = L"Wine System Tray";

BOOL CALLBACK CollectVisibleChild(HWND hWnd, LPARAM lParam) {
    if (IsWindowVisible(hWnd)) {
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    }
    return TRUE;
}

bool IsLeftOf(HWND hLeft, HWND hRight) {
    RECT left = {};
    RECT right = {};
    GetWindowRect(hLeft, &left);
    GetWindowRect(hRight, &right);
    return left.left < right.left;
}

bool NotifyShell(DWORD nMessage, HWND hOwner, UINT nId) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(data);
    data.hWnd = hOwner;
    data.uID = nId;
    return Shell_NotifyIconW(nMessage, &data) != FALSE;
}
} // namespace

std::vector<HWND> TrayIconWindows() {
    std::vector<HWND> icons;
    for (HWND hTray : TopLevelWindowsTitled(TRAY_WINDOW_TITLE)) {
        if (IsWindowVisible(hTray)) {
            EnumChildWindows(hTray, CollectVisibleChild, reinterpret_cast<LPARAM>(&icons));
        }
    }
    std::sort(icons.begin(), icons.end(), IsLeftOf);
    return icons;
}

bool ShellHoldsIcon(HWND hOwner, UINT nId) {
    return NotifyShell(NIM_MODIFY, hOwner, nId);
}

bool ShellForgetsIcon(HWND hOwner, UINT nId) {
    return NotifyShell(NIM_DELETE, hOwner, nId);
}
