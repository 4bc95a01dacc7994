// The main dialog's initialisation: what it loads, writes back, fills, shows and posts.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainDialogFixture.h"
#include "unit/TableRows.h"

using namespace main_dialog_test;

using MainDialogInit = MainDialogFixture;

TEST_F(MainDialogInit, LoadsTheFormFromTheSettingsInOrderAndWritesBackTheSelections) {
    StoreDelay(1, 30, 500);
    StoreInt(L"SetNumberOfClicksToAutomate", 3);
    StoreInt(L"HoldKey", 1);
    Start();

    EXPECT_TRUE(SequenceMatches(
        RegistryCalls({"AutoClicksDelayMins", "AutoClicksDelayMilliSeconds", "AutoClicksDelaySeconds",
                       "SetNumberOfClicksToAutomate", "HoldKey", "Twittered", "Facebooked", "Googled",
                       "KeyIndexTobeAutomated", "ModKeyIndexTobeAutomated"}),
        {
            "read Settings 0/AutoClicksDelayMins",
            "read Settings 0/AutoClicksDelayMilliSeconds",
            "read Settings 0/AutoClicksDelaySeconds",
            "read Settings 0/SetNumberOfClicksToAutomate",
            "read Settings 0/HoldKey",
            "read Social/Twittered",
            "read Social/Facebooked",
            "read Social/Googled",
            "read Settings 0/KeyIndexTobeAutomated",
            "read Settings 0/ModKeyIndexTobeAutomated",
            "write Settings 0/KeyIndexTobeAutomated = -1",
            "write Settings 0/ModKeyIndexTobeAutomated = -1",
        }));
    EXPECT_EQ(Text(IDC_DELAY_MINUTES), L"1");
    EXPECT_EQ(Text(IDC_DELAY_SECONDS), L"30");
    EXPECT_EQ(Text(IDC_DELAY_MILLISECONDS), L"500");
    EXPECT_EQ(Text(IDC_KEYS_TO_PRESS), L"3");
    EXPECT_EQ(m_windows.ControlState(Main(), IDC_HOLD_KEY).check, 1);
}

TEST_F(MainDialogInit, WritingTheFormIntoTheControlsStoresNothing) {
    StoreDelay(2, 3, 4);
    Start();

    EXPECT_TRUE(SequenceMatches(Writes(), {
                                              "write Settings 0/KeyIndexTobeAutomated = -1",
                                              "write Settings 0/ModKeyIndexTobeAutomated = -1",
                                          }));
    EXPECT_TRUE(m_windows.MessageBoxes().empty());
}

TEST_F(MainDialogInit, AnEmptyRegistryGivesTheDefaultsAndListsWithoutSelection) {
    Start();

    EXPECT_EQ(Text(IDC_DELAY_MINUTES), L"0");
    EXPECT_EQ(Text(IDC_DELAY_SECONDS), L"0");
    EXPECT_EQ(Text(IDC_DELAY_MILLISECONDS), L"10");
    EXPECT_EQ(Text(IDC_KEYS_TO_PRESS), L"10");
    EXPECT_EQ(Items(IDC_KEY_LIST).size(), 92u);
    EXPECT_EQ(Items(IDC_MODIFIER_LIST).size(), 4u);
    EXPECT_EQ(Selection(IDC_KEY_LIST), -1);
    EXPECT_EQ(Selection(IDC_MODIFIER_LIST), -1);
    EXPECT_EQ(Stored(L"KeyIndexTobeAutomated"), -1);
    EXPECT_EQ(Stored(L"ModKeyIndexTobeAutomated"), -1);
    EXPECT_EQ(Status(), L"Current Status ");
    EXPECT_EQ(RunButtons(), IdleButtons());
}

namespace {

struct StoredIndexCase {
    int stored;
    int keySelection;      // in the key list, 92 entries
    int modifierSelection; // in the modifier list, 4 entries
};

using MainDialogStoredIndex = TableTest<MainDialogFixture, StoredIndexCase>;

} // namespace

TEST_P(MainDialogStoredIndex, SelectsAnExistingPositionAndWritesBackWhatItSelected) {
    const StoredIndexCase& c = GetParam();
    StoreInt(L"KeyIndexTobeAutomated", c.stored);
    StoreInt(L"ModKeyIndexTobeAutomated", c.stored);
    Start();

    EXPECT_EQ(Selection(IDC_KEY_LIST), c.keySelection);
    EXPECT_EQ(Stored(L"KeyIndexTobeAutomated"), c.keySelection);
    EXPECT_EQ(Selection(IDC_MODIFIER_LIST), c.modifierSelection);
    EXPECT_EQ(Stored(L"ModKeyIndexTobeAutomated"), c.modifierSelection);
}

INSTANTIATE_TEST_SUITE_P(Positions, MainDialogStoredIndex,
                         ::testing::Values(StoredIndexCase{-1, -1, -1}, StoredIndexCase{0, 0, 0},
                                           StoredIndexCase{3, 3, 3}, StoredIndexCase{4, 4, -1},
                                           StoredIndexCase{13, 13, -1}, StoredIndexCase{91, 91, -1},
                                           StoredIndexCase{92, -1, -1}, StoredIndexCase{500, -1, -1},
                                           StoredIndexCase{-7, -1, -1}));

TEST_F(MainDialogInit, StoredPosition24SelectsTheCtrlKeyOfTheKeyList) {
    StoreInt(L"KeyIndexTobeAutomated", KEY_CTRL);
    Start();

    ASSERT_EQ(Selection(IDC_KEY_LIST), KEY_CTRL);
    EXPECT_EQ(Items(IDC_KEY_LIST)[KEY_CTRL].text, L"Ctrl");
    EXPECT_EQ(Items(IDC_KEY_LIST)[KEY_CTRL].data, 0x11u);
}

TEST_F(MainDialogInit, PostsTheRefreshCommandToItselfAndFocusesTheModifierList) {
    Start(false);

    EXPECT_TRUE(IsPostedToMain(WM_COMMAND, ID_CONTEXT_REFRESH_KEYS));
    EXPECT_TRUE(m_windows.HasFocus(Main(), IDC_MODIFIER_LIST));
}

TEST_F(MainDialogInit, TakesTheApplicationTitleAndItsIconBigThenSmall) {
    Start();

    EXPECT_EQ(m_windows.Window(Main()).text, APP_TITLE);
    EXPECT_EQ(m_windows.Window(Main()).bigIcon, m_windows.IconOf(IDI_TAPWELL));
    EXPECT_EQ(m_windows.Window(Main()).smallIcon, m_windows.IconOf(IDI_TAPWELL));
    const std::string prefix = "SendMessage(" + Hex(Main()) + ", 0x0080";
    EXPECT_TRUE(SequenceMatches(m_windows.Log().Select({prefix}),
                                {prefix + ", 1, " + std::to_string(m_windows.IconOf(IDI_TAPWELL)) + ")",
                                 prefix + ", 0, " + std::to_string(m_windows.IconOf(IDI_TAPWELL)) + ")"}));
}

TEST_F(MainDialogInit, AppendsTheAboutItemToTheSystemMenu) {
    Start();

    const FakeMenus::Menu& systemMenu = m_menus.MenuOf(m_menus.SystemMenuOf(Main()));
    ASSERT_EQ(systemMenu.items.size(), 2u);
    EXPECT_EQ(systemMenu.items[0].flags, MF_SEPARATOR);
    EXPECT_EQ(systemMenu.items[1].flags, MF_STRING);
    EXPECT_EQ(systemMenu.items[1].id, static_cast<std::uintptr_t>(IDM_ABOUTBOX));
    EXPECT_EQ(systemMenu.items[1].text, L"&About Tovrin Tapwell...");
}

TEST_F(MainDialogInit, AnEmptyAboutStringLeavesTheSystemMenuAlone) {
    m_windows.SetString(IDS_ABOUT_MENU_ITEM, L"");
    Start();

    EXPECT_TRUE(m_menus.MenuOf(m_menus.SystemMenuOf(Main())).items.empty());
}

TEST_F(MainDialogInit, RegistersTheTaskbarCreatedMessageAndLoadsTheContextMenu) {
    Start();

    EXPECT_NE(m_windows.RegisteredMessage(L"TaskbarCreated"), 0u);
    EXPECT_EQ(g_nTaskbarCreatedMsg, m_windows.RegisteredMessage(L"TaskbarCreated"));
    EXPECT_EQ(m_menus.Log().Count("LoadMenu(" + std::to_string(IDR_CONTEXT_MENU) + ")"), 1u);
}

// --- The share buttons and their tips ---

struct SocialCase : NamedRow {
    int twittered;
    int facebooked;
    int googled;
    std::vector<int> toolButtons; // in the order the tips are added
    bool twitterVisible;
    bool facebookVisible;
};

using MainDialogSocial = TableTest<MainDialogFixture, SocialCase>;

TEST_P(MainDialogSocial, TipsForTheButtonsNotUsedYetAndHidesTheOthers) {
    const SocialCase& c = GetParam();
    StoreSocial(L"Twittered", c.twittered);
    StoreSocial(L"Facebooked", c.facebooked);
    StoreSocial(L"Googled", c.googled);
    Start();

    const WindowHandle toolTip = ToolTipOf(Main());
    if (c.toolButtons.empty()) {
        EXPECT_EQ(m_windows.Log().Count("CreateToolTip("), 0u);
    } else {
        ASSERT_NE(toolTip, 0u);
        const FakeWindow& tips = m_windows.Window(toolTip);
        std::vector<WindowHandle> expected;
        std::vector<WindowHandle> actual;
        for (int id : c.toolButtons) {
            expected.push_back(m_windows.Control(Main(), id));
        }
        for (const FakeTool& tool : tips.tools) {
            EXPECT_EQ(tool.owner, Main());
            actual.push_back(tool.tool);
        }
        EXPECT_EQ(actual, expected);
        EXPECT_TRUE(tips.toolTipActive);
    }
    EXPECT_EQ(Visible(IDC_SHARE_TWITTER), c.twitterVisible);
    EXPECT_EQ(Visible(IDC_SHARE_FACEBOOK), c.facebookVisible);
    EXPECT_FALSE(Visible(IDC_SHARE_GOOGLE));
}

INSTANTIATE_TEST_SUITE_P(
    Flags, MainDialogSocial,
    ::testing::Values(
        SocialCase{"none", 0, 0, 0, {IDC_SHARE_TWITTER, IDC_SHARE_FACEBOOK, IDC_SHARE_GOOGLE}, true, true},
        SocialCase{"all", 1, 1, 1, {}, false, false},
        SocialCase{"twittered", 1, 0, 0, {IDC_SHARE_FACEBOOK, IDC_SHARE_GOOGLE}, false, true},
        SocialCase{"onlyGoogle", 1, 1, 0, {IDC_SHARE_GOOGLE}, false, false}),
    RowName());

TEST_F(MainDialogInit, TheTipsSayWhatEachShareButtonDoes) {
    Start();

    const std::vector<FakeTool>& tools = m_windows.Window(ToolTipOf(Main())).tools;
    ASSERT_EQ(tools.size(), 3u);
    EXPECT_NE(tools[0].text.find(L"Twitter"), std::wstring::npos);
    EXPECT_NE(tools[0].text.find(L"Tovrin"), std::wstring::npos);
    EXPECT_NE(tools[0].text.find(L"Tapwell"), std::wstring::npos);
    EXPECT_EQ(tools[1].text, L"Share Tovrin Tapwell Link On Facebook");
    EXPECT_EQ(tools[2].text, L"Give Tovrin Tapwell a Plus+ On Google Plus");
}

TEST_F(MainDialogInit, WithoutATooltipControlTheDialogRunsWithoutTips) {
    m_windows.SetToolTipsFail(true);
    Start();

    EXPECT_EQ(m_windows.Log().Count("AddTool("), 0u);
    EXPECT_TRUE(Visible(IDC_SHARE_TWITTER));
    Msg msg{Main(), WM_MOUSEMOVE, 0, 0, 0, {}};
    m_dialog.PreTranslateMessage(msg);
    m_windows.Deliver(Main(), WM_COMMAND, IDC_TARGET, 0);
    EXPECT_TRUE(MainAlive());
}

TEST_F(MainDialogInit, EveryMessageIsRelayedToTheTipsBeforeTheDialogSeesIt) {
    Start();
    const WindowHandle toolTip = ToolTipOf(Main());
    ASSERT_NE(toolTip, 0u);

    m_dialog.PreTranslateMessage(
        Msg{m_windows.Control(Main(), IDC_SHARE_TWITTER), WM_MOUSEMOVE, 0, 0, 0, {}});
    m_dialog.PreTranslateMessage(Msg{Main(), WM_TIMER, 77, 0, 0, {}});

    EXPECT_EQ(m_windows.Window(toolTip).relayedEvents, 2);
}

TEST_F(MainDialogInit, DestroyingTheDialogDestroysTheTips) {
    Start();
    const WindowHandle toolTip = ToolTipOf(Main());
    ASSERT_NE(toolTip, 0u);

    m_windows.DestroyWindow(Main());

    EXPECT_FALSE(m_windows.IsWindow(toolTip));
}
