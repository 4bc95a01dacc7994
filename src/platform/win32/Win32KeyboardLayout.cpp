#include "platform/win32/Win32KeyboardLayout.h"

#include "platform/win32/Win32Handles.h"

bool CWin32KeyboardLayout::GetKeyboardState(KeyboardState* state) {
    return ::GetKeyboardState(state->data()) != FALSE;
}

LayoutHandle CWin32KeyboardLayout::GetKeyboardLayout(std::uint32_t threadId) {
    return FromHandle(::GetKeyboardLayout(threadId));
}

std::uint32_t CWin32KeyboardLayout::MapVirtualKeyEx(std::uint32_t code, std::uint32_t mapType,
                                                    LayoutHandle layout) {
    return ::MapVirtualKeyExW(code, mapType, ToHandle<HKL>(layout));
}

std::uint32_t CWin32KeyboardLayout::MapVirtualKey(std::uint32_t code, std::uint32_t mapType) {
    return ::MapVirtualKeyW(code, mapType);
}

int CWin32KeyboardLayout::ToUnicodeEx(std::uint32_t vk, std::uint32_t scanCode, const KeyboardState& state,
                                      wchar_t* buffer, int bufferSize, std::uint32_t flags,
                                      LayoutHandle layout) {
    return ::ToUnicodeEx(vk, scanCode, state.data(), buffer, bufferSize, flags, ToHandle<HKL>(layout));
}

int CWin32KeyboardLayout::GetKeyNameText(LParam keyParameter, wchar_t* buffer, int bufferSize) {
    return ::GetKeyNameTextW(static_cast<LONG>(keyParameter), buffer, bufferSize);
}
