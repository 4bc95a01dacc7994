#include "platform/win32/Win32NotificationArea.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "platform/win32/Win32Handles.h"

bool CWin32NotificationArea::ShellNotifyIcon(std::uint32_t message, const NotifyIconRecord& record) {
    static_assert(sizeof(NOTIFYICONDATAW::szTip) / sizeof(WCHAR) ==
                      std::tuple_size<decltype(record.szTip)>::value,
                  "the tip buffers must match");
    NOTIFYICONDATAW data{};
    // The record's own size (952), not sizeof(data): the shell reads no further than cbSize says.
    data.cbSize = record.cbSize;
    data.hWnd = ToHwnd(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = ToHandle<HICON>(record.hIcon);
    std::copy(record.szTip.begin(), record.szTip.end(), data.szTip);
    data.szTip[std::size(data.szTip) - 1] = L'\0';
    return ::Shell_NotifyIconW(message, &data) != FALSE;
}
