#pragma once
// Synthetic keyboard input and the window queries the keystroke injector needs.
#include <cstdint>
#include <functional>
#include <string>

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
    virtual std::uint32_t GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId) = 0;
    virtual bool IsWindow(WindowHandle window) = 0;
    // EnumChildWindows: visits every descendant until visit returns false.
    virtual void EnumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) = 0;
    virtual std::wstring GetClassName(WindowHandle window, int maxCount) = 0;
    // FindWindowW with both texts given (an empty text is an empty string, not "any").
    virtual WindowHandle FindWindow(const std::wstring& className, const std::wstring& title) = 0;
};
