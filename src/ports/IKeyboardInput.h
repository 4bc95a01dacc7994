#pragma once
// Synthetic keyboard input: input records, key events, key messages posted to a window, key code
// mapping, attaching this thread's input to the thread of the window that gets the keys, the key state
// shared while attached, and a bounded wait for that window to handle what was posted to it, on the
// performance counter.
// Questions about windows go to IWindowQueries.
#include <array>
#include <cstdint>

#include "ports/ITimers.h"
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

// GetKeyboardState / SetKeyboardState: one byte per virtual-key code, bit 0x80 set while it is down.
using KeyboardState = std::array<std::uint8_t, 256>;

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
    // The key state of this thread's input, which attached threads share.
    virtual bool GetKeyboardState(KeyboardState* state) = 0;
    virtual bool SetKeyboardState(const KeyboardState& state) = 0;
    // Marks a rectangle of the window itself, not of its children, to be painted; GetUpdateRect (no
    // rectangle asked for) tells whether it still waits. The window's thread paints only once its
    // posted messages are all handled, so the update region empties after them.
    virtual bool InvalidateOwnRect(WindowHandle window, const Rect& rect) = 0;
    virtual bool GetUpdateRect(WindowHandle window, bool erase) = 0;
    // IsHungAppWindow: the window's thread has not asked for messages for some seconds.
    virtual bool IsHungAppWindow(WindowHandle window) = 0;
    // The performance counter, in microseconds: the clock of ITimers::Now.
    virtual Microseconds Now() = 0;
    // Waits until due on a high-resolution timer, handling meanwhile what other threads send to this
    // one (an attached target may send to it); a due already past only yields the processor. It may
    // end early: the caller looks at the clock.
    virtual void WaitUntil(Microseconds due) = 0;
};
