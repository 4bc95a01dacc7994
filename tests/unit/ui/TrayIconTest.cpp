// The notification-area icon: the records handed to the shell, the tooltip's truncation and the
// tray menu that comes with an accepted icon.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "MenuResources.h"
#include "fakes/FakeMenus.h"
#include "fakes/FakeNotificationArea.h"
#include "fakes/FakeWindows.h"
#include "fw/Menu.h"
#include "ports/Win32Constants.h"
#include "resource.h"
#include "ui/TrayIcon.h"

namespace {

constexpr IconHandle kIcon = 0x00010080;
const wchar_t kTitle[] = L"Tapwell by Tovrin";

std::wstring TipOf(const NotifyIconRecord& record) {
    std::wstring tip;
    for (wchar_t unit : record.szTip) {
        if (unit == L'\0') {
            break;
        }
        tip += unit;
    }
    return tip;
}

bool TipIsAllZero(const NotifyIconRecord& record) {
    for (wchar_t unit : record.szTip) {
        if (unit != L'\0') {
            return false;
        }
    }
    return true;
}

class TrayIconFixture : public ::testing::Test {
protected:
    TrayIconFixture() { AddTrayMenuResource(m_menus); }

    MenuHandle Popup() const { return m_menus.MenuOf(m_trayMenu.m_hMenu).items.at(0).subMenu; }

    FakeWindows m_windows;
    FakeMenus m_menus{m_windows};
    FakeNotificationArea m_shell;
    CMenu m_trayMenu{m_menus};
    CTrayIcon m_trayIcon{m_shell, m_trayMenu};
    const WindowHandle m_hWnd = m_windows.AddTopLevelWindow(kTitle, L"#32770", {}, FakeWindows::kOwnProcessId,
                                                            FakeWindows::kOwnThreadId);
};

} // namespace

TEST_F(TrayIconFixture, AddRecordCarriesIconCallbackAndTitle) {
    ASSERT_TRUE(m_trayIcon.Add(m_hWnd, kIcon, kTitle));

    ASSERT_EQ(m_shell.Calls().size(), 1u);
    const FakeNotificationArea::Call& call = m_shell.Calls()[0];
    EXPECT_EQ(call.message, NIM_ADD);
    EXPECT_EQ(call.record.cbSize, 952u);
    EXPECT_EQ(call.record.hWnd, m_hWnd);
    EXPECT_EQ(call.record.uID, 90u);
    EXPECT_EQ(call.record.uFlags, 7u);
    EXPECT_EQ(call.record.uCallbackMessage, 0x0401u);
    EXPECT_EQ(call.record.hIcon, kIcon);
    EXPECT_EQ(TipOf(call.record), kTitle);
    EXPECT_EQ(m_shell.IconOf(m_hWnd, TRAY_ICON_ID).tip, kTitle);
}

TEST_F(TrayIconFixture, DeleteRecordNamesTheIconAndNothingElse) {
    ASSERT_TRUE(m_trayIcon.Add(m_hWnd, kIcon, kTitle));

    m_trayIcon.Remove(m_hWnd);

    const FakeNotificationArea::Call& call = m_shell.Calls().back();
    EXPECT_EQ(call.message, NIM_DELETE);
    EXPECT_EQ(call.record.cbSize, 952u);
    EXPECT_EQ(call.record.hWnd, m_hWnd);
    EXPECT_EQ(call.record.uID, 90u);
    EXPECT_EQ(call.record.uFlags, 7u);
    EXPECT_EQ(call.record.uCallbackMessage, 0u);
    EXPECT_EQ(call.record.hIcon, 0u);
    EXPECT_TRUE(TipIsAllZero(call.record));
    EXPECT_FALSE(m_shell.HasIcon(m_hWnd, TRAY_ICON_ID));
}

TEST_F(TrayIconFixture, TipRecordChangesOnlyTheTooltip) {
    ASSERT_TRUE(m_trayIcon.Add(m_hWnd, kIcon, kTitle));

    m_trayIcon.SetTip(m_hWnd, L"F6 - [ A ]\nTapwell by Tovrin");

    const FakeNotificationArea::Call& call = m_shell.Calls().back();
    EXPECT_EQ(call.message, NIM_MODIFY);
    EXPECT_EQ(call.record.cbSize, 952u);
    EXPECT_EQ(call.record.uID, 90u);
    EXPECT_EQ(call.record.uFlags, 4u);
    EXPECT_EQ(call.record.uCallbackMessage, 0u);
    EXPECT_EQ(call.record.hIcon, 0u);
    EXPECT_EQ(m_shell.IconOf(m_hWnd, TRAY_ICON_ID).tip, L"F6 - [ A ]\nTapwell by Tovrin");
    EXPECT_EQ(m_shell.IconOf(m_hWnd, TRAY_ICON_ID).icon, kIcon);
}

TEST_F(TrayIconFixture, TooltipIsCutAt127Units) {
    const struct {
        std::size_t length;
        std::size_t kept;
    } cases[] = {{0, 0}, {126, 126}, {127, 127}, {128, 127}, {300, 127}};
    for (const auto& c : cases) {
        std::wstring tip;
        for (std::size_t i = 0; i < c.length; ++i) {
            tip += static_cast<wchar_t>(L'a' + i % 26);
        }
        NotifyIconRecord record;
        record.szTip.fill(L'x');

        CTrayIcon::CopyTip(tip, record);

        EXPECT_EQ(TipOf(record), tip.substr(0, c.kept)) << "length " << c.length;
        EXPECT_EQ(record.szTip[c.kept], L'\0') << "length " << c.length;
        EXPECT_EQ(record.szTip[127], L'\0') << "length " << c.length;
    }
}

TEST_F(TrayIconFixture, CutDoesNotSplitASurrogatePair) {
    std::wstring tip(126, L'a');
    tip += static_cast<wchar_t>(0xD83D);
    tip += static_cast<wchar_t>(0xDE00);
    NotifyIconRecord record;

    CTrayIcon::CopyTip(tip, record);

    EXPECT_EQ(TipOf(record), std::wstring(126, L'a'));
}

TEST_F(TrayIconFixture, AcceptedIconLoadsTheTrayMenuWithShowAsDefault) {
    ASSERT_TRUE(m_trayIcon.Add(m_hWnd, kIcon, kTitle));

    ASSERT_NE(m_trayMenu.m_hMenu, 0u);
    EXPECT_EQ(m_menus.MenuOf(m_trayMenu.m_hMenu).resourceId, static_cast<std::uint32_t>(IDR_TRAY_MENU));
    const FakeMenus::Menu& popup = m_menus.MenuOf(Popup());
    EXPECT_TRUE(popup.hasDefault);
    EXPECT_EQ(popup.defaultItem, static_cast<std::uint32_t>(ID_TRAY_SHOW));
    EXPECT_FALSE(popup.defaultByPosition);
}

TEST_F(TrayIconFixture, RefusedIconLoadsNoMenuAndTracksNothing) {
    m_shell.RefuseAdds(true);

    EXPECT_FALSE(m_trayIcon.Add(m_hWnd, kIcon, kTitle));

    EXPECT_EQ(m_trayMenu.m_hMenu, 0u);
    EXPECT_EQ(m_menus.LiveLoadedMenus(), 0);
    EXPECT_FALSE(m_trayIcon.TrackMenu(10, 20, m_hWnd));
    EXPECT_TRUE(m_menus.Tracked().empty());
}

TEST_F(TrayIconFixture, RepeatedAddReplacesTheMenuAndReleasesTheOldOne) {
    ASSERT_TRUE(m_trayIcon.Add(m_hWnd, kIcon, kTitle));
    const MenuHandle first = m_trayMenu.m_hMenu;
    m_trayIcon.Remove(m_hWnd);

    ASSERT_TRUE(m_trayIcon.Add(m_hWnd, kIcon, kTitle));

    EXPECT_NE(m_trayMenu.m_hMenu, first);
    EXPECT_TRUE(m_menus.MenuOf(first).destroyed);
    EXPECT_EQ(m_menus.LiveLoadedMenus(), 1);
    EXPECT_EQ(m_menus.MenuOf(Popup()).defaultItem, static_cast<std::uint32_t>(ID_TRAY_SHOW));
}

TEST_F(TrayIconFixture, MenuIsTrackedAsThePopupAtThePointForTheOwner) {
    ASSERT_TRUE(m_trayIcon.Add(m_hWnd, kIcon, kTitle));

    EXPECT_TRUE(m_trayIcon.TrackMenu(640, 1010, m_hWnd));

    ASSERT_EQ(m_menus.Tracked().size(), 1u);
    const FakeMenus::TrackCall& track = m_menus.Tracked()[0];
    EXPECT_EQ(track.menu, Popup());
    EXPECT_EQ(track.flags, 0u);
    EXPECT_EQ(track.x, 640);
    EXPECT_EQ(track.y, 1010);
    EXPECT_EQ(track.owner, m_hWnd);
}

TEST_F(TrayIconFixture, MissingMenuResourceStillKeepsTheIcon) {
    FakeMenus menusWithoutResources{m_windows};
    CMenu trayMenu{menusWithoutResources};
    CTrayIcon trayIcon{m_shell, trayMenu};

    EXPECT_TRUE(trayIcon.Add(m_hWnd, kIcon, kTitle));

    EXPECT_TRUE(m_shell.HasIcon(m_hWnd, TRAY_ICON_ID));
    EXPECT_FALSE(trayIcon.TrackMenu(1, 2, m_hWnd));
}
