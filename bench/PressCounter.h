#pragma once
// Follows the recorder's log while it grows and counts the presses of one key in it (its key-downs),
// reading only what was added since the last look, so that watching a long run costs next to nothing.
#include <windows.h>

#include <string>

class CPressCounter {
public:
    CPressCounter(const std::wstring& strLogPath, WPARAM nKey);
    ~CPressCounter();
    CPressCounter(const CPressCounter&) = delete;
    CPressCounter& operator=(const CPressCounter&) = delete;

    // The presses logged so far.
    int Count();

private:
    HANDLE m_hLog;
    WPARAM m_nKey;
    std::string m_strPartialLine;
    int m_nCount = 0;
};
