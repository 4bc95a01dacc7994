#pragma once
// The log the recorder writes: one line per key message that reached its Edit,
// "<ms since start> <message> wParam=0x<hex> lParam=0x<hex> modifiers=<SCA>", read back as data.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct RecordedKeyMessage {
    double dMs = 0.0;
    UINT nMessage = 0; // WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN or WM_SYSKEYUP
    std::uint32_t nWParam = 0;
    std::uint32_t nLParam = 0;
    std::string strModifiers; // "S", "C", "A" where Shift, Ctrl, Alt read as down, else "-": "-C-"
};

// The messages the recorder logs, by the names it writes them with.
struct KeyMessageName {
    UINT nMessage;
    const char* pszName;
};
const KeyMessageName KEY_MESSAGE_NAMES[] = {{WM_KEYDOWN, "WM_KEYDOWN"},
                                            {WM_KEYUP, "WM_KEYUP"},
                                            {WM_CHAR, "WM_CHAR"},
                                            {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
                                            {WM_SYSKEYUP, "WM_SYSKEYUP"}};

// Any key, where a key may be given.
const long long ANY_KEY = -1;

// Complete lines only: a line still being written is left for the next read.
std::vector<RecordedKeyMessage> ParseRecorderLog(const std::string& strText);
std::vector<RecordedKeyMessage> ReadRecorderLog(const std::wstring& strPath);

// The messages of this kind about the key (its wParam), in the order they arrived.
std::vector<RecordedKeyMessage> MessagesOf(const std::vector<RecordedKeyMessage>& messages, UINT nMessage,
                                           long long nKey = ANY_KEY);
int CountMessages(const std::vector<RecordedKeyMessage>& messages, UINT nMessage, long long nKey = ANY_KEY);
// The characters of the WM_CHAR messages, in order.
std::wstring TypedCharacters(const std::vector<RecordedKeyMessage>& messages);
// Every key that went down or up, with the last of its key-down and key-up messages (system ones too):
// a key whose last message is a key-down is still down as far as the window knows.
std::map<std::uint32_t, UINT> LastKeyMessages(const std::vector<RecordedKeyMessage>& messages);
