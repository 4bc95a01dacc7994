// The start/stop shortcut: saved in the form the system registers, pressed from anywhere while the
// window is in the tray, refused to a second instance while the first holds it, and let go when
// Tapwell ends.
#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <string>

#include "MessageBoxes.h"
#include "Polling.h"
#include "RecorderLog.h"
#include "RemoteMessages.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "UserKeyboard.h"
#include "resource.h"
#include "ui/ShortcutTexts.h"

namespace {
const DWORD STORED_CTRL_ALT = 0x0003; // MOD_CONTROL | MOD_ALT
const int PROBE_HOTKEY_ID = 0x0E2F;
const DWORD BOX_TIMEOUT_MS = 20000;

// Whether some program has Ctrl+Alt+F6 registered: the system then refuses it to anyone else.
bool IsCtrlAltF6Taken() {
    if (!RegisterHotKey(nullptr, PROBE_HOTKEY_ID, MOD_CONTROL | MOD_ALT, VK_F6)) {
        return true;
    }
    UnregisterHotKey(nullptr, PROBE_HOTKEY_ID);
    return false;
}

bool PressCtrlAltF6() {
    return PressKeys({VK_CONTROL, VK_MENU}, VK_F6);
}

class Shortcut : public CTapwellCase {
protected:
    std::vector<RecordedKeyMessage> RecorderLog() const {
        return ReadRecorderLog(m_driver.RecorderLogPath());
    }
};
} // namespace

TEST_F(Shortcut, CtrlAltF6IsStoredInRegisteredFormTogglesARunFromTheTrayAndIsLetGoAtTheEnd) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    CDialogRemote& form = pTapwell->Form();
    ASSERT_EQ(form.SelectListEntry(IDC_KEY_LIST, KEY_LETTER_A), ActionResult::Done);
    ASSERT_EQ(form.SetText(IDC_DELAY_MILLISECONDS, L"50"), ActionResult::Done);
    ASSERT_EQ(form.SetText(IDC_KEYS_TO_PRESS, L"0"), ActionResult::Done);
    ASSERT_EQ(form.SetHotKey(IDC_SHORTCUT_KEY, VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT), ActionResult::Done);

    ASSERT_EQ(form.Click(IDC_SAVE_SHORTCUT_KEY), ActionResult::Done);

    EXPECT_EQ(ReadProfileDword(L"Settings 0", ShortcutKeyValue(L"Settings 0")), DWORD{VK_F6});
    EXPECT_EQ(ReadProfileDword(L"Settings 0", ShortcutModifierValue(L"Settings 0")), STORED_CTRL_ALT);
    ASSERT_EQ(form.Click(IDC_HIDE_TO_TRAY), ActionResult::Done);
    ASSERT_NE(m_driver.StartRecorder(), nullptr);

    ASSERT_TRUE(PressCtrlAltF6());
    ASSERT_TRUE(WaitUntil([&] { return form.IsEnabled(IDC_STOP_KEYPRESSING); }, RUN_TIMEOUT_MS));
    EXPECT_FALSE(form.IsEnabled(IDC_START_KEYPRESSING));
    ASSERT_TRUE(WaitUntil([&] { return CountMessages(RecorderLog(), WM_CHAR, L'a') >= 3; }, RUN_TIMEOUT_MS));
    ASSERT_TRUE(PressCtrlAltF6());

    ASSERT_TRUE(pTapwell->WaitForIdle(RUN_TIMEOUT_MS));
    const std::vector<RecordedKeyMessage> log = RecorderLog();
    EXPECT_EQ(form.Text(IDC_STATUS),
              L"Keyed " + std::to_wstring(CountMessages(log, WM_CHAR, L'a')) + L" Times");
    EXPECT_EQ(CountMessages(log, WM_KEYDOWN, VK_F6), 0);
    EXPECT_FALSE(IsWindowVisible(pTapwell->MainWindow()));

    // Let go when Tapwell ends, and taken again by the next start, from the stored pair.
    ASSERT_TRUE(pTapwell->Close());
    EXPECT_FALSE(IsCtrlAltF6Taken());
    CTapwellInstance* pAgain = m_driver.StartTapwell();
    ASSERT_NE(pAgain, nullptr);
    EXPECT_EQ(AskWindow(pAgain->Form().Control(IDC_SHORTCUT_KEY), HKM_GETHOTKEY),
              MAKEWORD(VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT));
    EXPECT_TRUE(IsCtrlAltF6Taken());
}

TEST_F(Shortcut, ASecondInstanceWhoseStoredShortcutIsTakenSaysSoAndClearsItsOwn) {
    ASSERT_TRUE(WriteProfileDword(L"Settings", L"UseSingleInstance", 0));
    for (const wchar_t* pszSection : {L"Settings 0", L"Settings 1"}) {
        ASSERT_TRUE(StoreShortcut(pszSection, VK_F6, STORED_CTRL_ALT));
    }
    ASSERT_NE(m_driver.StartTapwell(), nullptr);
    ASSERT_TRUE(IsCtrlAltF6Taken());

    CChildProcess* pSecond = m_driver.LaunchTapwell();
    ASSERT_NE(pSecond, nullptr);

    // The box comes during the main dialog's start, before the program counts as started.
    HWND hBox = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hBox = FindMessageBox(pSecond->Id())) != nullptr; }, BOX_TIMEOUT_MS));
    EXPECT_EQ(MessageBoxText(hBox), LOAD_HOTKEY_FAILED);
    ASSERT_TRUE(PostMessageW(GetDlgItem(hBox, IDOK), BM_CLICK, 0, 0));
    ASSERT_TRUE(WaitUntil([hBox] { return !IsWindow(hBox); }, BOX_TIMEOUT_MS));
    CTapwellInstance* pTapwell = m_driver.AttachTapwell(*pSecond);
    ASSERT_NE(pTapwell, nullptr);

    // "None": the control holds no combination.
    EXPECT_EQ(AskWindow(pTapwell->Form().Control(IDC_SHORTCUT_KEY), HKM_GETHOTKEY), 0);
    EXPECT_EQ(ReadProfileDword(L"Settings 1", ShortcutKeyValue(L"Settings 1")), DWORD{0});
    EXPECT_EQ(ReadProfileDword(L"Settings 1", ShortcutModifierValue(L"Settings 1")), DWORD{0});
    // The first instance keeps its own.
    EXPECT_EQ(ReadProfileDword(L"Settings 0", ShortcutKeyValue(L"Settings 0")), DWORD{VK_F6});
    EXPECT_TRUE(IsCtrlAltF6Taken());
}
