#pragma once
// Sends one message to a window of another process from a worker thread. A user action such as a
// click may open a modal message box in the program; the send then returns only once the box is
// answered, and the driver must stay free to find and answer it meanwhile.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

class CAsyncSend {
public:
    CAsyncSend(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    // WM_SETTEXT and the like: the text lives here until the send has returned.
    CAsyncSend(HWND hWnd, UINT nMsg, WPARAM wParam, const std::wstring& strText);
    ~CAsyncSend();
    CAsyncSend(const CAsyncSend&) = delete;
    CAsyncSend& operator=(const CAsyncSend&) = delete;

    bool IsDone() const { return m_bDone; }

private:
    void Run(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    std::wstring m_strText;
    std::atomic<bool> m_bDone{false};
    std::thread m_thread;
};
