#include "platform/win32/Win32KeyboardInput.h"

#include <vector>

#include "platform/win32/Win32Handles.h"

static_assert(sizeof(INPUT) == INPUT_RECORD_SIZE,
              "the record size passed to SendInput is that of the i686 INPUT");

std::uint32_t CWin32KeyboardInput::SendInput(std::uint32_t count, const InputRecord* records, int cbSize) {
    std::vector<INPUT> inputs(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        inputs[i].type = records[i].type;
        inputs[i].ki.wVk = records[i].ki.wVk;
        inputs[i].ki.wScan = records[i].ki.wScan;
        inputs[i].ki.dwFlags = records[i].ki.dwFlags;
        inputs[i].ki.time = records[i].ki.time;
        inputs[i].ki.dwExtraInfo = records[i].ki.dwExtraInfo;
    }
    return ::SendInput(count, inputs.data(), cbSize);
}

void CWin32KeyboardInput::KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                                     std::uintptr_t extraInfo) {
    ::keybd_event(vk, scan, flags, extraInfo);
}

bool CWin32KeyboardInput::PostMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                                      LParam lParam) {
    return ::PostMessageW(ToHwnd(window), message, wParam, lParam) != FALSE;
}

std::uint32_t CWin32KeyboardInput::MapVirtualKey(std::uint32_t code, std::uint32_t mapType) {
    return ::MapVirtualKeyW(code, mapType);
}

std::int16_t CWin32KeyboardInput::VkKeyScan(wchar_t ch) {
    return ::VkKeyScanW(ch);
}

bool CWin32KeyboardInput::AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread, bool attach) {
    return ::AttachThreadInput(attachThread, toThread, attach ? TRUE : FALSE) != FALSE;
}

std::uint32_t CWin32KeyboardInput::GetCurrentThreadId() {
    return ::GetCurrentThreadId();
}

bool CWin32KeyboardInput::GetKeyboardState(KeyboardState* state) {
    return ::GetKeyboardState(state->data()) != FALSE;
}

bool CWin32KeyboardInput::SetKeyboardState(const KeyboardState& state) {
    // The array is not changed; the parameter is not const in the declaration only.
    return ::SetKeyboardState(const_cast<BYTE*>(state.data())) != FALSE;
}

bool CWin32KeyboardInput::InvalidateRect(WindowHandle window, const Rect& rect, bool erase) {
    const RECT area = {rect.left, rect.top, rect.right, rect.bottom};
    return ::InvalidateRect(ToHwnd(window), &area, erase ? TRUE : FALSE) != FALSE;
}

bool CWin32KeyboardInput::GetUpdateRect(WindowHandle window, bool erase) {
    return ::GetUpdateRect(ToHwnd(window), nullptr, erase ? TRUE : FALSE) != FALSE;
}

void CWin32KeyboardInput::Sleep(std::uint32_t ms) {
    ::Sleep(ms);
}
