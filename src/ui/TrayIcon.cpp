#include "ui/TrayIcon.h"

#include <algorithm>

#include "ports/Win32Constants.h"
#include "resource.h"

namespace {

constexpr std::uint32_t ADD_DELETE_FLAGS = NIF_MESSAGE | NIF_ICON | NIF_TIP;

bool IsHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

NotifyIconRecord BaseRecord(WindowHandle window, std::uint32_t flags) {
    NotifyIconRecord record;
    // Not the toolchain's sizeof (which adds the balloon icon): the shorter record every shell accepts.
    record.cbSize = NOTIFY_ICON_RECORD_SIZE;
    record.hWnd = window;
    record.uID = TRAY_ICON_ID;
    record.uFlags = flags;
    return record;
}

} // namespace

CTrayIcon::CTrayIcon(INotificationArea& notificationArea, CMenu& trayMenu)
    : m_notificationArea(notificationArea), m_trayMenu(trayMenu) {}

bool CTrayIcon::Add(WindowHandle window, IconHandle icon, const std::wstring& tip) {
    if (!m_notificationArea.ShellNotifyIcon(NIM_ADD, MakeAddRecord(window, icon, tip))) {
        return false;
    }
    // LoadMenu releases a menu an earlier add loaded.
    if (m_trayMenu.LoadMenu(IDR_TRAY_MENU)) {
        m_trayMenu.GetSubMenu(0).SetDefaultItem(ID_TRAY_SHOW, false);
    }
    return true;
}

void CTrayIcon::Remove(WindowHandle window) {
    m_notificationArea.ShellNotifyIcon(NIM_DELETE, MakeDeleteRecord(window));
}

void CTrayIcon::SetTip(WindowHandle window, const std::wstring& tip) {
    m_notificationArea.ShellNotifyIcon(NIM_MODIFY, MakeTipRecord(window, tip));
}

bool CTrayIcon::TrackMenu(int x, int y, WindowHandle owner) {
    if (m_trayMenu.m_hMenu == 0) {
        return false;
    }
    return m_trayMenu.GetSubMenu(0).TrackPopupMenu(0, x, y, owner);
}

NotifyIconRecord CTrayIcon::MakeAddRecord(WindowHandle window, IconHandle icon, const std::wstring& tip) {
    NotifyIconRecord record = BaseRecord(window, ADD_DELETE_FLAGS);
    record.uCallbackMessage = WM_TRAYNOTIFY;
    record.hIcon = icon;
    CopyTip(tip, record);
    return record;
}

NotifyIconRecord CTrayIcon::MakeDeleteRecord(WindowHandle window) {
    return BaseRecord(window, ADD_DELETE_FLAGS);
}

NotifyIconRecord CTrayIcon::MakeTipRecord(WindowHandle window, const std::wstring& tip) {
    NotifyIconRecord record = BaseRecord(window, NIF_TIP);
    CopyTip(tip, record);
    return record;
}

void CTrayIcon::CopyTip(const std::wstring& tip, NotifyIconRecord& record) {
    std::size_t length = std::min(tip.size(), TRAY_TIP_MAX_LENGTH);
    // A pair cut in two would show as a stray box at the end of the tip.
    if (length == TRAY_TIP_MAX_LENGTH && tip.size() > length && IsHighSurrogate(tip[length - 1])) {
        --length;
    }
    record.szTip.fill(L'\0');
    std::copy(tip.begin(), tip.begin() + static_cast<std::ptrdiff_t>(length), record.szTip.begin());
}
