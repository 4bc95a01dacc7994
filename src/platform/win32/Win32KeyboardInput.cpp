#include "platform/win32/Win32KeyboardInput.h"

#include <vector>

#include "platform/win32/Win32Handles.h"

static_assert(sizeof(INPUT) == INPUT_RECORD_SIZE,
              "the record size passed to SendInput is that of the i686 INPUT");

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

CWin32KeyboardInput::CWin32KeyboardInput() {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    m_nFrequency = frequency.QuadPart > 0 ? frequency.QuadPart : 1;
    // Systems without high-resolution timers refuse the flag.
    m_hTimer =
        CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    if (m_hTimer == nullptr) {
        m_hTimer = CreateWaitableTimerW(nullptr, FALSE, nullptr);
    }
}

CWin32KeyboardInput::~CWin32KeyboardInput() {
    if (m_hTimer != nullptr) {
        CloseHandle(m_hTimer);
    }
}

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

bool CWin32KeyboardInput::InvalidateOwnRect(WindowHandle window, const Rect& rect) {
    const RECT area = {rect.left, rect.top, rect.right, rect.bottom};
    // Without RDW_NOCHILDREN a window without WS_CLIPCHILDREN (most frames) has its children under
    // the rectangle repainted too: an Edit filling the frame would redraw its text at every press.
    return ::RedrawWindow(ToHwnd(window), &area, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN) != FALSE;
}

bool CWin32KeyboardInput::GetUpdateRect(WindowHandle window, bool erase) {
    return ::GetUpdateRect(ToHwnd(window), nullptr, erase ? TRUE : FALSE) != FALSE;
}

bool CWin32KeyboardInput::IsHungAppWindow(WindowHandle window) {
    return ::IsHungAppWindow(ToHwnd(window)) != FALSE;
}

Microseconds CWin32KeyboardInput::Now() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    // Split so that the product cannot overflow for any uptime.
    return counter.QuadPart / m_nFrequency * 1000000 +
           counter.QuadPart % m_nFrequency * 1000000 / m_nFrequency;
}

void CWin32KeyboardInput::WaitUntil(Microseconds due) {
    const Microseconds now = Now();
    HANDLE timer = m_hTimer;
    // Negative: relative to now, in 100-nanosecond units.
    LARGE_INTEGER relative{};
    relative.QuadPart = -(due - now) * 10;
    if (due <= now) {
        // Only a yield: a question to the system here would slow the target being waited for.
        SwitchToThread();
        return;
    }
    if (timer != nullptr && SetWaitableTimer(timer, &relative, 0, nullptr, nullptr, FALSE)) {
        MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_SENDMESSAGE, 0);
    } else {
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>((due - now + 999) / 1000), QS_SENDMESSAGE,
                                    0);
    }
    // What other threads sent meanwhile is handled here; nothing is taken from the queue.
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}
