// Remote: acts on the windows of other programs for the scripts that show Tapwell.
//
//   Remote wait WINDOW [MS]            until the window is there and visible
//   Remote wait-text WINDOW ID TEXT [MS]  until control ID of the window shows TEXT
//   Remote command WINDOW ID           posts WM_COMMAND ID, as a click on that button or menu item would
//   Remote post WINDOW MSG WPARAM LPARAM
//   Remote focus WINDOW                brings the window to the foreground
//   Remote rect WINDOW [ID]            prints "left top right bottom" of the window or of control ID
//   Remote move WINDOW X Y [W H]       moves the window's top left corner to X, Y (and sizes it)
//
// WINDOW is a visible top-level window's exact title, "class:NAME" for its window class, or
// "owned:TITLE" for a window owned by the window of that title (a dialog it opened). Numbers may be
// decimal or 0x hexadecimal. Exit code 0 on success, 1 when the window, control or text did not come.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {
const DWORD DEFAULT_TIMEOUT_MS = 20000;
const DWORD POLL_MS = 50;

struct FindRequest {
    std::wstring strClass;
    std::wstring strTitle;
    bool bOwned;
    HWND hFound;
};

std::wstring TitleOf(HWND hWnd) {
    wchar_t szText[256] = {};
    GetWindowTextW(hWnd, szText, 256);
    return szText;
}

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam) {
    FindRequest& request = *reinterpret_cast<FindRequest*>(lParam);
    if (!IsWindowVisible(hWnd)) {
        return TRUE;
    }
    if (!request.strClass.empty()) {
        wchar_t szClass[256] = {};
        GetClassNameW(hWnd, szClass, 256);
        if (_wcsicmp(szClass, request.strClass.c_str()) != 0) {
            return TRUE;
        }
    } else if (request.bOwned) {
        HWND hOwner = GetWindow(hWnd, GW_OWNER);
        if (!hOwner || TitleOf(hOwner) != request.strTitle) {
            return TRUE;
        }
    } else if (TitleOf(hWnd) != request.strTitle) {
        return TRUE;
    }
    request.hFound = hWnd;
    return FALSE;
}

HWND FindVisibleWindow(const std::wstring& strWindow) {
    FindRequest request{L"", L"", false, nullptr};
    const std::wstring strClassPrefix = L"class:";
    const std::wstring strOwnedPrefix = L"owned:";
    if (strWindow.compare(0, strClassPrefix.size(), strClassPrefix) == 0) {
        request.strClass = strWindow.substr(strClassPrefix.size());
    } else if (strWindow.compare(0, strOwnedPrefix.size(), strOwnedPrefix) == 0) {
        request.strTitle = strWindow.substr(strOwnedPrefix.size());
        request.bOwned = true;
    } else {
        request.strTitle = strWindow;
    }
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&request));
    return request.hFound;
}

template <typename Condition> bool WaitUntil(Condition condition, DWORD nTimeoutMs) {
    const ULONGLONG nEnd = GetTickCount64() + nTimeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= nEnd) {
            return condition();
        }
        Sleep(POLL_MS);
    }
    return true;
}

HWND WaitForWindow(const std::wstring& strWindow, DWORD nTimeoutMs) {
    HWND hWnd = nullptr;
    WaitUntil([&] { return (hWnd = FindVisibleWindow(strWindow)) != nullptr; }, nTimeoutMs);
    if (!hWnd) {
        fwprintf(stderr, L"Remote: no window \"%ls\"\n", strWindow.c_str());
    }
    return hWnd;
}

unsigned long Number(const wchar_t* pszText) {
    return wcstoul(pszText, nullptr, 0);
}

int Usage() {
    fwprintf(stderr, L"usage: Remote wait|wait-text|command|post|focus|rect|move WINDOW ...\n");
    return 2;
}
} // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc < 3) {
        return Usage();
    }
    const std::wstring strVerb = argv[1];
    const std::wstring strWindow = argv[2];

    if (strVerb == L"wait") {
        return WaitForWindow(strWindow, argc > 3 ? Number(argv[3]) : DEFAULT_TIMEOUT_MS) ? 0 : 1;
    }

    HWND hWnd = WaitForWindow(strWindow, DEFAULT_TIMEOUT_MS);
    if (!hWnd) {
        return 1;
    }
    if (strVerb == L"wait-text" && argc >= 5) {
        HWND hControl = GetDlgItem(hWnd, static_cast<int>(Number(argv[3])));
        const std::wstring strText = argv[4];
        const bool bShown = hControl && WaitUntil([&] { return TitleOf(hControl) == strText; },
                                                  argc > 5 ? Number(argv[5]) : DEFAULT_TIMEOUT_MS);
        if (!bShown) {
            fwprintf(stderr, L"Remote: the control shows \"%ls\"\n", TitleOf(hControl).c_str());
        }
        return bShown ? 0 : 1;
    }
    if (strVerb == L"command" && argc >= 4) {
        const int nId = static_cast<int>(Number(argv[3]));
        // A button's click names the button; a menu item's has no control to name.
        HWND hControl = GetDlgItem(hWnd, nId);
        return PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(hControl))
                   ? 0
                   : 1;
    }
    if (strVerb == L"post" && argc >= 6) {
        return PostMessageW(hWnd, static_cast<UINT>(Number(argv[3])), Number(argv[4]), Number(argv[5])) ? 0
                                                                                                        : 1;
    }
    if (strVerb == L"focus") {
        return SetForegroundWindow(hWnd) ? 0 : 1;
    }
    if (strVerb == L"move" && argc >= 5) {
        const bool bSize = argc >= 7;
        return SetWindowPos(hWnd, nullptr, static_cast<int>(Number(argv[3])),
                            static_cast<int>(Number(argv[4])), bSize ? static_cast<int>(Number(argv[5])) : 0,
                            bSize ? static_cast<int>(Number(argv[6])) : 0,
                            (bSize ? 0 : SWP_NOSIZE) | SWP_NOZORDER | SWP_NOACTIVATE)
                   ? 0
                   : 1;
    }
    if (strVerb == L"rect") {
        HWND hTarget = argc >= 4 ? GetDlgItem(hWnd, static_cast<int>(Number(argv[3]))) : hWnd;
        RECT rect = {};
        if (!hTarget || !GetWindowRect(hTarget, &rect)) {
            return 1;
        }
        wprintf(L"%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
        return 0;
    }
    return Usage();
}
