#include "PressCounter.h"

#include "RecorderLog.h"

CPressCounter::CPressCounter(const std::wstring& strLogPath, WPARAM nKey)
    : m_hLog(CreateFileW(strLogPath.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr)),
      m_nKey(nKey) {}

CPressCounter::~CPressCounter() {
    if (m_hLog != INVALID_HANDLE_VALUE) {
        CloseHandle(m_hLog);
    }
}

int CPressCounter::Count() {
    if (m_hLog == INVALID_HANDLE_VALUE) {
        return m_nCount;
    }
    char buffer[16384];
    DWORD nRead = 0;
    while (ReadFile(m_hLog, buffer, sizeof(buffer), &nRead, nullptr) && nRead > 0) {
        m_strPartialLine.append(buffer, nRead);
        // Complete lines only (none: npos + 1 is 0); the rest waits for the next read.
        const size_t nComplete = m_strPartialLine.rfind('\n') + 1;
        m_nCount +=
            CountMessages(ParseRecorderLog(m_strPartialLine.substr(0, nComplete)), WM_KEYDOWN, m_nKey);
        m_strPartialLine.erase(0, nComplete);
    }
    return m_nCount;
}
