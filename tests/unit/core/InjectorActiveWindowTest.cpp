#include "InjectorFixture.h"

namespace {

class InjectorActiveWindow : public InjectorFixture {};

// Shift+Tab held through two presses into the focused window, then let go: Shift comes up first.
const std::vector<std::string> HELD_SHIFT_TAB_TWICE_THEN_RELEASED = {
    "SendInput 1 {vk=0x10 scan=0x00 flags=0x0}", "SendInput 1 {vk=0x09 scan=0x00 flags=0x0}",
    "SendInput 1 {vk=0x10 scan=0x00 flags=0x0}", "SendInput 1 {vk=0x09 scan=0x00 flags=0x0}",
    "SendInput 1 {vk=0x10 scan=0x00 flags=0x2}", "SendInput 1 {vk=0x09 scan=0x00 flags=0x2}",
};

} // namespace

TEST_F(InjectorActiveWindow, PausedPressesSendTheirKeyUpOnlyWhenFinished) {
    struct Case {
        const char* name;
        int keyDelay;
        const wchar_t* text; // typed as a character; null: pressed by key code VK_RETURN
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"key by code",
         35,
         nullptr,
         {"SendInput 1 {vk=0x0D scan=0x1C flags=0x0}", "Pause 35",
          "SendInput 1 {vk=0x0D scan=0x1C flags=0x2}"}},
        {"the stored default until set",
         TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP.nDefault,
         nullptr,
         {"SendInput 1 {vk=0x0D scan=0x1C flags=0x0}", "Pause 10",
          "SendInput 1 {vk=0x0D scan=0x1C flags=0x2}"}},
        {"no pause when negative",
         -1,
         nullptr,
         {"SendInput 1 {vk=0x0D scan=0x1C flags=0x0}", "SendInput 1 {vk=0x0D scan=0x1C flags=0x2}"}},
        {"letter as Unicode",
         20,
         L"a",
         {"SendInput 1 {vk=0x00 scan=0x61 flags=0x4}", "Pause 20",
          "SendInput 1 {vk=0x00 scan=0x61 flags=0x6}"}},
        {"non-Latin as its own unit",
         20,
         L"\x0439",
         {"SendInput 1 {vk=0x00 scan=0x439 flags=0x4}", "Pause 20",
          "SendInput 1 {vk=0x00 scan=0x439 flags=0x6}"}},
    };
    for (const Case& item : cases) {
        input.ClearLog();
        injector.SetKeyDelay(item.keyDelay);
        if (item.text == nullptr) {
            injector.PressKey(0, VK_RETURN, false);
        } else {
            EXPECT_TRUE(injector.PressCharacter(item.text, 0, false, false)) << item.name;
        }
        EXPECT_EQ(injector.HasUnfinishedPress(), item.keyDelay > 0) << item.name;
        FinishPress();
        EXPECT_TRUE(SequenceMatches(input.Log(), item.expected)) << item.name;
        EXPECT_EQ(input.KeysDown(), NOTHING_DOWN) << item.name;
        EXPECT_TRUE(input.UnicodeUnitsDown().empty()) << item.name;
    }
}

TEST_F(InjectorActiveWindow, BruteMethodTypesTheKeyOfTheCharacterWithoutShift) {
    struct Case {
        const wchar_t* text;
        const char* down;
        const char* up;
    };
    const Case cases[] = {
        {L"a", "keybd_event 0x41 0x00 0x0 0", "keybd_event 0x41 0x00 0x2 0"},
        {L"A", "keybd_event 0x41 0x00 0x0 0", "keybd_event 0x41 0x00 0x2 0"},
        {L"7", "keybd_event 0x37 0x00 0x0 0", "keybd_event 0x37 0x00 0x2 0"},
        // No key types it: the 0xFF that VkKeyScan gives is sent as it is.
        {L"\x20AC", "keybd_event 0xFF 0x00 0x0 0", "keybd_event 0xFF 0x00 0x2 0"},
    };
    injector.SetKeyDelay(15);
    for (const Case& item : cases) {
        input.ClearLog();
        EXPECT_TRUE(injector.PressCharacter(item.text, 0, false, true));
        FinishPress();
        EXPECT_TRUE(SequenceMatches(input.Log(), {item.down, "Pause 15", item.up})) << Narrow(item.text);
    }
    EXPECT_EQ(input.KeysDown(), NOTHING_DOWN);
}

TEST_F(InjectorActiveWindow, CharacterPressDeclinesWhatIsNotAPlainOneUnitEntry) {
    struct Case {
        const char* name;
        const wchar_t* text;
        int modifierVk;
        bool hold;
    };
    const Case cases[] = {
        {"held", L"a", 0, true},
        {"with a modifier", L"a", VK_CONTROL, false},
        {"named key", L"F1", 0, false},
        {"empty letter text", L"", 0, false},
        {"two units", L"\x0644\x0627", 0, false},
    };
    for (const Case& item : cases) {
        EXPECT_FALSE(injector.PressCharacter(item.text, item.modifierVk, item.hold, false)) << item.name;
        EXPECT_TRUE(input.Log().Empty()) << item.name;
    }
}

TEST_F(InjectorActiveWindow, PressesSendTheirRecordsAndHeldKeysStayDownUntilReleased) {
    struct Row {
        const char* name;
        std::vector<Press> presses;
        std::vector<std::uint32_t> keysDownBeforeRelease;
        std::vector<std::string> expected; // the presses, then the release
    };
    const Row rows[] = {
        {"modified press: a down-up pair inside the modifier",
         {{VK_CONTROL, VK_F5, false}},
         NOTHING_DOWN,
         {
             "SendInput 1 {vk=0x11 scan=0x00 flags=0x0}",
             "SendInput 2 {vk=0x74 scan=0x00 flags=0x0} {vk=0x74 scan=0x00 flags=0x2}",
             "SendInput 1 {vk=0x11 scan=0x00 flags=0x2}",
         }},
        {"held press: key and modifier, once for each press",
         {{VK_SHIFT, VK_TAB, true}, {VK_SHIFT, VK_TAB, true}},
         {VK_TAB, VK_SHIFT},
         HELD_SHIFT_TAB_TWICE_THEN_RELEASED},
        {"held press without modifier: only the key",
         {{0, VK_SPACE, true}},
         {VK_SPACE},
         {
             "SendInput 1 {vk=0x20 scan=0x00 flags=0x0}",
             "SendInput 1 {vk=0x20 scan=0x00 flags=0x2}",
         }},
    };
    for (const Row& row : rows) {
        for (const Press& press : row.presses) {
            injector.PressKey(press.modifierVk, press.keyVk, press.hold);
        }
        EXPECT_EQ(input.KeysDown(), row.keysDownBeforeRelease) << row.name;
        injector.ReleaseHeldKeys();
        EXPECT_TRUE(SequenceMatches(input.Log(), row.expected)) << row.name;
        EXPECT_EQ(input.KeysDown(), NOTHING_DOWN) << row.name;
        input.ClearLog();
    }
}

TEST_F(InjectorActiveWindow, KeyCodeZeroSendsAndRecordsNothing) {
    injector.PressKey(VK_SHIFT, VK_TAB, true);
    input.ClearLog();
    injector.PressKey(VK_CONTROL, 0x10000, false);
    EXPECT_TRUE(input.Log().Empty());
    // The held record of the press before is still the one released.
    injector.ReleaseHeldKeys();
    EXPECT_EQ(input.Log().Size(), 2u);
    EXPECT_EQ(input.KeysDown(), NOTHING_DOWN);
}

TEST_F(InjectorActiveWindow, CharacterPressLetsTheHeldKeysGoFirst) {
    injector.PressKey(VK_SHIFT, VK_TAB, true);
    input.ClearLog();
    EXPECT_TRUE(injector.PressCharacter(L"a", 0, false, false));
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "SendInput 1 {vk=0x10 scan=0x00 flags=0x2}",
                                                 "SendInput 1 {vk=0x09 scan=0x00 flags=0x2}",
                                                 "SendInput 1 {vk=0x00 scan=0x61 flags=0x4}",
                                             }));
    injector.ReleaseHeldKeys();
    EXPECT_EQ(input.KeysDown(), NOTHING_DOWN);
    EXPECT_TRUE(input.UnicodeUnitsDown().empty());
}

TEST_F(InjectorActiveWindow, APressThatDiffersFromTheHeldOneLetsItGoFirst) {
    struct Case {
        const char* name;
        Press press; // after a held Shift+Tab
        std::vector<std::uint32_t> keysDown;
    };
    const Case cases[] = {
        {"another key", {VK_SHIFT, VK_F6, true}, {VK_SHIFT, VK_F6}},
        {"another modifier", {VK_CONTROL, VK_TAB, true}, {VK_TAB, VK_CONTROL}},
        {"hold off", {VK_SHIFT, VK_TAB, false}, NOTHING_DOWN},
    };
    for (const Case& item : cases) {
        injector.PressKey(VK_SHIFT, VK_TAB, true);
        injector.PressKey(item.press.modifierVk, item.press.keyVk, item.press.hold);
        FinishPress();
        EXPECT_EQ(input.KeysDown(), item.keysDown) << item.name;
        injector.ReleaseHeldKeys();
        EXPECT_EQ(input.KeysDown(), NOTHING_DOWN) << item.name;
    }
}

TEST_F(InjectorActiveWindow, NoWindowIsQueriedOrAttached) {
    injector.PressKey(VK_MENU, VK_F4, false);
    injector.PressKey(0, VK_LEFT, false);
    EXPECT_EQ(selected.m_nReads, 0);
    EXPECT_EQ(input.Log().Count("AttachThreadInput"), 0u);
    EXPECT_EQ(input.Log().Count("PostMessage"), 0u);
}
