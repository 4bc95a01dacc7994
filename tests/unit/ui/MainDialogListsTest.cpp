// The key and modifier lists: the selection handlers, and refilling that keeps selections by
// position while the letter texts follow the keyboard state.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainDialogFixture.h"
#include "unit/TableRows.h"

using namespace main_dialog_test;

namespace {

KeyboardState CapsLockOn() {
    KeyboardState state{};
    state[VK_CAPITAL] = 0x01;
    return state;
}

} // namespace

using MainDialogLists = MainDialogFixture;

TEST_F(MainDialogLists, SelectingAModifierAndAKeyClearsThenStoresEachPosition) {
    Start();
    ClearRegistryLog();

    SelectKey(KEY_ENTER, MODIFIER_ALT);

    EXPECT_TRUE(SequenceMatches(Writes(), {
                                              "write Settings 0/ModKeyIndexTobeAutomated = -1",
                                              "write Settings 0/ModKeyIndexTobeAutomated = 2",
                                              "write Settings 0/KeyIndexTobeAutomated = -1",
                                              "write Settings 0/KeyIndexTobeAutomated = 13",
                                          }));
}

namespace {

struct RefreshCase : NamedRow {
    int command;
};
using MainDialogListsRefresh = TableTest<MainDialogFixture, RefreshCase>;

} // namespace

TEST_P(MainDialogListsRefresh, RefillsBothListsAndKeepsTheSelectionsByPosition) {
    Start();
    SelectKey(KEY_LETTER_A, MODIFIER_SHIFT);
    ASSERT_EQ(Items(IDC_KEY_LIST)[KEY_LETTER_A].text, L"a");
    m_layout.SetState(CapsLockOn());
    ClearRegistryLog();

    m_windows.Deliver(Main(), WM_COMMAND, static_cast<WParam>(GetParam().command), 0);

    EXPECT_EQ(Items(IDC_KEY_LIST).size(), 92u);
    EXPECT_EQ(Items(IDC_MODIFIER_LIST).size(), 4u);
    EXPECT_EQ(Items(IDC_KEY_LIST)[KEY_LETTER_A].text, L"A");
    EXPECT_EQ(Items(IDC_KEY_LIST)[KEY_LETTER_A].data, 0x41u);
    EXPECT_EQ(Selection(IDC_KEY_LIST), KEY_LETTER_A);
    EXPECT_EQ(Selection(IDC_MODIFIER_LIST), MODIFIER_SHIFT);
    EXPECT_TRUE(Writes().empty()) << "a refresh stores nothing";
}

INSTANTIATE_TEST_SUITE_P(Commands, MainDialogListsRefresh,
                         ::testing::Values(RefreshCase{"the button", IDC_REFRESH_KEYS},
                                           RefreshCase{"the context menu", ID_CONTEXT_REFRESH_KEYS}),
                         RowName());

TEST_F(MainDialogLists, RefreshingWithoutSelectionsLeavesBothListsWithout) {
    Start();

    ASSERT_TRUE(m_user.Click(IDC_REFRESH_KEYS));

    EXPECT_EQ(Selection(IDC_KEY_LIST), -1);
    EXPECT_EQ(Selection(IDC_MODIFIER_LIST), -1);
}

TEST_F(MainDialogLists, ThePostedRefreshAfterStartUpKeepsTheRestoredSelections) {
    StoreInt(L"KeyIndexTobeAutomated", KEY_LETTER_A);
    StoreInt(L"ModKeyIndexTobeAutomated", MODIFIER_CTRL);
    Start(false);
    ASSERT_EQ(Items(IDC_KEY_LIST)[KEY_LETTER_A].text, L"a");
    m_layout.SetState(CapsLockOn());
    ClearRegistryLog();

    m_windows.DispatchPosted();

    EXPECT_EQ(Items(IDC_KEY_LIST)[KEY_LETTER_A].text, L"A") << "the lists were filled again";
    EXPECT_EQ(Selection(IDC_KEY_LIST), KEY_LETTER_A);
    EXPECT_EQ(Selection(IDC_MODIFIER_LIST), MODIFIER_CTRL);
    EXPECT_TRUE(m_windows.HasFocus(Main(), IDC_MODIFIER_LIST));
    EXPECT_TRUE(Writes().empty());
}

TEST_F(MainDialogLists, TheKeyboardStateIsCapturedUnderTheWaitCursor) {
    m_windows.SetCursor(0x0002'1234);
    Start();
    m_windows.Log().Clear();

    ASSERT_TRUE(m_user.Click(IDC_REFRESH_KEYS));

    EXPECT_TRUE(SequenceMatches(m_windows.Log().Select({"LoadWaitCursor", "SetCursor"}),
                                {
                                    "LoadWaitCursor()",
                                    "SetCursor(" + Hex(FakeWindows::WAIT_CURSOR) + ")",
                                    "SetCursor(0x21234)",
                                }));
    EXPECT_EQ(m_windows.Cursor(), 0x0002'1234u);
}

TEST_F(MainDialogLists, AFailedCaptureKeepsTheLayoutCapturedBefore) {
    Start();
    m_layout.SetThreadLayout(CFakeKeyboardLayout::CYRILLIC_LAYOUT);
    m_layout.SetStateAvailable(false);

    ASSERT_TRUE(m_user.Click(IDC_REFRESH_KEYS));

    EXPECT_EQ(Items(IDC_KEY_LIST)[KEY_LETTER_A].text, L"a") << "named with the layout captured before";

    m_layout.SetStateAvailable(true);
    ASSERT_TRUE(m_user.Click(IDC_REFRESH_KEYS));
    EXPECT_NE(Items(IDC_KEY_LIST)[KEY_LETTER_A].text, L"a") << "a successful capture takes the new layout";
}
