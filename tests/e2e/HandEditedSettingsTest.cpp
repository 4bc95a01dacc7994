// Settings edited by hand or by a cleaner, read by the real program from the real registry: four bytes
// of any type are a number, any other shape is the default, and the program says at Start what it
// cannot run with. The settings layer's tables (tests/unit/settings/SettingsCases.h, on the in-memory
// registry and on Wine's in tests/win32) hold every shape of every value; these rows prove that the
// real registry's types reach that layer through the real program, and that it leaves them as they are.
#include <string>

#include "MessageBoxes.h"
#include "Polling.h"
#include "RecorderLog.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "resource.h"

namespace {
const DWORD BOX_TIMEOUT_MS = 10000;

struct HandEdit {
    const char* pszName;
    const wchar_t* pszValue; // in the first instance's section
    RawValue stored;
    int nPresses; // a run that ends by itself after so many; 0: Start refuses with pszPrompt
    const wchar_t* pszPrompt;
};

std::ostream& operator<<(std::ostream& out, const HandEdit& edit) {
    return out << edit.pszName;
}

// clang-format off
const HandEdit EDITS[] = {
    {"CountInFourBinaryBytes", L"SetNumberOfClicksToAutomate", {REG_BINARY, {2, 0, 0, 0}}, 2, nullptr},
    // Longer than four bytes, so that it is no number in disguise: the default count.
    {"CountAsText", L"SetNumberOfClicksToAutomate", {REG_SZ, {'f', 0, 'i', 0, 'v', 0, 'e', 0, 0, 0}}, 10, nullptr},
    {"CountPastItsRange", L"SetNumberOfClicksToAutomate", {REG_DWORD, {0x10, 0x27, 0, 0}}, 0,
     L"Enter an integer between 0 and 9999."},
    {"KeyWithAllBitsSet", L"KeyIndexTobeAutomated", {REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}}, 0,
     L"Please Select the Keyboard Key to be Pressed.\n\nAlternatively you can also use a Keyboard Shortcut Key "
     L"combination to start or stop the Auto Key Presssing using the Assign Button."},
};
// clang-format on

class HandEditedSettings : public CTapwellCase, public ::testing::WithParamInterface<HandEdit> {};
} // namespace

TEST_P(HandEditedSettings, AreReadAsTheSettingsDefineAndLeftAsTheyWere) {
    const HandEdit& edit = GetParam();
    // Three quick presses of the letter key, but for the edited value.
    ASSERT_TRUE(WriteProfileDword(SECTION_FIRST_INSTANCE, L"KeyIndexTobeAutomated", KEY_LETTER_A) &&
                WriteProfileDword(SECTION_FIRST_INSTANCE, L"AutoClicksDelayMilliSeconds", 30) &&
                WriteProfileDword(SECTION_FIRST_INSTANCE, L"SetNumberOfClicksToAutomate", 3) &&
                WriteRawValue(SECTION_FIRST_INSTANCE, edit.pszValue, edit.stored));
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_NE(pRecorder, nullptr);
    const auto delivered = [&] {
        return TypedCharacters(ReadRecorderLog(m_driver.RecorderLogPath())).size();
    };

    const ActionResult start = pTapwell->Form().Click(IDC_START_KEYPRESSING);

    if (edit.nPresses > 0) {
        ASSERT_EQ(start, ActionResult::Done);
        ASSERT_TRUE(
            pTapwell->WaitForStatus(L"Keyed " + std::to_wstring(edit.nPresses) + L" Times", RUN_TIMEOUT_MS));
        ASSERT_TRUE(pTapwell->WaitForIdle(RUN_TIMEOUT_MS));
        WaitUntil([&] { return delivered() >= static_cast<std::size_t>(edit.nPresses); }, SETTLE_TIMEOUT_MS);
        EXPECT_EQ(delivered(), static_cast<std::size_t>(edit.nPresses));
    } else {
        ASSERT_EQ(start, ActionResult::MessageBoxShown);
        const HWND hBox = pTapwell->WaitForMessageBox(BOX_TIMEOUT_MS);
        ASSERT_NE(hBox, nullptr);
        EXPECT_EQ(MessageBoxText(hBox), edit.pszPrompt);
        ASSERT_TRUE(pTapwell->AnswerMessageBox(hBox, IDOK));
        EXPECT_TRUE(pTapwell->IsIdle());
        EXPECT_EQ(delivered(), 0u);
    }
    EXPECT_EQ(ReadRawValue(SECTION_FIRST_INSTANCE, edit.pszValue), edit.stored);
}

INSTANTIATE_TEST_SUITE_P(Values, HandEditedSettings, ::testing::ValuesIn(EDITS));
