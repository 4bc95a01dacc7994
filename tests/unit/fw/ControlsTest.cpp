// The control wrappers and CMenu, each one port call deep, against the fakes' control state.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "FormDialog.h"
#include "fakes/FakeMenus.h"
#include "fakes/FakeWindows.h"
#include "fw/ComboBox.h"
#include "fw/Edit.h"
#include "fw/HotKeyCtrl.h"
#include "fw/Menu.h"
#include "fw/Static.h"

namespace {

constexpr std::uint32_t IDD_CONTROLS = 700;
constexpr int IDC_HOTKEY = 1003;
constexpr int IDC_STATUS = 1016;
constexpr int IDC_EDIT = 1008;

class ControlsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_windows.AddDialogTemplate(IDD_CONTROLS, FakeDialogTemplate{L"Dialog",
                                                                     {
                                                                         FakeControl::ComboBox(IDC_KEYS),
                                                                         FakeControl::HotKey(IDC_HOTKEY),
                                                                         FakeControl::Static(IDC_STATUS),
                                                                         FakeControl::Edit(IDC_EDIT, L"1234"),
                                                                     }});
        ASSERT_TRUE(m_dialog.Create());
        m_combo.Attach(m_dialog.GetDlgItem(IDC_KEYS));
    }

    const FakeWindow& State(int id) const { return m_windows.ControlState(m_dialog.m_hWnd, id); }

    FakeWindows m_windows;
    CDialog m_dialog{IDD_CONTROLS, nullptr, m_windows};
    CComboBox m_combo{m_windows};
};

} // namespace

TEST_F(ControlsFixture, ComboBoxKeepsItemsDataAndSelectionAndDropsDown) {
    EXPECT_EQ(m_combo.AddString(L"F1"), 0);
    EXPECT_EQ(m_combo.AddString(L"F2"), 1);
    m_combo.SetItemData(1, 0x71);
    EXPECT_EQ(m_combo.GetCount(), 2);
    EXPECT_EQ(m_combo.GetItemData(1), 0x71u);
    EXPECT_EQ(m_combo.GetLBText(1), L"F2");
    EXPECT_LT(m_combo.GetCurSel(), 0);

    EXPECT_EQ(m_combo.SetCurSel(1), 1);
    EXPECT_EQ(m_combo.GetCurSel(), 1);
    EXPECT_EQ(m_combo.GetWindowText(), L"F2");
    EXPECT_LT(m_combo.SetCurSel(5), 0) << "past the end clears the selection";
    EXPECT_LT(m_combo.GetCurSel(), 0);

    m_combo.ResetContent();
    EXPECT_EQ(m_combo.GetCount(), 0);
    EXPECT_LT(m_combo.GetCurSel(), 0);

    m_combo.ShowDropDown();
    EXPECT_TRUE(State(IDC_KEYS).droppedDown);
    m_combo.ShowDropDown(false);
    EXPECT_FALSE(State(IDC_KEYS).droppedDown);
}

TEST_F(ControlsFixture, HotKeyControlPacksKeyAndModifiersAsOneWord) {
    CHotKeyCtrl hotKey(m_windows);
    hotKey.Attach(m_dialog.GetDlgItem(IDC_HOTKEY));
    hotKey.SetHotKey(VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT);
    EXPECT_EQ(State(IDC_HOTKEY).hotKey, VK_F6 | ((HOTKEYF_CONTROL | HOTKEYF_ALT) << 8));

    std::uint32_t vk = 0;
    std::uint32_t modifiers = 0;
    hotKey.GetHotKey(&vk, &modifiers);
    EXPECT_EQ(vk, VK_F6);
    EXPECT_EQ(modifiers, HOTKEYF_CONTROL | HOTKEYF_ALT);
}

TEST_F(ControlsFixture, StaticSetIconReturnsThePreviousIcon) {
    CStatic status(m_windows);
    status.Attach(m_dialog.GetDlgItem(IDC_STATUS));
    EXPECT_EQ(status.SetIcon(0x10080), 0u);
    EXPECT_EQ(status.SetIcon(0x10081), 0x10080u);
    EXPECT_EQ(State(IDC_STATUS).icon, 0x10081u);
}

TEST_F(ControlsFixture, EditSelectsItsWholeText) {
    CEdit edit(m_windows);
    edit.Attach(m_dialog.GetDlgItem(IDC_EDIT));
    edit.SetSel(0, -1);
    EXPECT_EQ(State(IDC_EDIT).selStart, 0);
    EXPECT_EQ(State(IDC_EDIT).selEnd, 4);
}

TEST_F(ControlsFixture, WrapperDoesNotDestroyTheControlItIsBoundTo) {
    const WindowHandle edit = m_dialog.GetDlgItem(IDC_EDIT);
    {
        CEdit wrapper(m_windows);
        wrapper.Attach(edit);
    }
    EXPECT_TRUE(m_windows.IsWindow(edit));
}

TEST_F(ControlsFixture, MessageBoxCaptionDefaultsToTheApplicationTitle) {
    m_windows.QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(m_dialog.MessageBox(L"Hello", L"", MB_ICONERROR), static_cast<int>(IDCANCEL));
    m_dialog.MessageBox(L"Again", L"Own caption");

    ASSERT_EQ(m_windows.MessageBoxes().size(), 2u);
    EXPECT_EQ(m_windows.MessageBoxes()[0].caption, L"Tapwell by Tovrin");
    EXPECT_EQ(m_windows.MessageBoxes()[0].type, MB_ICONERROR);
    EXPECT_EQ(m_windows.MessageBoxes()[0].owner, m_dialog.m_hWnd);
    EXPECT_EQ(m_windows.MessageBoxes()[1].caption, L"Own caption");
    EXPECT_EQ(m_windows.MessageBoxes()[1].type, MB_OK);
}

namespace {

constexpr std::uint32_t IDR_TRAY = 130;

class MenuFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_menus.AddMenuResource(
            IDR_TRAY,
            {FakeMenuItem::Popup(L"Tray", {FakeMenuItem::Command(32772, L"Show"), FakeMenuItem::Separator(),
                                           FakeMenuItem::Command(32771, L"Exit")})});
        m_owner = m_windows.AddTopLevelWindow(L"Tapwell by Tovrin", L"#32770", Rect{0, 0, 100, 100},
                                              FakeWindows::OWN_PROCESS_ID, FakeWindows::OWN_THREAD_ID);
    }

    FakeWindows m_windows;
    FakeMenus m_menus{m_windows};
    WindowHandle m_owner = 0;
};

} // namespace

TEST_F(MenuFixture, ALoadedMenuIsDestroyedWhenAnotherIsLoadedAndWithTheObject) {
    {
        CMenu menu(m_menus);
        ASSERT_TRUE(menu.LoadMenu(IDR_TRAY));
        const MenuHandle first = menu.m_hMenu;
        menu.LoadMenu(IDR_TRAY);
        EXPECT_TRUE(m_menus.MenuOf(first).destroyed);
        EXPECT_EQ(m_menus.LiveLoadedMenus(), 1);
    }
    EXPECT_EQ(m_menus.LiveLoadedMenus(), 0);
}

TEST_F(MenuFixture, SubMenuIsBorrowedAndTrackingPostsTheChosenCommand) {
    CMenu menu(m_menus);
    menu.LoadMenu(IDR_TRAY);
    {
        CMenu popup = menu.GetSubMenu(0);
        ASSERT_NE(popup.m_hMenu, 0u);
        EXPECT_TRUE(popup.SetDefaultItem(0, true));
        m_menus.ChooseOnNextTrack(32771);
        EXPECT_TRUE(popup.TrackPopupMenu(0, 10, 20, m_owner));
    }
    EXPECT_EQ(m_menus.LiveLoadedMenus(), 1) << "the sub-menu wrapper destroyed nothing";
    EXPECT_FALSE(m_menus.MenuOf(menu.GetSubMenu(0).m_hMenu).destroyed);

    ASSERT_EQ(m_menus.Tracked().size(), 1u);
    EXPECT_EQ(m_menus.Tracked()[0].x, 10);
    EXPECT_EQ(m_menus.Tracked()[0].owner, m_owner);
    ASSERT_EQ(m_windows.Posted().size(), 1u);
    EXPECT_EQ(m_windows.Posted()[0].message, WM_COMMAND);
    EXPECT_EQ(m_windows.Posted()[0].wParam, 32771u);
}

TEST_F(MenuFixture, BorrowedSystemMenuIsNotDestroyed) {
    const MenuHandle system = m_menus.GetSystemMenu(m_owner, false);
    {
        CMenu menu = CMenu::Borrow(m_menus, system);
        EXPECT_TRUE(menu.AppendMenu(MF_SEPARATOR, 0, L""));
        EXPECT_TRUE(menu.AppendMenu(MF_STRING, 0x0010, L"&About Tovrin Tapwell..."));
    }
    EXPECT_FALSE(m_menus.MenuOf(system).destroyed);
    ASSERT_EQ(m_menus.MenuOf(system).items.size(), 2u);
    EXPECT_EQ(m_menus.MenuOf(system).items[1].id, 0x0010u);
}
