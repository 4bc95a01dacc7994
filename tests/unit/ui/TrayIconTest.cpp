// The notification-area icon: the records handed to the shell, the tooltip's truncation and the
// tray menu that comes with an accepted icon.
#include <algorithm>
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
#include "unit/TableRows.h"

namespace {

constexpr IconHandle ICON = 0x00010080;
const wchar_t TITLE[] = L"Tapwell by Tovrin";

std::wstring TipOf(const NotifyIconRecord& record) {
    return FakeNotificationArea::TipText(record);
}

// The tooltip as a whole field: the text, then zeros to the end.
bool TipIs(const NotifyIconRecord& record, const std::wstring& text) {
    if (text.size() >= record.szTip.size()) {
        return false;
    }
    const auto rest = std::find_if(record.szTip.begin() + text.size(), record.szTip.end(),
                                   [](wchar_t unit) { return unit != L'\0'; });
    return TipOf(record) == text && rest == record.szTip.end();
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
    const WindowHandle m_hWnd = m_windows.AddTopLevelWindow(TITLE, L"#32770", {}, FakeWindows::OWN_PROCESS_ID,
                                                            FakeWindows::OWN_THREAD_ID);
};

const wchar_t NEW_TIP[] = L"F6 - [ A ]\nTapwell by Tovrin";

// What the icon added with ICON and TITLE is asked to do next, and what the shell is handed for it.
struct RecordCase : NamedRow {
    void (*change)(CTrayIcon& trayIcon, WindowHandle window); // nullptr: nothing, the add is the record
    std::uint32_t message;
    std::uint32_t flags;
    std::uint32_t callbackMessage;
    IconHandle icon;
    const wchar_t* tip;
    const wchar_t* shownTip; // the icon's tooltip afterwards; nullptr: the icon is gone
};
using TrayIconRecord = TableTest<TrayIconFixture, RecordCase>;

} // namespace

TEST_P(TrayIconRecord, CarriesWhatTheMessageUsesAndNothingElse) {
    const RecordCase& c = GetParam();
    ASSERT_TRUE(m_trayIcon.Add(m_hWnd, ICON, TITLE));
    if (c.change != nullptr) {
        c.change(m_trayIcon, m_hWnd);
    }

    ASSERT_EQ(m_shell.Calls().size(), c.change == nullptr ? 1u : 2u);
    const FakeNotificationArea::Call& call = m_shell.Calls().back();
    EXPECT_EQ(call.message, c.message);
    EXPECT_EQ(call.record.cbSize, 952u);
    EXPECT_EQ(call.record.hWnd, m_hWnd);
    EXPECT_EQ(call.record.uID, 90u);
    EXPECT_EQ(call.record.uFlags, c.flags);
    EXPECT_EQ(call.record.uCallbackMessage, c.callbackMessage);
    EXPECT_EQ(call.record.hIcon, c.icon);
    EXPECT_TRUE(TipIs(call.record, c.tip)) << Narrow(TipOf(call.record));
    if (c.shownTip == nullptr) {
        EXPECT_FALSE(m_shell.HasIcon(m_hWnd, TRAY_ICON_ID));
    } else {
        EXPECT_EQ(m_shell.IconOf(m_hWnd, TRAY_ICON_ID).tip, c.shownTip);
        EXPECT_EQ(m_shell.IconOf(m_hWnd, TRAY_ICON_ID).icon, ICON);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, TrayIconRecord,
    ::testing::Values(
        RecordCase{"add carries icon callback and title", nullptr, NIM_ADD, 7, 0x0401, ICON, TITLE, TITLE},
        RecordCase{"delete names the icon only", [](CTrayIcon& t, WindowHandle w) { t.Remove(w); },
                   NIM_DELETE, 7, 0, 0, L"", nullptr},
        RecordCase{"tip changes only the tooltip", [](CTrayIcon& t, WindowHandle w) { t.SetTip(w, NEW_TIP); },
                   NIM_MODIFY, 4, 0, 0, NEW_TIP, NEW_TIP}),
    RowName());

namespace {

std::wstring Letters(std::size_t length) {
    std::wstring text;
    for (std::size_t i = 0; i < length; ++i) {
        text += static_cast<wchar_t>(L'a' + i % 26);
    }
    return text;
}

struct CutCase : NamedRow {
    std::wstring tip;
    std::size_t kept;
};
using TrayIconTipCut = TableTest<TrayIconFixture, CutCase>;

} // namespace

TEST_P(TrayIconTipCut, KeepsAtMost127UnitsAndEndsWithAZero) {
    const CutCase& c = GetParam();
    NotifyIconRecord record;
    record.szTip.fill(L'x');

    CTrayIcon::CopyTip(c.tip, record);

    EXPECT_EQ(TipOf(record), c.tip.substr(0, c.kept));
    EXPECT_EQ(record.szTip[c.kept], L'\0');
    EXPECT_EQ(record.szTip[127], L'\0');
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, TrayIconTipCut,
    ::testing::Values(CutCase{"empty", Letters(0), 0}, CutCase{"126 units", Letters(126), 126},
                      CutCase{"127 units", Letters(127), 127}, CutCase{"128 units", Letters(128), 127},
                      CutCase{"300 units", Letters(300), 127},
                      // The cut does not split a surrogate pair.
                      CutCase{"surrogate pair across the cut", Letters(126) + L"\xD83D\xDE00", 126}),
    RowName());

TEST_F(TrayIconFixture, AcceptedIconLoadsTheTrayMenuWithShowAsDefault) {
    ASSERT_TRUE(m_trayIcon.Add(m_hWnd, ICON, TITLE));

    ASSERT_NE(m_trayMenu.m_hMenu, 0u);
    EXPECT_EQ(m_menus.MenuOf(m_trayMenu.m_hMenu).resourceId, static_cast<std::uint32_t>(IDR_TRAY_MENU));
    const FakeMenus::Menu& popup = m_menus.MenuOf(Popup());
    EXPECT_TRUE(popup.hasDefault);
    EXPECT_EQ(popup.defaultItem, static_cast<std::uint32_t>(ID_TRAY_SHOW));
    EXPECT_FALSE(popup.defaultByPosition);
}

TEST_F(TrayIconFixture, RefusedIconLoadsNoMenuAndTracksNothing) {
    m_shell.RefuseAdds(true);

    EXPECT_FALSE(m_trayIcon.Add(m_hWnd, ICON, TITLE));

    EXPECT_EQ(m_trayMenu.m_hMenu, 0u);
    EXPECT_EQ(m_menus.LiveLoadedMenus(), 0);
    EXPECT_FALSE(m_trayIcon.TrackMenu(10, 20, m_hWnd));
    EXPECT_TRUE(m_menus.Tracked().empty());
}

TEST_F(TrayIconFixture, RepeatedAddReplacesTheMenuAndReleasesTheOldOne) {
    ASSERT_TRUE(m_trayIcon.Add(m_hWnd, ICON, TITLE));
    const MenuHandle first = m_trayMenu.m_hMenu;
    m_trayIcon.Remove(m_hWnd);

    ASSERT_TRUE(m_trayIcon.Add(m_hWnd, ICON, TITLE));

    EXPECT_NE(m_trayMenu.m_hMenu, first);
    EXPECT_TRUE(m_menus.MenuOf(first).destroyed);
    EXPECT_EQ(m_menus.LiveLoadedMenus(), 1);
    EXPECT_EQ(m_menus.MenuOf(Popup()).defaultItem, static_cast<std::uint32_t>(ID_TRAY_SHOW));
}

TEST_F(TrayIconFixture, MenuIsTrackedAsThePopupAtThePointForTheOwner) {
    ASSERT_TRUE(m_trayIcon.Add(m_hWnd, ICON, TITLE));

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

    EXPECT_TRUE(trayIcon.Add(m_hWnd, ICON, TITLE));

    EXPECT_TRUE(m_shell.HasIcon(m_hWnd, TRAY_ICON_ID));
    EXPECT_FALSE(trayIcon.TrackMenu(1, 2, m_hWnd));
}
