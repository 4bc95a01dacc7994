#pragma once
// The main dialog's icon in the taskbar's notification area, and the tray menu that belongs to it.
#include <cstdint>
#include <string>

#include "fw/Menu.h"
#include "ports/INotificationArea.h"
#include "ports/Win32Constants.h"
#include "ports/WinTypes.h"

constexpr std::uint32_t TRAY_ICON_ID = 90;
constexpr std::uint32_t WM_TRAYNOTIFY = WM_USER + 1; // mouse events on the icon
// NOTIFYICONDATAW up to and including guidItem, without the balloon icon.
constexpr std::uint32_t NOTIFY_ICON_RECORD_SIZE = 952;
constexpr std::size_t TRAY_TIP_MAX_LENGTH = 127;

class CTrayIcon {
public:
    // trayMenu is the dialog's tray menu object; it is loaded here once the shell accepts the icon.
    CTrayIcon(INotificationArea& notificationArea, CMenu& trayMenu);

    // NIM_ADD with the icon, the callback message and tip. Only when the shell accepts it is the
    // tray menu (re)loaded, with "Show" as the default item of its pop-up. True when accepted.
    bool Add(WindowHandle window, IconHandle icon, const std::wstring& tip);
    // NIM_DELETE; the result does not matter, the icon is gone either way.
    void Remove(WindowHandle window);
    // NIM_MODIFY of the tooltip alone.
    void SetTip(WindowHandle window, const std::wstring& tip);
    // Tracks the tray menu's pop-up at (x, y); false when no menu is loaded.
    bool TrackMenu(int x, int y, WindowHandle owner);

    static NotifyIconRecord MakeAddRecord(WindowHandle window, IconHandle icon, const std::wstring& tip);
    static NotifyIconRecord MakeDeleteRecord(WindowHandle window);
    static NotifyIconRecord MakeTipRecord(WindowHandle window, const std::wstring& tip);
    // As lstrcpynW into the 128 units of szTip: at most 127 units and the terminating zero, never
    // ending on the first half of a surrogate pair.
    static void CopyTip(const std::wstring& tip, NotifyIconRecord& record);

private:
    INotificationArea& m_notificationArea;
    CMenu& m_trayMenu;
};
