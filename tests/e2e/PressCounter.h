#pragma once
// Follows the recorder's log while it grows and counts the presses of the letter A in it (its
// key-downs), reading only what was added since the last look, so that watching a long run costs
// next to nothing.
#include <windows.h>

#include <string>

class CPressCounter {
public:
    explicit CPressCounter(const std::wstring& strLogPath);
    ~CPressCounter();
    CPressCounter(const CPressCounter&) = delete;
    CPressCounter& operator=(const CPressCounter&) = delete;

    // The presses logged so far.
    int Count();

private:
    HANDLE m_hLog;
    std::string m_strPartialLine;
    int m_nCount = 0;
};
