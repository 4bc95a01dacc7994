#include "PressCounter.h"

namespace {
const char PRESS_LINE_PART[] = " WM_KEYDOWN wParam=0x00000041 ";
}

CPressCounter::CPressCounter(const std::wstring& strLogPath)
    : m_hLog(CreateFileW(strLogPath.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr)) {}

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
        size_t nStart = 0;
        for (size_t nEnd = m_strPartialLine.find('\n'); nEnd != std::string::npos;
             nEnd = m_strPartialLine.find('\n', nStart)) {
            if (m_strPartialLine.substr(nStart, nEnd - nStart).find(PRESS_LINE_PART) != std::string::npos) {
                ++m_nCount;
            }
            nStart = nEnd + 1;
        }
        m_strPartialLine.erase(0, nStart);
    }
    return m_nCount;
}
