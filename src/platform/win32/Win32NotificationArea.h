#pragma once
// The notification-area port over shell32's Shell_NotifyIconW.
#include "ports/INotificationArea.h"

class CWin32NotificationArea : public INotificationArea {
public:
    bool ShellNotifyIcon(std::uint32_t message, const NotifyIconRecord& record) override;
};
