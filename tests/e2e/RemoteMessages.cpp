#include "RemoteMessages.h"

namespace {
const UINT ASK_TIMEOUT_MS = 5000;
} // namespace

LRESULT AskWindow(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR nResult = 0;
    if (!SendMessageTimeoutW(hWnd, nMsg, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, ASK_TIMEOUT_MS,
                             &nResult)) {
        return 0;
    }
    return static_cast<LRESULT>(nResult);
}

std::wstring AskWindowText(HWND hWnd) {
    const LRESULT nLength = AskWindow(hWnd, WM_GETTEXTLENGTH);
    if (nLength <= 0) {
        return std::wstring();
    }
    std::wstring strText(static_cast<size_t>(nLength) + 1, L'\0');
    const LRESULT nCopied =
        AskWindow(hWnd, WM_GETTEXT, static_cast<WPARAM>(nLength) + 1, reinterpret_cast<LPARAM>(&strText[0]));
    strText.resize(static_cast<size_t>(nCopied > 0 ? nCopied : 0));
    return strText;
}
