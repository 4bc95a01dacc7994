// The form-save rule: every change reads and checks the whole form, and only a valid form stores
// exactly the value of the control that changed.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainDialogFixture.h"
#include "unit/TableRows.h"

using namespace main_dialog_test;

namespace {

struct FieldCase : NamedRow {
    int id;
    const char* valueName;
    const wchar_t* text;
    int value;
};

std::string WriteLine(const char* valueName, int value) {
    return std::string("write Settings 0/") + valueName + " = " + std::to_string(value);
}

} // namespace

using MainDialogForm = MainDialogFixture;

using MainDialogFormField = TableTest<MainDialogFixture, FieldCase>;

TEST_P(MainDialogFormField, AChangeStoresExactlyThatField) {
    Start();
    ClearRegistryLog();

    ASSERT_TRUE(m_user.SetText(GetParam().id, GetParam().text));

    EXPECT_TRUE(SequenceMatches(Writes(), {WriteLine(GetParam().valueName, GetParam().value)}));
    EXPECT_TRUE(m_windows.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MainDialogFormField,
    ::testing::Values(FieldCase{"minutes", IDC_DELAY_MINUTES, "AutoClicksDelayMins", L"9999", 9999},
                      FieldCase{"seconds", IDC_DELAY_SECONDS, "AutoClicksDelaySeconds", L"59", 59},
                      FieldCase{"milliseconds", IDC_DELAY_MILLISECONDS, "AutoClicksDelayMilliSeconds",
                                L"99999", 99999},
                      FieldCase{"count", IDC_KEYS_TO_PRESS, "SetNumberOfClicksToAutomate", L"0", 0}),
    RowName());

TEST_F(MainDialogForm, ValuesAreStoredKeystrokeByKeystroke) {
    StoreDelay(0, 0, 0);
    Start();
    ClearRegistryLog();

    ASSERT_TRUE(m_user.Type(IDC_DELAY_MILLISECONDS, L"25"));

    EXPECT_TRUE(SequenceMatches(Writes(), {
                                              "write Settings 0/AutoClicksDelayMilliSeconds = 2",
                                              "write Settings 0/AutoClicksDelayMilliSeconds = 25",
                                          }));
    EXPECT_EQ(Stored(L"AutoClicksDelayMilliSeconds"), 25);
}

TEST_F(MainDialogForm, TheHoldKeyCheckBoxStoresItsStateAtEachClick) {
    Start();
    ClearRegistryLog();

    ASSERT_TRUE(m_user.Click(IDC_HOLD_KEY));
    ASSERT_TRUE(m_user.Click(IDC_HOLD_KEY));

    EXPECT_TRUE(SequenceMatches(Writes(), {"write Settings 0/HoldKey = 1", "write Settings 0/HoldKey = 0"}));
}

struct InvalidCase : NamedRow {
    int id;
    const wchar_t* text;
    const wchar_t* prompt;
};

using MainDialogInvalidField = TableTest<MainDialogFixture, InvalidCase>;

TEST_P(MainDialogInvalidField, ShowsThePromptFocusesTheFieldAndStoresNothing) {
    Start();
    ClearRegistryLog();

    ASSERT_TRUE(m_user.SetText(GetParam().id, GetParam().text));

    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    const MessageBoxRecord& box = m_windows.MessageBoxes()[0];
    EXPECT_EQ(box.text, GetParam().prompt);
    EXPECT_EQ(box.caption, APP_TITLE);
    EXPECT_EQ(box.owner, Main());
    EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_TRUE(m_windows.HasFocus(Main(), GetParam().id));
    EXPECT_TRUE(m_windows.ControlState(Main(), GetParam().id).WholeTextSelected());
    EXPECT_TRUE(Writes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MainDialogInvalidField,
    ::testing::Values(
        InvalidCase{"emptyMinutes", IDC_DELAY_MINUTES, L"", L"Enter an integer."},
        InvalidCase{"pastedLetters", IDC_DELAY_SECONDS, L"1a", L"Enter an integer."},
        InvalidCase{"sixtySeconds", IDC_DELAY_SECONDS, L"60", L"Enter an integer between 0 and 59."},
        InvalidCase{"tenThousandMinutes", IDC_DELAY_MINUTES, L"10000",
                    L"Enter an integer between 0 and 9999."},
        InvalidCase{"hundredThousandMilliseconds", IDC_DELAY_MILLISECONDS, L"100000",
                    L"Enter an integer between 0 and 99999."},
        InvalidCase{"tenThousandKeys", IDC_KEYS_TO_PRESS, L"10000", L"Enter an integer between 0 and 9999."}),
    RowName());

TEST_F(MainDialogForm, AnInvalidFieldElsewhereBlocksTheStoreAndTakesTheFocus) {
    Start();
    ASSERT_TRUE(m_user.Clear(IDC_DELAY_MINUTES));
    m_windows.ClearMessageBoxes();
    ClearRegistryLog();

    ASSERT_TRUE(m_user.SetText(IDC_DELAY_SECONDS, L"5"));

    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_windows.MessageBoxes()[0].text, L"Enter an integer.");
    EXPECT_TRUE(m_windows.HasFocus(Main(), IDC_DELAY_MINUTES));
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(Stored(L"AutoClicksDelaySeconds"), std::nullopt);
}

TEST_F(MainDialogForm, HoldKeyWithAnInvalidEditShowsThePromptAndLeavesHoldKeyUnchanged) {
    StoreInt(L"HoldKey", 0);
    Start();
    ASSERT_TRUE(m_user.SetText(IDC_DELAY_SECONDS, L"60"));
    m_windows.ClearMessageBoxes();
    ClearRegistryLog();

    ASSERT_TRUE(m_user.Click(IDC_HOLD_KEY));

    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_windows.MessageBoxes()[0].text, L"Enter an integer between 0 and 59.");
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(Stored(L"HoldKey"), 0);
    EXPECT_EQ(m_windows.ControlState(Main(), IDC_HOLD_KEY).check, 1) << "the box shows the new state";
}

TEST_F(MainDialogForm, CorrectingTheFieldStoresItAgain) {
    Start();
    ASSERT_TRUE(m_user.SetText(IDC_DELAY_SECONDS, L"60"));
    ClearRegistryLog();

    ASSERT_TRUE(m_user.Backspace(IDC_DELAY_SECONDS));

    EXPECT_TRUE(SequenceMatches(Writes(), {"write Settings 0/AutoClicksDelaySeconds = 6"}));
}
