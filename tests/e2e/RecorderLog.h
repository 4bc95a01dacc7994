#pragma once
// The log the recorder writes: one line per key message that reached its Edit,
// "<ms since start> <message> wParam=0x<hex> lParam=0x<hex>".
#include <cstdint>
#include <string>
#include <vector>

struct RecordedKeyMessage {
    double dMs = 0.0;
    std::string strMessage; // "WM_KEYDOWN", "WM_KEYUP", "WM_CHAR", "WM_SYSKEYDOWN", "WM_SYSKEYUP"
    std::uint32_t nWParam = 0;
    std::uint32_t nLParam = 0;
};

// Complete lines only: a line still being written is left for the next read.
std::vector<RecordedKeyMessage> ParseRecorderLog(const std::string& strText);
std::vector<RecordedKeyMessage> ReadRecorderLog(const std::wstring& strPath);

// How many of the messages have this name and, unless nWParam is negative, this wParam.
int CountMessages(const std::vector<RecordedKeyMessage>& messages, const std::string& strMessage,
                  long long nWParam = -1);
// The characters of the WM_CHAR lines, in order.
std::wstring TypedCharacters(const std::vector<RecordedKeyMessage>& messages);
