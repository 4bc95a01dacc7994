// Start with what the form cannot take, a refused field or no key: the prompt, then nothing runs and
// the user is taken to the field. (What each field refuses is the form's unit table.)
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
const wchar_t NO_KEY_SELECTED[] =
    L"Please Select the Keyboard Key to be Pressed.\n\nAlternatively you can also use a Keyboard Shortcut "
    L"Key combination to start or stop the Auto Key Presssing using the Assign Button.";
// How long a refused start is watched for a run that should not begin.
const DWORD STILL_FOR_MS = 1000;

// Start with what the form cannot take: a field refused, or no key.
struct StartCase {
    const char* pszName;
    int nKey; // chosen before Start; -1: none
    const wchar_t* pszCount;
    const wchar_t* pszPrompt;
    int nField; // where the focus goes, an edit's whole text selected
};

std::ostream& operator<<(std::ostream& out, const StartCase& row) {
    return out << row.pszName;
}

const StartCase START_CASES[] = {
    {"CountAbove9999", KEY_LETTER_A, L"99999", L"Enter an integer between 0 and 9999.", IDC_KEYS_TO_PRESS},
    {"NoKey", -1, L"5", NO_KEY_SELECTED, IDC_KEY_LIST},
};

class StartRefused : public CTapwellCase, public ::testing::WithParamInterface<StartCase> {};
} // namespace

TEST_P(StartRefused, ThePromptShowsThenNothingRunsAndTheFieldHasTheFocus) {
    const StartCase& row = GetParam();
    // Posted into the recorder: a run's keys would reach it wherever the focus is.
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_TRUE(pRecorder && StoreSelectedWindow(SECTION_FIRST_INSTANCE, pRecorder->Frame()));
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    CDialogRemote& form = pTapwell->Form();
    ASSERT_TRUE(row.nKey < 0 || form.SelectListEntry(IDC_KEY_LIST, row.nKey) == ActionResult::Done);
    // A refused count is refused as it is typed, with the same prompt.
    if (form.SetText(IDC_KEYS_TO_PRESS, row.pszCount) == ActionResult::MessageBoxShown) {
        const HWND hTyped = pTapwell->WaitForMessageBox(BOX_TIMEOUT_MS);
        EXPECT_EQ(MessageBoxText(hTyped), row.pszPrompt);
        ASSERT_TRUE(pTapwell->AnswerMessageBox(hTyped, IDOK));
    }
    const std::wstring strStatus = form.Text(IDC_STATUS);

    ASSERT_EQ(form.Click(IDC_START_KEYPRESSING), ActionResult::MessageBoxShown);

    HWND hBox = pTapwell->WaitForMessageBox(BOX_TIMEOUT_MS);
    ASSERT_NE(hBox, nullptr);
    EXPECT_EQ(MessageBoxText(hBox), row.pszPrompt);
    EXPECT_EQ(WindowText(hBox), APP_TITLE);
    ASSERT_TRUE(pTapwell->AnswerMessageBox(hBox, IDOK));
    const HWND hField = form.Control(row.nField);
    EXPECT_EQ(FocusOfThreadOf(pTapwell->MainWindow()), hField);
    if (WindowClass(hField) == L"Edit") {
        const LRESULT nSelection = AskWindow(hField, EM_GETSEL);
        EXPECT_EQ(LOWORD(nSelection), 0);
        EXPECT_EQ(HIWORD(nSelection), wcslen(row.pszCount));
    }
    EXPECT_FALSE(WaitUntil(
        [&] {
            return !pTapwell->IsIdle() || form.Text(IDC_STATUS) != strStatus ||
                   !ReadRecorderLog(m_driver.RecorderLogPath()).empty();
        },
        STILL_FOR_MS))
        << "a run began";
}

INSTANTIATE_TEST_SUITE_P(MainForm, StartRefused, ::testing::ValuesIn(START_CASES));
