#include "WindowQueries.h"

namespace {
const int CLASS_NAME_CAPACITY = 257;

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

struct DescendantSearch {
    std::wstring strClass;
    HWND hFound = nullptr;
};

BOOL CALLBACK MatchDescendant(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<DescendantSearch*>(lParam);
    if (lstrcmpiW(WindowClass(hWnd).c_str(), pSearch->strClass.c_str()) != 0) {
        return TRUE;
    }
    pSearch->hFound = hWnd;
    return FALSE;
}
} // namespace

std::wstring WindowText(HWND hWnd) {
    const int nLength = GetWindowTextLengthW(hWnd);
    std::wstring strText(static_cast<size_t>(nLength) + 1, L'\0');
    const int nCopied = GetWindowTextW(hWnd, &strText[0], nLength + 1);
    strText.resize(static_cast<size_t>(nCopied > 0 ? nCopied : 0));
    return strText;
}

std::wstring WindowClass(HWND hWnd) {
    wchar_t szClass[CLASS_NAME_CAPACITY] = {};
    GetClassNameW(hWnd, szClass, CLASS_NAME_CAPACITY);
    return szClass;
}

DWORD WindowProcessId(HWND hWnd) {
    DWORD nProcessId = 0;
    GetWindowThreadProcessId(hWnd, &nProcessId);
    return nProcessId;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> TopLevelWindowsOf(DWORD nProcessId) {
    std::vector<HWND> windows;
    for (HWND hWnd : TopLevelWindows()) {
        if (WindowProcessId(hWnd) == nProcessId) {
            windows.push_back(hWnd);
        }
    }
    return windows;
}

std::vector<HWND> TopLevelWindowsTitled(const std::wstring& strTitle) {
    std::vector<HWND> windows;
    for (HWND hWnd : TopLevelWindows()) {
        if (WindowText(hWnd) == strTitle) {
            windows.push_back(hWnd);
        }
    }
    return windows;
}

HWND FindTopLevelWindow(DWORD nProcessId, const std::wstring& strClass, const std::wstring& strTitle) {
    for (HWND hWnd : TopLevelWindowsOf(nProcessId)) {
        if (WindowClass(hWnd) == strClass && WindowText(hWnd) == strTitle) {
            return hWnd;
        }
    }
    return nullptr;
}

HWND FindDescendant(HWND hParent, const std::wstring& strClass) {
    DescendantSearch search;
    search.strClass = strClass;
    EnumChildWindows(hParent, MatchDescendant, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

HWND FocusOfThreadOf(HWND hWnd) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(hWnd, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}
