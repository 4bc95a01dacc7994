// The main dialog's initialisation: what it loads, writes back, fills and shows.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainDialogFixture.h"
#include "unit/TableRows.h"

using namespace main_dialog_test;

namespace {

struct FormCase : NamedRow {
    std::vector<int> stored; // minutes, seconds, milliseconds, count, Hold Key; none when empty
    std::vector<std::wstring> texts;
    int holdKey;
};
using MainDialogInit = TableTest<MainDialogFixture, FormCase>;

} // namespace

TEST_P(MainDialogInit, ShowsTheStoredFormAndWritesBackOnlyTheEmptySelections) {
    const FormCase& c = GetParam();
    const wchar_t* const names[] = {L"AutoClicksDelayMins", L"AutoClicksDelaySeconds",
                                    L"AutoClicksDelayMilliSeconds", L"SetNumberOfClicksToAutomate",
                                    L"HoldKey"};
    for (std::size_t i = 0; i < c.stored.size(); ++i) {
        StoreInt(names[i], c.stored[i]);
    }

    Start();

    const std::vector<std::wstring> texts{Text(IDC_DELAY_MINUTES), Text(IDC_DELAY_SECONDS),
                                          Text(IDC_DELAY_MILLISECONDS), Text(IDC_KEYS_TO_PRESS)};
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(m_windows.ControlState(Main(), IDC_HOLD_KEY).check, c.holdKey);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"write Settings 0/KeyIndexTobeAutomated = -1",
                                                  "write Settings 0/ModKeyIndexTobeAutomated = -1"}));
    EXPECT_TRUE(m_windows.MessageBoxes().empty());
    EXPECT_EQ(Items(IDC_KEY_LIST).size(), 92u);
    EXPECT_EQ(Items(IDC_MODIFIER_LIST).size(), 4u);
    EXPECT_EQ(Selection(IDC_KEY_LIST), -1);
    EXPECT_EQ(Selection(IDC_MODIFIER_LIST), -1);
    EXPECT_EQ(Status(), L"Current Status ");
    EXPECT_EQ(RunButtons(), IdleButtons());
}

INSTANTIATE_TEST_SUITE_P(
    Forms, MainDialogInit,
    ::testing::Values(FormCase{"empty registry gives the defaults", {}, {L"0", L"0", L"10", L"10"}, 0},
                      FormCase{"stored values", {1, 30, 500, 3, 1}, {L"1", L"30", L"500", L"3"}, 1}),
    RowName());

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

using MainDialogWindowInit = MainDialogFixture;

TEST_F(MainDialogWindowInit, TakesTheApplicationTitleAndItsIcon) {
    Start();

    EXPECT_EQ(m_windows.Window(Main()).text, APP_TITLE);
    EXPECT_EQ(m_windows.Window(Main()).bigIcon, m_windows.IconOf(IDI_TAPWELL));
    EXPECT_EQ(m_windows.Window(Main()).smallIcon, m_windows.IconOf(IDI_TAPWELL));
}

TEST_F(MainDialogWindowInit, AppendsTheAboutItemToTheSystemMenu) {
    Start();

    const FakeMenus::Menu& systemMenu = m_menus.MenuOf(m_menus.SystemMenuOf(Main()));
    ASSERT_EQ(systemMenu.items.size(), 2u);
    EXPECT_EQ(systemMenu.items[0].flags, MF_SEPARATOR);
    EXPECT_EQ(systemMenu.items[1].flags, MF_STRING);
    EXPECT_EQ(systemMenu.items[1].id, static_cast<std::uintptr_t>(IDM_ABOUTBOX));
    EXPECT_EQ(systemMenu.items[1].text, L"&About Tovrin Tapwell...");
}

TEST_F(MainDialogWindowInit, AnEmptyAboutStringLeavesTheSystemMenuAlone) {
    m_windows.SetString(IDS_ABOUT_MENU_ITEM, L"");
    Start();

    EXPECT_TRUE(m_menus.MenuOf(m_menus.SystemMenuOf(Main())).items.empty());
}

// --- The share buttons and their tips ---

class MainDialogSocialFixture : public MainDialogFixture {
protected:
    // The tooltip control owned by the main dialog, 0 when there is none.
    WindowHandle ToolTip() const {
        for (WindowHandle handle = Main(); m_windows.Exists(handle); handle += 4) {
            const FakeWindow& candidate = m_windows.Window(handle);
            if (candidate.className == L"tooltips_class32" && candidate.parent == Main() &&
                candidate.IsLive()) {
                return handle;
            }
        }
        return 0;
    }
};

namespace {

struct SocialCase : NamedRow {
    int twittered;
    int facebooked;
    int googled;
    std::vector<std::wstring> tips; // in the order the tips are added
    bool twitterVisible;
    bool facebookVisible;
};
using MainDialogSocial = TableTest<MainDialogSocialFixture, SocialCase>;

const std::wstring TWITTER_TIP = L"Tweet About Tovrin Tapwell On Twitter";
const std::wstring FACEBOOK_TIP = L"Share Tovrin Tapwell Link On Facebook";
const std::wstring GOOGLE_TIP = L"Give Tovrin Tapwell a Plus+ On Google Plus";

} // namespace

TEST_P(MainDialogSocial, TipsForTheButtonsNotUsedYetAndHidesTheOthers) {
    const SocialCase& c = GetParam();
    StoreInt(L"Twittered", c.twittered, L"Social");
    StoreInt(L"Facebooked", c.facebooked, L"Social");
    StoreInt(L"Googled", c.googled, L"Social");
    Start();

    std::vector<std::wstring> tips;
    if (ToolTip() != 0) {
        EXPECT_TRUE(m_windows.Window(ToolTip()).toolTipActive);
        for (const FakeTool& tool : m_windows.Window(ToolTip()).tools) {
            EXPECT_EQ(tool.owner, Main());
            const int buttons[] = {IDC_SHARE_TWITTER, IDC_SHARE_FACEBOOK, IDC_SHARE_GOOGLE};
            const std::wstring texts[] = {TWITTER_TIP, FACEBOOK_TIP, GOOGLE_TIP};
            for (std::size_t i = 0; i < 3; ++i) {
                EXPECT_TRUE(tool.text != texts[i] || tool.tool == m_windows.Control(Main(), buttons[i]));
            }
            tips.push_back(tool.text);
        }
    }
    EXPECT_EQ(tips, c.tips);
    EXPECT_EQ(Visible(IDC_SHARE_TWITTER), c.twitterVisible);
    EXPECT_EQ(Visible(IDC_SHARE_FACEBOOK), c.facebookVisible);
    EXPECT_FALSE(Visible(IDC_SHARE_GOOGLE));
}

INSTANTIATE_TEST_SUITE_P(
    Flags, MainDialogSocial,
    ::testing::Values(SocialCase{"none", 0, 0, 0, {TWITTER_TIP, FACEBOOK_TIP, GOOGLE_TIP}, true, true},
                      SocialCase{"all", 1, 1, 1, {}, false, false},
                      SocialCase{"twittered", 1, 0, 0, {FACEBOOK_TIP, GOOGLE_TIP}, false, true},
                      SocialCase{"onlyGoogle", 1, 1, 0, {GOOGLE_TIP}, false, false}),
    RowName());

using MainDialogSocialTips = MainDialogSocialFixture;

TEST_F(MainDialogSocialTips, WithoutATooltipControlTheDialogRunsWithoutTips) {
    m_windows.SetToolTipsFail(true);
    Start();

    EXPECT_EQ(m_windows.Log().Count("AddTool("), 0u);
    EXPECT_TRUE(Visible(IDC_SHARE_TWITTER));
    m_dialog.PreTranslateMessage(Msg{Main(), WM_MOUSEMOVE, 0, 0, 0, {}});
    m_windows.Deliver(Main(), WM_COMMAND, IDC_TARGET, 0);
    EXPECT_TRUE(MainAlive());
}

TEST_F(MainDialogSocialTips, EveryMessageIsRelayedToTheTipsAndTheyGoWithTheDialog) {
    Start();
    const WindowHandle toolTip = ToolTip();
    ASSERT_NE(toolTip, 0u);

    m_dialog.PreTranslateMessage(
        Msg{m_windows.Control(Main(), IDC_SHARE_TWITTER), WM_MOUSEMOVE, 0, 0, 0, {}});
    m_dialog.PreTranslateMessage(Msg{Main(), WM_TIMER, 77, 0, 0, {}});
    EXPECT_EQ(m_windows.Window(toolTip).relayedEvents, 2);

    m_windows.DestroyWindow(Main());
    EXPECT_FALSE(m_windows.IsWindow(toolTip));
}
