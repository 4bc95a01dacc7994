#include "RecorderLog.h"

#include <windows.h>

#include <cstdio>

std::vector<RecordedKeyMessage> ParseRecorderLog(const std::string& strText) {
    std::vector<RecordedKeyMessage> messages;
    size_t nStart = 0;
    for (size_t nEnd = strText.find('\n'); nEnd != std::string::npos; nEnd = strText.find('\n', nStart)) {
        const std::string strLine = strText.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        double dMs = 0.0;
        char szMessage[32] = {};
        unsigned long nWParam = 0;
        unsigned long nLParam = 0;
        if (std::sscanf(strLine.c_str(), "%lf %31s wParam=0x%lx lParam=0x%lx", &dMs, szMessage, &nWParam,
                        &nLParam) != 4) {
            continue;
        }
        RecordedKeyMessage message;
        message.dMs = dMs;
        message.strMessage = szMessage;
        message.nWParam = static_cast<std::uint32_t>(nWParam);
        message.nLParam = static_cast<std::uint32_t>(nLParam);
        messages.push_back(message);
    }
    return messages;
}

std::vector<RecordedKeyMessage> ReadRecorderLog(const std::wstring& strPath) {
    // The recorder keeps the file open for appending; reading must share it.
    HANDLE hFile =
        CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string strText;
    char buffer[4096];
    DWORD nRead = 0;
    while (ReadFile(hFile, buffer, sizeof(buffer), &nRead, nullptr) && nRead > 0) {
        strText.append(buffer, nRead);
    }
    CloseHandle(hFile);
    return ParseRecorderLog(strText);
}

int CountMessages(const std::vector<RecordedKeyMessage>& messages, const std::string& strMessage,
                  long long nWParam) {
    int nCount = 0;
    for (const RecordedKeyMessage& message : messages) {
        if (message.strMessage == strMessage && (nWParam < 0 || message.nWParam == nWParam)) {
            ++nCount;
        }
    }
    return nCount;
}

std::wstring TypedCharacters(const std::vector<RecordedKeyMessage>& messages) {
    std::wstring strTyped;
    for (const RecordedKeyMessage& message : messages) {
        if (message.strMessage == "WM_CHAR") {
            strTyped.push_back(static_cast<wchar_t>(message.nWParam));
        }
    }
    return strTyped;
}
