#pragma once
// The keyboard layout port over user32.
#include "ports/IKeyboardLayout.h"

class CWin32KeyboardLayout : public IKeyboardLayout {
public:
    bool GetKeyboardState(KeyboardState* state) override;
    LayoutHandle GetKeyboardLayout(std::uint32_t threadId) override;
    std::uint32_t MapVirtualKeyEx(std::uint32_t code, std::uint32_t mapType, LayoutHandle layout) override;
    std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) override;
    int ToUnicodeEx(std::uint32_t vk, std::uint32_t scanCode, const KeyboardState& state, wchar_t* buffer,
                    int bufferSize, std::uint32_t flags, LayoutHandle layout) override;
    int GetKeyNameText(LParam keyParameter, wchar_t* buffer, int bufferSize) override;
};
