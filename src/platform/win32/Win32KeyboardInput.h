#pragma once
// The keyboard input port over user32 and kernel32.
#include "ports/IKeyboardInput.h"

class CWin32KeyboardInput : public IKeyboardInput {
public:
    CWin32KeyboardInput();
    ~CWin32KeyboardInput() override;
    CWin32KeyboardInput(const CWin32KeyboardInput&) = delete;
    CWin32KeyboardInput& operator=(const CWin32KeyboardInput&) = delete;

    std::uint32_t SendInput(std::uint32_t count, const InputRecord* records, int cbSize) override;
    void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                    std::uintptr_t extraInfo) override;
    bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) override;
    std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) override;
    std::int16_t VkKeyScan(wchar_t ch) override;
    bool AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread, bool attach) override;
    std::uint32_t GetCurrentThreadId() override;
    bool GetKeyboardState(KeyboardState* state) override;
    bool SetKeyboardState(const KeyboardState& state) override;
    bool InvalidateOwnRect(WindowHandle window, const Rect& rect) override;
    bool GetUpdateRect(WindowHandle window, bool erase) override;
    bool IsHungAppWindow(WindowHandle window) override;
    Microseconds Now() override;
    void WaitUntil(Microseconds due) override;

private:
    std::int64_t m_nFrequency = 1;
    // A high-resolution waitable timer where the system has one (Windows 10, version 1803, and later),
    // else a plain one, whose resolution is the system's timer resolution.
    void* m_hTimer = nullptr;
};
