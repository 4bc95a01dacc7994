// The start/stop shortcut as Windows registers it: held down, it fires once where the system can.
#include <gtest/gtest.h>

#include "MainDialogShortcutFixture.h"

class ShortcutOnWindows : public MainDialogShortcutFixture {};

TEST_F(ShortcutOnWindows, AHeldShortcutDoesNotRepeatAndASystemWithoutTheFlagStillRegistersIt) {
    StoreShortcut(VK_F6, MOD_CONTROL);
    StoreInt(L"KeyIndexTobeAutomated", KEY_F5);
    Start();
    EXPECT_FALSE(m_hotKeys.Repeats(Main(), CPellorDlg::START_STOP_HOTKEY_ID));

    m_hotKeys.m_bRefuseNoRepeat = true;
    SaveShortcut(VK_F6, HOTKEYF_ALT);
    EXPECT_EQ(Registered(), (FakeHotKeys::Combination{MOD_ALT, VK_F6}));
    EXPECT_TRUE(m_hotKeys.Repeats(Main(), CPellorDlg::START_STOP_HOTKEY_ID));
    EXPECT_TRUE(Boxes().empty());
}
