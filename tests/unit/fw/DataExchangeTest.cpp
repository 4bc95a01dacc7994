// Dialog data exchange in both directions, the three validation prompts and what follows a failure.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FormDialog.h"
#include "fakes/FakeUser.h"
#include "fakes/FakeWindows.h"
#include "fw/DataExchangeFailure.h"
#include "unit/TableRows.h"

namespace {

class DataExchangeFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_windows.AddDialogTemplate(IDD_FORM, FormTemplate());
        ASSERT_TRUE(m_dialog.Create());
        m_windows.ShowWindow(m_dialog.m_hWnd, SW_SHOW);
        m_windows.ClearMessageBoxes();
    }

    // Puts text into a field without a change notification reaching the form's handlers.
    void Fill(int id, const std::wstring& text) { m_windows.MutableWindow(Control(id)).text = text; }
    WindowHandle Control(int id) const { return m_windows.Control(m_dialog.m_hWnd, id); }
    const FakeWindow& State(int id) const { return m_windows.ControlState(m_dialog.m_hWnd, id); }

    void FillValidForm() {
        Fill(IDC_MINUTES, L"1");
        Fill(IDC_SECONDS, L"2");
        Fill(IDC_DELAY, L"3");
    }

    FakeWindows m_windows;
    FakeUser m_user{m_windows};
    CFormDialog m_dialog{nullptr, m_windows};
};

} // namespace

TEST_F(DataExchangeFixture, LoadingWritesEveryMemberIntoItsControl) {
    m_dialog.m_nMinutes = 12;
    m_dialog.m_nSeconds = -3;
    m_dialog.m_nDelay = 4000000000u;
    m_dialog.m_bHold = 1;
    m_dialog.m_nMethod = 1;

    EXPECT_TRUE(m_dialog.UpdateData(LOAD_CONTROLS));

    EXPECT_EQ(State(IDC_MINUTES).text, L"12");
    EXPECT_EQ(State(IDC_SECONDS).text, L"-3");
    EXPECT_EQ(State(IDC_DELAY).text, L"4000000000") << "no range check while filling the controls";
    EXPECT_EQ(State(IDC_HOLD).check, 1);
    EXPECT_EQ(State(IDC_NORMAL).check, 0);
    EXPECT_EQ(State(IDC_BRUTE).check, 1);
    EXPECT_TRUE(m_windows.MessageBoxes().empty());
}

TEST_F(DataExchangeFixture, SavingReadsEveryControlIntoItsMember) {
    Fill(IDC_MINUTES, L"9999");
    Fill(IDC_SECONDS, L" 59 ");
    Fill(IDC_DELAY, L"9999999");
    m_windows.MutableWindow(Control(IDC_HOLD)).check = 1;
    m_windows.MutableWindow(Control(IDC_NORMAL)).check = 1;

    EXPECT_TRUE(m_dialog.UpdateData(SAVE_AND_VALIDATE));

    EXPECT_EQ(m_dialog.m_nMinutes, 9999);
    EXPECT_EQ(m_dialog.m_nSeconds, 59);
    EXPECT_EQ(m_dialog.m_nDelay, 9999999u);
    EXPECT_EQ(m_dialog.m_bHold, 1);
    EXPECT_EQ(m_dialog.m_nMethod, 0);
    EXPECT_TRUE(m_windows.MessageBoxes().empty());
}

TEST_F(DataExchangeFixture, RadioGroupWithNoButtonCheckedReadsMinusOne) {
    FillValidForm();
    m_dialog.m_nMethod = 1;
    EXPECT_TRUE(m_dialog.UpdateData(SAVE_AND_VALIDATE));
    EXPECT_EQ(m_dialog.m_nMethod, -1);
}

TEST_F(DataExchangeFixture, LoadingARadioIndexOutsideTheGroupClearsEveryButton) {
    for (int method : {-1, 2}) {
        m_windows.MutableWindow(Control(IDC_NORMAL)).check = 1;
        m_windows.MutableWindow(Control(IDC_BRUTE)).check = 1;
        m_dialog.m_nMethod = method;
        m_dialog.UpdateData(LOAD_CONTROLS);
        EXPECT_EQ(State(IDC_NORMAL).check, 0) << "method " << method;
        EXPECT_EQ(State(IDC_BRUTE).check, 0) << "method " << method;
    }
}

namespace {

struct PromptCase : NamedRow {
    int field;
    std::wstring text;
    std::wstring prompt;
};
using DataExchangePrompt = TableTest<DataExchangeFixture, PromptCase>;

} // namespace

TEST_P(DataExchangePrompt, ShowsTheStandardPromptOnceAndSelectsTheWholeField) {
    FillValidForm();
    Fill(GetParam().field, GetParam().text);

    EXPECT_FALSE(m_dialog.UpdateData(SAVE_AND_VALIDATE));

    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    const MessageBoxRecord& box = m_windows.MessageBoxes()[0];
    EXPECT_EQ(box.text, GetParam().prompt);
    EXPECT_EQ(box.caption, L"Tapwell by Tovrin");
    EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(box.owner, m_dialog.m_hWnd);
    EXPECT_TRUE(m_windows.HasFocus(m_dialog.m_hWnd, GetParam().field));
    EXPECT_TRUE(State(GetParam().field).WholeTextSelected());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DataExchangePrompt,
    ::testing::Values(
        PromptCase{{"EmptySigned"}, IDC_MINUTES, L"", L"Enter an integer."},
        PromptCase{{"NotANumber"}, IDC_SECONDS, L"1a", L"Enter an integer."},
        PromptCase{{"AboveRange"}, IDC_SECONDS, L"60", L"Enter an integer between 0 and 59."},
        PromptCase{{"BelowRange"}, IDC_MINUTES, L"-1", L"Enter an integer between 0 and 9999."},
        PromptCase{{"EmptyUnsigned"}, IDC_DELAY, L"", L"Enter a positive integer."},
        PromptCase{{"MinusUnsigned"}, IDC_DELAY, L"-1", L"Enter a positive integer."},
        PromptCase{
            {"AboveUnsignedRange"}, IDC_DELAY, L"10000000", L"Enter an integer between 0 and 9999999."},
        // A number too large to hold is out of range where the field has one.
        PromptCase{{"TooLargeSigned"}, IDC_MINUTES, L"99999999999", L"Enter an integer between 0 and 9999."},
        PromptCase{
            {"TooLargeUnsigned"}, IDC_DELAY, L"99999999999", L"Enter an integer between 0 and 9999999."},
        PromptCase{{"TooLargeWithoutRange"}, IDC_EXTRA, L"99999999999", L"Enter an integer."}),
    RowName());

TEST_F(DataExchangeFixture, FieldsBeforeTheFailureKeepTheirNewValuesAndLaterOnesAreUntouched) {
    m_dialog.m_nMinutes = 1;
    m_dialog.m_nSeconds = 2;
    m_dialog.m_nDelay = 3;
    m_dialog.m_bHold = 0;
    Fill(IDC_MINUTES, L"44");
    Fill(IDC_SECONDS, L"x");
    Fill(IDC_DELAY, L"55");
    m_windows.MutableWindow(Control(IDC_HOLD)).check = 1;

    EXPECT_FALSE(m_dialog.UpdateData(SAVE_AND_VALIDATE));

    EXPECT_EQ(m_dialog.m_nMinutes, 44);
    EXPECT_EQ(m_dialog.m_nSeconds, 2) << "the offending field keeps its old value";
    EXPECT_EQ(m_dialog.m_nDelay, 3u);
    EXPECT_EQ(m_dialog.m_bHold, 0);
}

TEST_F(DataExchangeFixture, OutOfRangeValueIsStoredInTheMemberBeforeTheCheckFails) {
    FillValidForm();
    Fill(IDC_SECONDS, L"60");
    EXPECT_FALSE(m_dialog.UpdateData(SAVE_AND_VALIDATE));
    EXPECT_EQ(m_dialog.m_nSeconds, 60);
}

TEST_F(DataExchangeFixture, SeveralBadFieldsReportOnlyTheFirst) {
    Fill(IDC_MINUTES, L"");
    Fill(IDC_SECONDS, L"");
    Fill(IDC_DELAY, L"");
    EXPECT_FALSE(m_dialog.UpdateData(SAVE_AND_VALIDATE));
    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    EXPECT_TRUE(m_windows.HasFocus(m_dialog.m_hWnd, IDC_MINUTES));
}

TEST_F(DataExchangeFixture, FailureIsReportedToTheOverridableHandlerWithFieldKindAndBounds) {
    class CRecordingForm : public CFormDialog {
    public:
        using CFormDialog::CFormDialog;
        void OnDataExchangeFailure(const DataExchangeFailure& failure) override {
            m_failures.push_back(failure);
        }
        std::vector<DataExchangeFailure> m_failures;
    };
    CRecordingForm form(nullptr, m_windows);
    ASSERT_TRUE(form.Create());
    const WindowHandle window = form.m_hWnd;
    m_windows.MutableWindow(m_windows.Control(window, IDC_DELAY)).text = L"10000000";

    EXPECT_FALSE(form.UpdateData(SAVE_AND_VALIDATE));

    ASSERT_EQ(form.m_failures.size(), 1u);
    EXPECT_EQ(form.m_failures[0].id, IDC_DELAY);
    EXPECT_EQ(form.m_failures[0].kind, DataExchangeFailureKind::OutOfRange);
    EXPECT_EQ(form.m_failures[0].min, 0);
    EXPECT_EQ(form.m_failures[0].max, 9999999);
    EXPECT_TRUE(m_windows.MessageBoxes().empty());
}

TEST_F(DataExchangeFixture, ControlNotificationsAreNotDispatchedWhileTheExchangeRuns) {
    m_dialog.m_nMinutes = 7;
    m_dialog.UpdateData(LOAD_CONTROLS);
    EXPECT_EQ(State(IDC_MINUTES).text, L"7");
    EXPECT_EQ(m_dialog.m_nMinutesChanges, 0) << "writing a member into its edit is not a change by the user";

    ASSERT_TRUE(m_user.Type(IDC_MINUTES, L"5"));
    EXPECT_EQ(m_dialog.m_nMinutesChanges, 1) << "typing afterwards is";
}

TEST_F(DataExchangeFixture, UserClickReachesTheMapAfterAFailedExchange) {
    Fill(IDC_MINUTES, L"");
    EXPECT_FALSE(m_dialog.UpdateData(SAVE_AND_VALIDATE));
    ASSERT_TRUE(m_user.Click(IDC_HOLD));
    EXPECT_EQ(m_dialog.m_nHoldClicks, 1);
}
