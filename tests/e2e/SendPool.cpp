#include "SendPool.h"

#include <algorithm>

CAsyncSend& CSendPool::Send(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    return Keep(std::make_unique<CAsyncSend>(hWnd, nMsg, wParam, lParam));
}

CAsyncSend& CSendPool::SendText(HWND hWnd, UINT nMsg, WPARAM wParam, const std::wstring& strText) {
    return Keep(std::make_unique<CAsyncSend>(hWnd, nMsg, wParam, strText));
}

void CSendPool::JoinAll() {
    m_sends.clear();
}

CAsyncSend& CSendPool::Keep(std::unique_ptr<CAsyncSend> pSend) {
    // Finished sends are joined here, so that a long test does not collect threads.
    m_sends.erase(std::remove_if(m_sends.begin(), m_sends.end(),
                                 [](const std::unique_ptr<CAsyncSend>& pKept) { return pKept->IsDone(); }),
                  m_sends.end());
    m_sends.push_back(std::move(pSend));
    return *m_sends.back();
}
