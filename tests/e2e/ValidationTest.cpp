// The form refuses what it cannot take: out-of-range and empty fields, and a start with a refused field
// or without a key, which starts nothing.
#include <string>

#include "MessageBoxes.h"
#include "Polling.h"
#include "RecorderLog.h"
#include "RemoteMessages.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
const DWORD BOX_TIMEOUT_MS = 5000;
// How long a refused start is watched for a run that should not begin.
const DWORD STILL_FOR_MS = 1000;

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
    {"CountEmpty", IDC_KEYS_TO_PRESS, L"SetNumberOfClicksToAutomate", L"7", 7, L"", L"Enter an integer."},
};

// Start with what the form cannot take: a field refused, or no key.
struct StartCase {
    const char* pszName;
    int nKey; // chosen before Start; -1: none
    const wchar_t* pszCount;
    const wchar_t* pszPrompt;
    int nField; // where the focus goes
};

std::ostream& operator<<(std::ostream& out, const StartCase& row) {
    return out << row.pszName;
}

const StartCase START_CASES[] = {
    {"CountAbove9999", KEY_LETTER_A, L"99999", L"Enter an integer between 0 and 9999.", IDC_KEYS_TO_PRESS},
    {"NoKey", -1, L"5",
     L"Please Select the Keyboard Key to be Pressed.\n\nAlternatively you can also use a Keyboard Shortcut "
     L"Key "
     L"combination to start or stop the Auto Key Presssing using the Assign Button.",
     IDC_KEY_LIST},
};

class FieldValidation : public CTapwellCase, public ::testing::WithParamInterface<FieldCase> {};
class StartRefused : public CTapwellCase, public ::testing::WithParamInterface<StartCase> {};
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

TEST_P(StartRefused, ThePromptShowsThenNothingRunsAndTheFieldHasTheFocus) {
    const StartCase& row = GetParam();
    // Posted into the recorder: a run's keys would reach it wherever the focus is.
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_TRUE(pRecorder && StoreSelectedWindow(SECTION_FIRST_INSTANCE, pRecorder->Frame()));
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    CDialogRemote& form = pTapwell->Form();
    ASSERT_TRUE(row.nKey < 0 || form.SelectListEntry(IDC_KEY_LIST, row.nKey) == ActionResult::Done);
    // A refused count is refused as it is typed, too.
    if (form.SetText(IDC_KEYS_TO_PRESS, row.pszCount) == ActionResult::MessageBoxShown) {
        ASSERT_TRUE(pTapwell->AnswerMessageBox(pTapwell->WaitForMessageBox(BOX_TIMEOUT_MS), IDOK));
    }
    const std::wstring strStatus = form.Text(IDC_STATUS);

    ASSERT_EQ(form.Click(IDC_START_KEYPRESSING), ActionResult::MessageBoxShown);

    HWND hBox = pTapwell->WaitForMessageBox(BOX_TIMEOUT_MS);
    ASSERT_NE(hBox, nullptr);
    EXPECT_EQ(MessageBoxText(hBox), row.pszPrompt);
    EXPECT_EQ(WindowText(hBox), APP_TITLE);
    ASSERT_TRUE(pTapwell->AnswerMessageBox(hBox, IDOK));
    EXPECT_EQ(FocusOfThreadOf(pTapwell->MainWindow()), form.Control(row.nField));
    EXPECT_FALSE(WaitUntil(
        [&] {
            return !pTapwell->IsIdle() || form.Text(IDC_STATUS) != strStatus ||
                   !ReadRecorderLog(m_driver.RecorderLogPath()).empty();
        },
        STILL_FOR_MS))
        << "a run began";
}

INSTANTIATE_TEST_SUITE_P(MainForm, StartRefused, ::testing::ValuesIn(START_CASES));
