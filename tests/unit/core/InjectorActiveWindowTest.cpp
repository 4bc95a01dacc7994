#include "InjectorFixture.h"

namespace {

class InjectorActiveWindow : public InjectorFixture {};

const std::vector<std::uint32_t> kNothingDown;

} // namespace

TEST_F(InjectorActiveWindow, PlainKeySendsScanCodedDownPauseUp) {
    injector.SetKeyDelay(35);
    injector.PressKey(0, VK_RETURN, false);
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "SendInput 1 {vk=0x0D scan=0x1C flags=0x0}",
                                                 "Sleep 35",
                                                 "SendInput 1 {vk=0x0D scan=0x1C flags=0x2}",
                                             }));
    EXPECT_EQ(input.KeysDown(), kNothingDown);
}

TEST_F(InjectorActiveWindow, PauseIsTwentyMillisecondsUntilSet) {
    injector.PressKey(0, VK_F6, false);
    EXPECT_EQ(input.Log().Select({"Sleep"}), std::vector<std::string>{"Sleep 20"});
}

TEST_F(InjectorActiveWindow, NegativeDelayPausesNotAtAll) {
    injector.SetKeyDelay(-1);
    injector.PressKey(0, VK_RETURN, false);
    EXPECT_EQ(input.Log().Select({"Sleep"}), std::vector<std::string>{"Sleep 0"});
}

TEST_F(InjectorActiveWindow, LetterEntryIsTypedAsUnicodeCharacter) {
    EXPECT_TRUE(injector.PressCharacter(L"a", 0, false, false));
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "SendInput 1 {vk=0x00 scan=0x61 flags=0x4}",
                                                 "Sleep 20",
                                                 "SendInput 1 {vk=0x00 scan=0x61 flags=0x6}",
                                             }));
    EXPECT_TRUE(input.UnicodeUnitsDown().empty());
}

TEST_F(InjectorActiveWindow, NonLatinCharacterIsTypedAsItsOwnUnit) {
    EXPECT_TRUE(injector.PressCharacter(L"\x0439", 0, false, false));
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "SendInput 1 {vk=0x00 scan=0x439 flags=0x4}",
                                                 "Sleep 20",
                                                 "SendInput 1 {vk=0x00 scan=0x439 flags=0x6}",
                                             }));
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
        EXPECT_TRUE(SequenceMatches(input.Log(), {item.down, "Sleep 15", item.up})) << Narrow(item.text);
    }
    EXPECT_EQ(input.KeysDown(), kNothingDown);
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

TEST_F(InjectorActiveWindow, ModifiedPressSendsDownUpPairInsideTheModifier) {
    injector.PressKey(VK_CONTROL, VK_F5, false);
    EXPECT_TRUE(SequenceMatches(input.Log(),
                                {
                                    "SendInput 1 {vk=0x11 scan=0x00 flags=0x0}",
                                    "SendInput 2 {vk=0x74 scan=0x00 flags=0x0} {vk=0x74 scan=0x00 flags=0x2}",
                                    "SendInput 1 {vk=0x11 scan=0x00 flags=0x2}",
                                }));
    EXPECT_EQ(input.KeysDown(), kNothingDown);
}

TEST_F(InjectorActiveWindow, HeldPressLeavesKeyAndModifierDownUntilReleased) {
    injector.PressKey(VK_SHIFT, VK_TAB, true);
    injector.PressKey(VK_SHIFT, VK_TAB, true);
    EXPECT_EQ(input.KeysDown(), (std::vector<std::uint32_t>{VK_TAB, VK_SHIFT}));
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "SendInput 1 {vk=0x10 scan=0x00 flags=0x0}",
                                                 "SendInput 1 {vk=0x09 scan=0x00 flags=0x0}",
                                                 "SendInput 1 {vk=0x10 scan=0x00 flags=0x0}",
                                                 "SendInput 1 {vk=0x09 scan=0x00 flags=0x0}",
                                                 "SendInput 1 {vk=0x10 scan=0x00 flags=0x2}",
                                                 "SendInput 1 {vk=0x09 scan=0x00 flags=0x2}",
                                             }));
    EXPECT_EQ(input.KeysDown(), kNothingDown);
}

TEST_F(InjectorActiveWindow, HeldPressWithoutModifierSendsOnlyTheKey) {
    injector.PressKey(0, VK_SPACE, true);
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "SendInput 1 {vk=0x20 scan=0x00 flags=0x0}",
                                                 "SendInput 1 {vk=0x20 scan=0x00 flags=0x2}",
                                             }));
    EXPECT_EQ(input.KeysDown(), kNothingDown);
}

TEST_F(InjectorActiveWindow, KeyCodeZeroSendsAndRecordsNothing) {
    injector.PressKey(VK_SHIFT, VK_TAB, true);
    input.ClearLog();
    injector.PressKey(VK_CONTROL, 0x10000, false);
    EXPECT_TRUE(input.Log().Empty());
    // The held record of the press before is still the one released.
    injector.ReleaseHeldKeys();
    EXPECT_EQ(input.Log().Size(), 2u);
    EXPECT_EQ(input.KeysDown(), kNothingDown);
}

TEST_F(InjectorActiveWindow, CharacterPressLeavesTheHeldRecordAlone) {
    injector.PressKey(VK_SHIFT, VK_TAB, true);
    EXPECT_TRUE(injector.PressCharacter(L"a", 0, false, false));
    injector.ReleaseHeldKeys();
    EXPECT_EQ(input.KeysDown(), kNothingDown);
    EXPECT_EQ(input.Log().Count("SendInput 1 {vk=0x10 scan=0x00 flags=0x2}"), 1u);
}

TEST_F(InjectorActiveWindow, PlainPressAfterHeldPressLeavesNothingToRelease) {
    injector.PressKey(0, VK_SPACE, true);
    injector.PressKey(0, VK_SPACE, false);
    input.ClearLog();
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(input.Log().Empty());
    EXPECT_EQ(input.KeysDown(), kNothingDown);
}

TEST_F(InjectorActiveWindow, ReleaseWithoutHeldPressSendsNothing) {
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(input.Log().Empty());
}

TEST_F(InjectorActiveWindow, SecondReleaseOfTheSameHeldPressSendsNothing) {
    injector.PressKey(VK_SHIFT, VK_TAB, true);
    injector.ReleaseHeldKeys();
    input.ClearLog();
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(input.Log().Empty());
}

TEST_F(InjectorActiveWindow, NoWindowIsQueriedOrAttached) {
    injector.PressKey(VK_MENU, VK_F4, false);
    injector.PressKey(0, VK_LEFT, false);
    EXPECT_EQ(selected.m_nReads, 0);
    EXPECT_EQ(input.Log().Count("AttachThreadInput"), 0u);
    EXPECT_EQ(input.Log().Count("PostMessage"), 0u);
}
