#pragma once
// Synthetic keyboard input: input records, key events, key messages posted to a window, key code
// mapping, and attaching this thread's input to the thread of the window that gets the keys.
// Questions about windows go to IWindowQueries.
#include <cstdint>

#include "ports/WinTypes.h"

// KEYBDINPUT, field for field.
struct KeyboardRecord {
    std::uint16_t wVk = 0;
    std::uint16_t wScan = 0;
    std::uint32_t dwFlags = 0;
    std::uint32_t time = 0;
    std::uintptr_t dwExtraInfo = 0;
};

// INPUT with its keyboard member.
struct InputRecord {
    std::uint32_t type = 0;
    KeyboardRecord ki;
};

// sizeof(INPUT) in the 32-bit layout: the record size every SendInput call passes.
constexpr int INPUT_RECORD_SIZE = 28;

class IKeyboardInput {
public:
    virtual ~IKeyboardInput() = default;

    // SendInput(count, records, cbSize): cbSize is the size of one INPUT in the 32-bit layout.
    virtual std::uint32_t SendInput(std::uint32_t count, const InputRecord* records, int cbSize) = 0;
    virtual void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                            std::uintptr_t extraInfo) = 0;
    virtual bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) = 0;
    virtual std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) = 0;
    virtual std::int16_t VkKeyScan(wchar_t ch) = 0;
    virtual bool AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread, bool attach) = 0;
    virtual std::uint32_t GetCurrentThreadId() = 0;
};
