#include "InjectorFixture.h"

namespace {

class InjectorActiveWindow : public InjectorFixture {};

constexpr std::uint32_t UP = KEYEVENTF_KEYUP;

} // namespace

TEST_F(InjectorActiveWindow, PausedPressesSendTheirKeyUpOnlyWhenFinished) {
    struct Case {
        const char* name;
        int keyDelay;
        const wchar_t* text; // typed as a character; null: pressed by key code VK_RETURN
        std::vector<std::string> expected;
    };
    const std::string unicodeA = "SendInput 1 {vk=0x00 scan=0x61 flags=0x4}";
    const std::string unicodeI = "SendInput 1 {vk=0x00 scan=0x439 flags=0x4}";
    // clang-format off
    const Case cases[] = {
        {"key by code", 35, nullptr, {Sent(VK_RETURN), "Pause 35", Sent(VK_RETURN, UP)}},
        {"the stored default until set", TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP.nDefault, nullptr,
         {Sent(VK_RETURN), "Pause 10", Sent(VK_RETURN, UP)}},
        {"no pause when negative", -1, nullptr, {Sent(VK_RETURN), Sent(VK_RETURN, UP)}},
        {"letter as Unicode", 20, L"a", {unicodeA, "Pause 20", "SendInput 1 {vk=0x00 scan=0x61 flags=0x6}"}},
        {"non-Latin as its own unit", 20, L"\x0439", {unicodeI, "Pause 20", "SendInput 1 {vk=0x00 scan=0x439 flags=0x6}"}},
    };
    // clang-format on
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
    // The euro sign: no key types it, and the 0xFF that VkKeyScan gives is sent as it is.
    const std::pair<const wchar_t*, const char*> cases[] = {
        {L"a", "0x41 0x1E"}, {L"A", "0x41 0x1E"}, {L"7", "0x37 0x08"}, {L"\x20AC", "0xFF 0x00"}};
    injector.SetKeyDelay(15);
    for (const auto& [text, key] : cases) {
        input.ClearLog();
        EXPECT_TRUE(injector.PressCharacter(text, 0, false, true));
        FinishPress();
        const std::string event = "keybd_event " + std::string(key);
        EXPECT_TRUE(SequenceMatches(input.Log(), {event + " 0x0 0", "Pause 15", event + " 0x2 0"})) << key;
    }
    EXPECT_EQ(input.KeysDown(), NOTHING_DOWN);
}

// Declined, the run presses the entry by its code; into a picked window it always is.
TEST_F(InjectorActiveWindow, CharacterPressDeclinesWhatIsNotAPlainOneUnitEntryOrIsForAPickedWindow) {
    const struct {
        const char* name;
        const wchar_t* text;
        int modifierVk;
        bool hold, picked, oldMethod;
    } cases[] = {
        {"held", L"a", 0, true, false, false},
        {"with a modifier", L"a", VK_CONTROL, false, false, false},
        {"named key", L"F1", 0, false, false, false},
        {"empty letter text", L"", 0, false, false, false},
        {"two units", L"\x0644\x0627", 0, false, false, false},
        {"picked", L"a", 0, false, true, false},
        {"picked, Brute", L"a", 0, false, true, true},
    };
    for (const auto& item : cases) {
        injector.m_pressOptions.bSendToActiveWindow = !item.picked;
        EXPECT_FALSE(injector.PressCharacter(item.text, item.modifierVk, item.hold, item.oldMethod))
            << item.name;
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
    const std::string tabUp = Sent(VK_TAB, UP), shiftDown = Sent(VK_SHIFT), shiftUp = Sent(VK_SHIFT, UP);
    const InputRecord left = CKeyRecordBuilder(input).Record(VK_LEFT, 0);
    const InputRecord leftUp = CKeyRecordBuilder(input).Record(VK_LEFT, UP);
    // clang-format off
    const Row rows[] = {
        {"modified press: the key held its pause inside the modifier", {{VK_CONTROL, VK_F5, false}},
         {VK_CONTROL, VK_F5}, {Sent(VK_CONTROL), Sent(VK_F5), Sent(VK_F5, UP), Sent(VK_CONTROL, UP)}},
        {"modified press without a pause: a down-up pair inside the modifier", {{VK_SHIFT, VK_LEFT, false}},
         NOTHING_DOWN, {shiftDown, "SendInput 2 " + CFakeKeyboardInput::RecordText(left) + " " +
                        CFakeKeyboardInput::RecordText(leftUp), shiftUp}},
        {"held press: key and modifier, once for each press", {{VK_SHIFT, VK_TAB, true}, {VK_SHIFT, VK_TAB, true}},
         {VK_TAB, VK_SHIFT}, {shiftDown, Sent(VK_TAB), shiftDown, Sent(VK_TAB), shiftUp, tabUp}},
        {"held press without modifier: only the key", {{0, VK_SPACE, true}}, {VK_SPACE},
         {Sent(VK_SPACE), Sent(VK_SPACE, UP)}},
    };
    // clang-format on
    for (const Row& row : rows) {
        injector.SetKeyDelay(row.keysDownBeforeRelease == NOTHING_DOWN ? 0 : 20);
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

TEST_F(InjectorActiveWindow, APressThatDiffersFromTheHeldOneLetsItGoFirst) {
    const struct {
        const char* name;
        Press press; // after a held Shift+Tab; no key: the character "a"
        std::vector<std::uint32_t> keysDown;
    } cases[] = {
        {"another key", {VK_SHIFT, VK_F6, true}, {VK_SHIFT, VK_F6}},
        {"another modifier", {VK_CONTROL, VK_TAB, true}, {VK_TAB, VK_CONTROL}},
        {"hold off", {VK_SHIFT, VK_TAB, false}, NOTHING_DOWN},
        {"a character", {0, 0, false}, NOTHING_DOWN},
    };
    for (const auto& item : cases) {
        injector.PressKey(VK_SHIFT, VK_TAB, true);
        input.ClearLog();
        if (item.press.keyVk == 0) {
            EXPECT_TRUE(injector.PressCharacter(L"a", 0, false, false));
            EXPECT_TRUE(SequenceMatches(input.Log(), {Sent(VK_SHIFT, UP), Sent(VK_TAB, UP),
                                                      "SendInput 1 {vk=0x00 scan=0x61 flags=0x4}"}));
        }
        injector.PressKey(item.press.modifierVk, item.press.keyVk, item.press.hold);
        FinishPress();
        EXPECT_EQ(input.KeysDown(), item.keysDown) << item.name;
        injector.ReleaseHeldKeys();
        EXPECT_EQ(input.KeysDown(), NOTHING_DOWN) << item.name;
        EXPECT_TRUE(input.UnicodeUnitsDown().empty()) << item.name;
    }
}
