// Runs of key presses into real windows that have the keyboard focus: the recorder and Wine's notepad.
#include <vector>

#include "Polling.h"
#include "RecorderLog.h"
#include "TapwellCase.h"
#include "TapwellRegistry.h"
#include "UserKeyboard.h"
#include "resource.h"

namespace {
const int KEY_LEFT = 15;
const int KEY_LETTER_A = 46;
const int MODIFIER_SHIFT = 3;
const DWORD RUN_TIMEOUT_MS = 15000;
const DWORD RELEASE_TIMEOUT_MS = 5000;

class KeyRun : public CTapwellCase {
protected:
    // Sets the key, the delay in milliseconds and the count as a user would type them.
    static void Configure(CTapwellInstance& tapwell, int nKeyPosition, const wchar_t* pszDelayMs,
                          const wchar_t* pszCount) {
        CDialogRemote& form = tapwell.Form();
        ASSERT_EQ(form.SelectListEntry(IDC_KEY_LIST, nKeyPosition), ActionResult::Done);
        ASSERT_EQ(form.SetText(IDC_DELAY_MILLISECONDS, pszDelayMs), ActionResult::Done);
        ASSERT_EQ(form.SetText(IDC_KEYS_TO_PRESS, pszCount), ActionResult::Done);
    }

    std::vector<RecordedKeyMessage> RecorderLog() const {
        return ReadRecorderLog(m_driver.RecorderLogPath());
    }

    bool WaitForRecorded(const char* pszMessage, WPARAM nKey, int nAtLeast) const {
        return WaitUntil([&] { return CountMessages(RecorderLog(), pszMessage, nKey) >= nAtLeast; },
                         RUN_TIMEOUT_MS);
    }
};

// The last message the recorder got about the key, or nullptr when it got none.
const RecordedKeyMessage* LastMessageAbout(const std::vector<RecordedKeyMessage>& log, std::uint32_t nKey) {
    const RecordedKeyMessage* pLast = nullptr;
    for (const RecordedKeyMessage& message : log) {
        if (message.strMessage != "WM_CHAR" && message.nWParam == nKey) {
            pLast = &message;
        }
    }
    return pLast;
}
} // namespace

TEST_F(KeyRun, FivePressesOfALetterTypeFiveCharactersIntoTheRecorder) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_NO_FATAL_FAILURE(Configure(*pTapwell, KEY_LETTER_A, L"50", L"5"));
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_NE(pRecorder, nullptr);

    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);

    ASSERT_TRUE(pTapwell->WaitForStatus(L"Keyed 5 Times", RUN_TIMEOUT_MS))
        << pTapwell->Form().Text(IDC_STATUS);
    EXPECT_TRUE(pTapwell->WaitForIdle(RUN_TIMEOUT_MS));
    EXPECT_TRUE(pTapwell->Form().IsEnabled(IDC_RANDOM_DELAY));
    // The last key-up may still be on its way when the status shows the count.
    WaitForRecorded("WM_KEYUP", 'A', 5);
    const std::vector<RecordedKeyMessage> log = RecorderLog();
    EXPECT_EQ(TypedCharacters(log), L"aaaaa");
    EXPECT_EQ(CountMessages(log, "WM_KEYDOWN"), 5);
    EXPECT_EQ(CountMessages(log, "WM_KEYUP"), 5);
    EXPECT_EQ(pRecorder->EditText(), L"aaaaa");
}

TEST_F(KeyRun, TheButtonsShowTheRunWhileItLasts) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_NO_FATAL_FAILURE(Configure(*pTapwell, KEY_LETTER_A, L"50", L"0"));
    ASSERT_NE(m_driver.StartRecorder(), nullptr);

    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);

    EXPECT_FALSE(pTapwell->Form().IsEnabled(IDC_START_KEYPRESSING));
    EXPECT_TRUE(pTapwell->Form().IsEnabled(IDC_STOP_KEYPRESSING));
    EXPECT_FALSE(pTapwell->Form().IsEnabled(IDC_RANDOM_DELAY));
    ASSERT_TRUE(WaitForRecorded("WM_CHAR", L'a', 3));
    ASSERT_EQ(pTapwell->Form().Click(IDC_STOP_KEYPRESSING), ActionResult::Done);
    EXPECT_TRUE(pTapwell->IsIdle());
    // Every counted press reaches the recorder, the last one perhaps a moment after the stop.
    const std::wstring strStatus = pTapwell->Form().Text(IDC_STATUS);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return strStatus ==
                   L"Keyed " + std::to_wstring(TypedCharacters(RecorderLog()).size()) + L" Times";
        },
        RELEASE_TIMEOUT_MS))
        << "typed " << TypedCharacters(RecorderLog()).size();
}

TEST_F(KeyRun, FivePressesOfALetterTypeFiveCharactersIntoNotepad) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_NO_FATAL_FAILURE(Configure(*pTapwell, KEY_LETTER_A, L"50", L"5"));
    CTargetWindow* pNotepad = m_driver.StartNotepad();
    ASSERT_NE(pNotepad, nullptr);

    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);

    ASSERT_TRUE(pTapwell->WaitForStatus(L"Keyed 5 Times", RUN_TIMEOUT_MS))
        << pTapwell->Form().Text(IDC_STATUS);
    EXPECT_TRUE(pTapwell->WaitForIdle(RUN_TIMEOUT_MS));
    // The last key-up may still be on its way when the status shows the count.
    WaitUntil([&] { return pNotepad->EditText().size() >= 5; }, RELEASE_TIMEOUT_MS);
    EXPECT_EQ(pNotepad->EditText(), L"aaaaa");
}

TEST_F(KeyRun, AHeldShiftLeftRunStoppedByTheButtonLeavesNoKeyDown) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_NO_FATAL_FAILURE(Configure(*pTapwell, KEY_LEFT, L"50", L"0"));
    CDialogRemote& form = pTapwell->Form();
    ASSERT_EQ(form.SelectListEntry(IDC_MODIFIER_LIST, MODIFIER_SHIFT), ActionResult::Done);
    ASSERT_EQ(form.Click(IDC_HOLD_KEY), ActionResult::Done);
    ASSERT_TRUE(form.IsChecked(IDC_HOLD_KEY));
    ASSERT_NE(m_driver.StartRecorder(), nullptr);

    ASSERT_EQ(form.Click(IDC_START_KEYPRESSING), ActionResult::Done);
    ASSERT_TRUE(WaitForRecorded("WM_KEYDOWN", VK_LEFT, 3));
    // Held: no key-up between the presses, both keys stay down while the run lasts.
    EXPECT_TRUE(IsKeyDown(VK_SHIFT));
    EXPECT_TRUE(IsKeyDown(VK_LEFT));
    EXPECT_EQ(CountMessages(RecorderLog(), "WM_KEYUP"), 0);
    ASSERT_EQ(form.Click(IDC_STOP_KEYPRESSING), ActionResult::Done);

    EXPECT_TRUE(pTapwell->IsIdle());
    EXPECT_TRUE(WaitUntil([] { return !IsKeyDown(VK_SHIFT) && !IsKeyDown(VK_LEFT); }, RELEASE_TIMEOUT_MS))
        << "Shift down: " << IsKeyDown(VK_SHIFT) << ", Left down: " << IsKeyDown(VK_LEFT);
    ASSERT_TRUE(WaitUntil([&] { return CountMessages(RecorderLog(), "WM_KEYUP") >= 2; }, RELEASE_TIMEOUT_MS));
    const std::vector<RecordedKeyMessage> log = RecorderLog();
    for (std::uint32_t nKey : {static_cast<std::uint32_t>(VK_SHIFT), static_cast<std::uint32_t>(VK_LEFT)}) {
        const RecordedKeyMessage* pLast = LastMessageAbout(log, nKey);
        ASSERT_NE(pLast, nullptr) << "key " << nKey;
        EXPECT_EQ(pLast->strMessage, "WM_KEYUP") << "key " << nKey;
    }
}

TEST_F(KeyRun, TheRunGoesOnWhileAMessageBoxOfTapwellIsOpen) {
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_NE(pRecorder, nullptr);
    // Posted into the recorder, so that the keys do not follow the focus into the message box.
    ASSERT_TRUE(WriteProfileDword(L"Settings 0", L"SendKeysToActiveWindow", 0));
    ASSERT_TRUE(WriteProfileDword(L"Settings 0", L"SendKeysToFirstEditOfSelectedWindow", 1));
    ASSERT_TRUE(WriteProfileDword(L"Settings 0", L"SendKeyUps", 1));
    ASSERT_TRUE(
        WriteSeekedWindow(L"Settings 0", static_cast<DWORD>(reinterpret_cast<UINT_PTR>(pRecorder->Frame()))));
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_NO_FATAL_FAILURE(Configure(*pTapwell, KEY_LEFT, L"20", L"0"));
    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);
    ASSERT_TRUE(WaitForRecorded("WM_KEYDOWN", VK_LEFT, 1));

    // Saving an empty shortcut answers with a message box: the system's own modal loop runs meanwhile.
    ASSERT_EQ(pTapwell->Form().Click(IDC_SAVE_SHORTCUT_KEY), ActionResult::MessageBoxShown);
    const HWND hBox = pTapwell->WaitForMessageBox(RUN_TIMEOUT_MS);
    ASSERT_NE(hBox, nullptr);
    const int nBefore = CountMessages(RecorderLog(), "WM_KEYDOWN", VK_LEFT);
    EXPECT_TRUE(WaitForRecorded("WM_KEYDOWN", VK_LEFT, nBefore + 10));
    EXPECT_TRUE(WaitForRecorded("WM_KEYUP", VK_LEFT, nBefore + 10));
    ASSERT_TRUE(pTapwell->AnswerMessageBox(hBox, IDOK));
    ASSERT_EQ(pTapwell->Form().Click(IDC_STOP_KEYPRESSING), ActionResult::Done);
}
