#include "AsyncSend.h"

namespace {
// Bounds the join of a send whose receiver hangs; a receiver that ends makes the send return at once.
const UINT SEND_TIMEOUT_MS = 60000;
} // namespace

CAsyncSend::CAsyncSend(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    : m_thread(&CAsyncSend::Run, this, hWnd, nMsg, wParam, lParam) {}

CAsyncSend::CAsyncSend(HWND hWnd, UINT nMsg, WPARAM wParam, const std::wstring& strText)
    : m_strText(strText) {
    m_thread =
        std::thread(&CAsyncSend::Run, this, hWnd, nMsg, wParam, reinterpret_cast<LPARAM>(m_strText.c_str()));
}

CAsyncSend::~CAsyncSend() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void CAsyncSend::Run(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR nResult = 0;
    SendMessageTimeoutW(hWnd, nMsg, wParam, lParam, SMTO_NORMAL, SEND_TIMEOUT_MS, &nResult);
    m_bDone = true;
}
