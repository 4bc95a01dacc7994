#include "RecorderLog.h"

#include <cstdio>
#include <cstring>

namespace {
UINT MessageNamed(const char* pszName) {
    for (const KeyMessageName& entry : KEY_MESSAGE_NAMES) {
        if (std::strcmp(entry.pszName, pszName) == 0) {
            return entry.nMessage;
        }
    }
    return 0;
}

bool IsKeyDownOrUp(UINT nMessage) {
    return nMessage == WM_KEYDOWN || nMessage == WM_KEYUP || nMessage == WM_SYSKEYDOWN ||
           nMessage == WM_SYSKEYUP;
}
} // namespace

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
        char szModifiers[4] = {};
        if (std::sscanf(strLine.c_str(), "%lf %31s wParam=0x%lx lParam=0x%lx modifiers=%3s", &dMs, szMessage,
                        &nWParam, &nLParam, szModifiers) != 5 ||
            MessageNamed(szMessage) == 0) {
            continue;
        }
        RecordedKeyMessage message;
        message.dMs = dMs;
        message.nMessage = MessageNamed(szMessage);
        message.nWParam = static_cast<std::uint32_t>(nWParam);
        message.nLParam = static_cast<std::uint32_t>(nLParam);
        message.strModifiers = szModifiers;
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

std::vector<RecordedKeyMessage> MessagesOf(const std::vector<RecordedKeyMessage>& messages, UINT nMessage,
                                           long long nKey) {
    std::vector<RecordedKeyMessage> selected;
    for (const RecordedKeyMessage& message : messages) {
        if (message.nMessage == nMessage && (nKey == ANY_KEY || message.nWParam == nKey)) {
            selected.push_back(message);
        }
    }
    return selected;
}

int CountMessages(const std::vector<RecordedKeyMessage>& messages, UINT nMessage, long long nKey) {
    return static_cast<int>(MessagesOf(messages, nMessage, nKey).size());
}

std::wstring TypedCharacters(const std::vector<RecordedKeyMessage>& messages) {
    std::wstring strTyped;
    for (const RecordedKeyMessage& message : MessagesOf(messages, WM_CHAR)) {
        strTyped.push_back(static_cast<wchar_t>(message.nWParam));
    }
    return strTyped;
}

std::map<std::uint32_t, UINT> LastKeyMessages(const std::vector<RecordedKeyMessage>& messages) {
    std::map<std::uint32_t, UINT> last;
    for (const RecordedKeyMessage& message : messages) {
        if (IsKeyDownOrUp(message.nMessage)) {
            last[message.nWParam] = message.nMessage;
        }
    }
    return last;
}
