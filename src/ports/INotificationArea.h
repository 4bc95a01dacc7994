#pragma once
// The taskbar's notification area (Shell_NotifyIconW).
#include <array>
#include <cstdint>

#include "ports/WinTypes.h"

// NOTIFYICONDATAW up to szTip; the fields after it are always zero here.
struct NotifyIconRecord {
    std::uint32_t cbSize = 0;
    WindowHandle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconHandle hIcon = 0;
    std::array<wchar_t, 128> szTip{};
};

class INotificationArea {
public:
    virtual ~INotificationArea() = default;

    virtual bool ShellNotifyIcon(std::uint32_t message, const NotifyIconRecord& record) = 0;
};
