#pragma once
// The keyboard layout and state: what a key produces and what it is called.
#include <array>
#include <cstdint>
#include <string>

#include "ports/WinTypes.h"

using KeyboardState = std::array<std::uint8_t, 256>;

class IKeyboardLayout {
public:
    virtual ~IKeyboardLayout() = default;

    virtual bool GetKeyboardState(KeyboardState* state) = 0;
    // GetKeyboardLayout(threadId); 0 is the calling thread.
    virtual LayoutHandle GetKeyboardLayout(std::uint32_t threadId) = 0;
    virtual std::uint32_t MapVirtualKeyEx(std::uint32_t code, std::uint32_t mapType, LayoutHandle layout) = 0;
    virtual std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) = 0;
    // ToUnicodeEx into a zero-filled buffer of bufferSize units; returns ToUnicodeEx's result.
    virtual int ToUnicodeEx(std::uint32_t vk, std::uint32_t scanCode, const KeyboardState& state,
                            wchar_t* buffer, int bufferSize, std::uint32_t flags, LayoutHandle layout) = 0;
    // GetKeyNameTextW(keyParameter, buffer, bufferSize): the copied length.
    virtual int GetKeyNameText(LParam keyParameter, wchar_t* buffer, int bufferSize) = 0;
};
