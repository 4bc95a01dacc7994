#pragma once
// The sends still in flight: kept until they return, joined at the latest when the pool goes, which
// the driver arranges to happen after the programs have ended.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "AsyncSend.h"

class CSendPool {
public:
    CAsyncSend& Send(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    CAsyncSend& SendText(HWND hWnd, UINT nMsg, WPARAM wParam, const std::wstring& strText);
    // Joins every send; only safe once the receivers have answered or ended.
    void JoinAll();

private:
    CAsyncSend& Keep(std::unique_ptr<CAsyncSend> pSend);

    std::vector<std::unique_ptr<CAsyncSend>> m_sends;
};
