// Runs of key presses into real windows, focused or picked: the recorder and Wine's notepad.
#include <cwchar>
#include <vector>

#include "Polling.h"
#include "RecorderLog.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "UserKeyboard.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
class KeyRun : public CTapwellCase {
protected:
    std::vector<RecordedKeyMessage> RecorderLog() const {
        return ReadRecorderLog(m_driver.RecorderLogPath());
    }

    bool WaitForRecorded(UINT nMessage, WPARAM nKey, int nAtLeast) const {
        return WaitUntil([&] { return CountMessages(RecorderLog(), nMessage, nKey) >= nAtLeast; },
                         RUN_TIMEOUT_MS);
    }
};

// A window that has the focus during the run, and whether it logs the key messages it gets.
struct FocusedTarget {
    const char* name;
    CTargetWindow* (CTapwellDriver::*start)();
    bool bLogsMessages;
};

const FocusedTarget FOCUSED_TARGETS[] = {
    {"TheRecorder", &CTapwellDriver::StartRecorder, true},
    {"Notepad", &CTapwellDriver::StartNotepad, false},
};

void PrintTo(const FocusedTarget& target, std::ostream* os) {
    *os << target.name;
}

class FivePressesOfALetter : public KeyRun, public ::testing::WithParamInterface<FocusedTarget> {};

// Five presses with a modifier into a picked window, with the text its Edit holds before and after.
struct ModifiedPress {
    const char* name;
    int nModifier;
    int nKey;
    CTargetWindow* (CTapwellDriver::*start)();
    const wchar_t* pszBefore;
    const wchar_t* pszAfter;
    bool bWholeTextSelected;
};

const ModifiedPress MODIFIED_PRESSES[] = {
    {"ShiftTypesCapitals", MODIFIER_SHIFT, KEY_LETTER_A, &CTapwellDriver::StartNotepad, L"", L"AAAAA", false},
    {"CtrlSelectsAll", MODIFIER_CTRL, KEY_LETTER_A, &CTapwellDriver::StartNotepad, L"hello world",
     L"hello world", true},
    {"AltTypesNothing", MODIFIER_ALT, KEY_LETTER_A, &CTapwellDriver::StartNotepad, L"", L"", false},
    {"CtrlReadsDownInTheRecorder", MODIFIER_CTRL, KEY_F5, &CTapwellDriver::StartRecorder, L"", L"", false},
};

class ModifiedPressIntoAPickedWindow : public KeyRun, public ::testing::WithParamInterface<ModifiedPress> {};
} // namespace

TEST_P(FivePressesOfALetter, TypeFiveCharactersIntoTheFocusedWindow) {
    const FocusedTarget& target = GetParam();
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_TRUE(pTapwell->FillInRun(KEY_LETTER_A, L"50", L"5"));
    CTargetWindow* pTarget = (m_driver.*target.start)();
    ASSERT_NE(pTarget, nullptr);

    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);

    ASSERT_TRUE(pTapwell->WaitForStatus(L"Keyed 5 Times", RUN_TIMEOUT_MS))
        << pTapwell->Form().Text(IDC_STATUS);
    EXPECT_TRUE(pTapwell->WaitForIdle(RUN_TIMEOUT_MS));
    EXPECT_TRUE(pTapwell->Form().IsEnabled(IDC_RANDOM_DELAY));
    // The last key-up may still be on its way when the status shows the count.
    WaitUntil([&] { return pTarget->EditText().size() >= 5; }, SETTLE_TIMEOUT_MS);
    EXPECT_EQ(pTarget->EditText(), L"aaaaa");
    if (target.bLogsMessages) {
        WaitForRecorded(WM_KEYUP, 'A', 5);
        const std::vector<RecordedKeyMessage> log = RecorderLog();
        EXPECT_EQ(TypedCharacters(log), L"aaaaa");
        EXPECT_EQ(CountMessages(log, WM_KEYDOWN), 5);
        EXPECT_EQ(CountMessages(log, WM_KEYUP), 5);
    }
}

INSTANTIATE_TEST_SUITE_P(Into, FivePressesOfALetter, ::testing::ValuesIn(FOCUSED_TARGETS),
                         [](const ::testing::TestParamInfo<FocusedTarget>& info) { return info.param.name; });

TEST_P(ModifiedPressIntoAPickedWindow, ActsAsFromAKeyboardAndLeavesNothingDown) {
    const ModifiedPress& press = GetParam();
    CTargetWindow* pTarget = (m_driver.*press.start)();
    ASSERT_NE(pTarget, nullptr);
    SendMessageW(pTarget->Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(press.pszBefore));
    ASSERT_TRUE(StoreSelectedWindow(SECTION_FIRST_INSTANCE, pTarget->Frame()));
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_TRUE(pTapwell->FillInRun(press.nKey, L"50", L"5"));
    ASSERT_EQ(pTapwell->Form().SelectListEntry(IDC_MODIFIER_LIST, press.nModifier), ActionResult::Done);

    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);
    ASSERT_TRUE(pTapwell->WaitForStatus(L"Keyed 5 Times", RUN_TIMEOUT_MS));
    // Each press returns once the target has handled its key.
    EXPECT_EQ(pTarget->EditText(), press.pszAfter);
    const DWORD nSelection = static_cast<DWORD>(SendMessageW(pTarget->Edit(), EM_GETSEL, 0, 0));
    EXPECT_EQ(HIWORD(nSelection) - LOWORD(nSelection),
              press.bWholeTextSelected ? std::wcslen(press.pszAfter) : 0);
    EXPECT_FALSE(IsKeyDown(VK_SHIFT) || IsKeyDown(VK_CONTROL) || IsKeyDown(VK_MENU));
    if (press.start == &CTapwellDriver::StartRecorder) {
        ASSERT_TRUE(WaitForRecorded(WM_KEYUP, VK_CONTROL, 5));
        // Ctrl reads down while F5 is handled, and is left set in the recorder by no press.
        for (const RecordedKeyMessage& message : RecorderLog()) {
            EXPECT_EQ(message.strModifiers,
                      message.nMessage == WM_KEYUP && message.nWParam == VK_CONTROL ? "---" : "-C-");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Into, ModifiedPressIntoAPickedWindow, ::testing::ValuesIn(MODIFIED_PRESSES),
                         [](const ::testing::TestParamInfo<ModifiedPress>& info) { return info.param.name; });

TEST_F(KeyRun, TheRunGoesOnWhileAMessageBoxOfTapwellIsOpen) {
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_NE(pRecorder, nullptr);
    // Posted into the recorder, so that the keys do not follow the focus into the message box.
    ASSERT_TRUE(StoreSelectedWindow(SECTION_FIRST_INSTANCE, pRecorder->Frame()));
    ASSERT_TRUE(WriteProfileDword(SECTION_FIRST_INSTANCE, L"SendKeyUps", 1));
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_TRUE(pTapwell->FillInRun(KEY_LEFT, L"20", L"0"));
    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);
    ASSERT_TRUE(WaitForRecorded(WM_KEYDOWN, VK_LEFT, 1));

    // Saving an empty shortcut answers with a message box: the system's own modal loop runs meanwhile.
    ASSERT_EQ(pTapwell->Form().Click(IDC_SAVE_SHORTCUT_KEY), ActionResult::MessageBoxShown);
    const HWND hBox = pTapwell->WaitForMessageBox(RUN_TIMEOUT_MS);
    ASSERT_NE(hBox, nullptr);
    const int nBefore = CountMessages(RecorderLog(), WM_KEYDOWN, VK_LEFT);
    EXPECT_TRUE(WaitForRecorded(WM_KEYDOWN, VK_LEFT, nBefore + 10));
    EXPECT_TRUE(WaitForRecorded(WM_KEYUP, VK_LEFT, nBefore + 10));
    ASSERT_TRUE(pTapwell->AnswerMessageBox(hBox, IDOK));
    ASSERT_EQ(pTapwell->Form().Click(IDC_STOP_KEYPRESSING), ActionResult::Done);
}

TEST_F(KeyRun, ScriptsStartAndStopTheRunningTapwellWithoutTakingTheFocus) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_TRUE(pTapwell != nullptr && pTapwell->FillInRun(KEY_LETTER_A, L"50", L"0"));
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_NE(pRecorder, nullptr);

    EXPECT_EQ(RunScript(L"/start"), DWORD{0});
    ASSERT_TRUE(WaitForRecorded(WM_CHAR, L'a', 3));
    EXPECT_EQ(GetForegroundWindow(), pRecorder->Frame());
    EXPECT_EQ(RunScript(L"-STOP"), DWORD{0});
    ASSERT_TRUE(pTapwell->WaitForIdle(SETTLE_TIMEOUT_MS));
    const std::size_t nTyped = TypedCharacters(RecorderLog()).size();
    EXPECT_FALSE(
        WaitUntil([&] { return TypedCharacters(RecorderLog()).size() > nTyped + 1; }, SETTLE_TIMEOUT_MS));
    EXPECT_FALSE(IsKeyDown('A'));
    EXPECT_EQ(TopLevelWindowsTitled(APP_TITLE), std::vector<HWND>{pTapwell->MainWindow()});
}
