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

std::uint32_t CWin32KeyboardInput::GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId) {
    DWORD process = 0;
    const DWORD thread = ::GetWindowThreadProcessId(ToHwnd(window), &process);
    if (processId != nullptr) {
        *processId = process;
    }
    return thread;
}

bool CWin32KeyboardInput::IsWindow(WindowHandle window) {
    return ::IsWindow(ToHwnd(window)) != FALSE;
}

void CWin32KeyboardInput::EnumChildWindows(WindowHandle parent,
                                           const std::function<bool(WindowHandle)>& visit) {
    ::EnumChildWindows(ToHwnd(parent), VisitWindow, WindowVisitor(visit));
}

std::wstring CWin32KeyboardInput::GetClassName(WindowHandle window, int maxCount) {
    if (maxCount <= 0) {
        return std::wstring();
    }
    std::vector<wchar_t> buffer(static_cast<std::size_t>(maxCount), L'\0');
    const int length = ::GetClassNameW(ToHwnd(window), buffer.data(), maxCount);
    return std::wstring(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
}

WindowHandle CWin32KeyboardInput::FindWindow(const std::wstring& className, const std::wstring& title) {
    return FromHandle(::FindWindowW(className.c_str(), title.c_str()));
}
