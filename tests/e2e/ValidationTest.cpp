// The form refuses what it cannot take: out-of-range and empty fields, a start without a key.
#include <string>

#include "MessageBoxes.h"
#include "RemoteMessages.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
const DWORD BOX_TIMEOUT_MS = 5000;

struct FieldCase {
    const char* pszName;
    int nControl;
    const wchar_t* pszValueName;
    const wchar_t* pszValidText;
    DWORD nValidValue;
    const wchar_t* pszInvalidText;
    const wchar_t* pszPrompt;
};

std::ostream& operator<<(std::ostream& out, const FieldCase& field) {
    return out << field.pszName;
}

const FieldCase FIELD_CASES[] = {
    {"SecondsAbove59", IDC_DELAY_SECONDS, L"AutoClicksDelaySeconds", L"59", 59, L"60",
     L"Enter an integer between 0 and 59."},
    {"MillisecondsAbove99999", IDC_DELAY_MILLISECONDS, L"AutoClicksDelayMilliSeconds", L"99999", 99999,
     L"100000", L"Enter an integer between 0 and 99999."},
    {"MinutesAbove9999", IDC_DELAY_MINUTES, L"AutoClicksDelayMins", L"9999", 9999, L"10000",
     L"Enter an integer between 0 and 9999."},
    {"CountAbove9999", IDC_KEYS_TO_PRESS, L"SetNumberOfClicksToAutomate", L"7", 7, L"10000",
     L"Enter an integer between 0 and 9999."},
    {"CountEmpty", IDC_KEYS_TO_PRESS, L"SetNumberOfClicksToAutomate", L"7", 7, L"", L"Enter an integer."},
};

class Validation : public CTapwellCase {};
class FieldValidation : public CTapwellCase, public ::testing::WithParamInterface<FieldCase> {};
} // namespace

TEST_P(FieldValidation, AValidValueIsStoredAndAnInvalidOneIsRefusedWithAPrompt) {
    const FieldCase& field = GetParam();
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    CDialogRemote& form = pTapwell->Form();

    ASSERT_EQ(form.SetText(field.nControl, field.pszValidText), ActionResult::Done);
    ASSERT_EQ(ReadProfileDword(L"Settings 0", field.pszValueName), field.nValidValue);
    ASSERT_EQ(form.SetText(field.nControl, field.pszInvalidText), ActionResult::MessageBoxShown);

    HWND hBox = pTapwell->WaitForMessageBox(BOX_TIMEOUT_MS);
    ASSERT_NE(hBox, nullptr);
    EXPECT_EQ(MessageBoxText(hBox), field.pszPrompt);
    EXPECT_EQ(WindowText(hBox), APP_TITLE);
    ASSERT_TRUE(pTapwell->AnswerMessageBox(hBox, IDOK));
    EXPECT_EQ(ReadProfileDword(L"Settings 0", field.pszValueName), field.nValidValue);
    // The user is taken back to the offending field, its whole text selected.
    EXPECT_EQ(FocusOfThreadOf(pTapwell->MainWindow()), form.Control(field.nControl));
    DWORD nStart = 1;
    DWORD nEnd = 0;
    AskWindow(form.Control(field.nControl), EM_GETSEL, reinterpret_cast<WPARAM>(&nStart),
              reinterpret_cast<LPARAM>(&nEnd));
    EXPECT_EQ(nStart, 0u);
    EXPECT_EQ(nEnd, wcslen(field.pszInvalidText));
}

// Named by the printed parameter, which the test runner shows in place of the index.
INSTANTIATE_TEST_SUITE_P(MainForm, FieldValidation, ::testing::ValuesIn(FIELD_CASES));

TEST_F(Validation, HoldKeyIsNotStoredWhileAnotherFieldIsInvalid) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    CDialogRemote& form = pTapwell->Form();
    ASSERT_EQ(form.SetText(IDC_DELAY_SECONDS, L"60"), ActionResult::MessageBoxShown);
    ASSERT_TRUE(pTapwell->AnswerMessageBox(pTapwell->WaitForMessageBox(BOX_TIMEOUT_MS), IDOK));

    ASSERT_EQ(form.Click(IDC_HOLD_KEY), ActionResult::MessageBoxShown);

    HWND hBox = pTapwell->WaitForMessageBox(BOX_TIMEOUT_MS);
    ASSERT_NE(hBox, nullptr);
    EXPECT_EQ(MessageBoxText(hBox), L"Enter an integer between 0 and 59.");
    ASSERT_TRUE(pTapwell->AnswerMessageBox(hBox, IDOK));
    EXPECT_EQ(ReadProfileDword(L"Settings 0", L"HoldKey"), std::nullopt);
    EXPECT_EQ(ReadProfileDword(L"Settings 0", L"AutoClicksDelaySeconds"), std::nullopt);
}

TEST_F(Validation, StartWithoutAKeyExplainsWhatIsMissingAndStaysIdle) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);

    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::MessageBoxShown);

    HWND hBox = pTapwell->WaitForMessageBox(BOX_TIMEOUT_MS);
    ASSERT_NE(hBox, nullptr);
    EXPECT_EQ(MessageBoxText(hBox),
              L"Please Select the Keyboard Key to be Pressed.\n\nAlternatively you can also use a Keyboard "
              L"Shortcut Key "
              L"combination to start or stop the Auto Key Presssing using the Assign Button.");
    EXPECT_EQ(WindowText(hBox), APP_TITLE);
    ASSERT_TRUE(pTapwell->AnswerMessageBox(hBox, IDOK));
    EXPECT_TRUE(pTapwell->IsIdle());
    EXPECT_EQ(pTapwell->Form().Text(IDC_STATUS), L"Current Status ");
    EXPECT_EQ(FocusOfThreadOf(pTapwell->MainWindow()), pTapwell->Form().Control(IDC_KEY_LIST));
}
