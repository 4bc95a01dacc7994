// Every way a user closes Tapwell ends the process cleanly and lets go of the shortcut.
#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include "RemoteMessages.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "UserKeyboard.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
const int PROBE_HOTKEY_ID = 0x0E2E;

class Closing : public CTapwellCase {
protected:
    void ExpectCleanExit(const CTapwellInstance& tapwell) {
        ASSERT_TRUE(tapwell.Process().WaitForExit(EXIT_TIMEOUT_MS)) << "Tapwell is still running";
        EXPECT_EQ(tapwell.Process().ExitCode(), DWORD{0});
        EXPECT_FALSE(IsWindow(tapwell.MainWindow()));
    }
};
} // namespace

TEST_F(Closing, EscapeEndsTheProgram) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_TRUE(pTapwell->Activate());

    ASSERT_TRUE(PressKey(VK_ESCAPE));

    ExpectCleanExit(*pTapwell);
}

TEST_F(Closing, AltF4EndsTheProgram) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_TRUE(pTapwell->Activate());
    // Under Wine a focused drop-down list swallows Alt+F4, and the modifier list has the focus after
    // the start; a click on the refresh button, which changes nothing, moves the focus there.
    ASSERT_EQ(pTapwell->Form().Click(IDC_REFRESH_KEYS), ActionResult::Done);
    ASSERT_EQ(FocusOfThreadOf(pTapwell->MainWindow()), pTapwell->Form().Control(IDC_REFRESH_KEYS));

    ASSERT_TRUE(PressKeys({VK_MENU}, VK_F4));

    ExpectCleanExit(*pTapwell);
}

TEST_F(Closing, TheCloseBoxEndsTheProgram) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);

    // What a click on the close box sends.
    ASSERT_TRUE(PostMessageW(pTapwell->MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0));

    ExpectCleanExit(*pTapwell);
}

TEST_F(Closing, WmCloseEndsTheProgramAlsoDuringARun) {
    CTapwellInstance* pTapwell = StartEndlessLetterRun(L"");
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_FALSE(pTapwell->IsIdle());

    ASSERT_TRUE(PostMessageW(pTapwell->MainWindow(), WM_CLOSE, 0, 0));

    ExpectCleanExit(*pTapwell);
}

TEST_F(Closing, TheShortcutIsReleasedAndRegisteredAgainAtTheNextStart) {
    CTapwellInstance* pFirst = m_driver.StartTapwell();
    ASSERT_NE(pFirst, nullptr);
    ASSERT_EQ(pFirst->Form().SelectListEntry(IDC_KEY_LIST, KEY_LETTER_A), ActionResult::Done);
    ASSERT_EQ(pFirst->Form().SetHotKey(IDC_SHORTCUT_KEY, VK_F9, HOTKEYF_CONTROL), ActionResult::Done);
    ASSERT_EQ(pFirst->Form().Click(IDC_SAVE_SHORTCUT_KEY), ActionResult::Done);
    // Taken while Tapwell runs...
    ASSERT_FALSE(RegisterHotKey(nullptr, PROBE_HOTKEY_ID, MOD_CONTROL, VK_F9));
    ASSERT_TRUE(pFirst->Activate());
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    ExpectCleanExit(*pFirst);

    // ...free once it has ended...
    EXPECT_TRUE(RegisterHotKey(nullptr, PROBE_HOTKEY_ID, MOD_CONTROL, VK_F9));
    UnregisterHotKey(nullptr, PROBE_HOTKEY_ID);

    // ...and taken again by the next start, from the stored pair.
    CTapwellInstance* pSecond = m_driver.StartTapwell();
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(AskWindow(pSecond->Form().Control(IDC_SHORTCUT_KEY), HKM_GETHOTKEY),
              MAKEWORD(VK_F9, HOTKEYF_CONTROL));
    EXPECT_FALSE(RegisterHotKey(nullptr, PROBE_HOTKEY_ID, MOD_CONTROL, VK_F9));
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, ShortcutKeyValue(SECTION_FIRST_INSTANCE)),
              DWORD{VK_F9});
}
