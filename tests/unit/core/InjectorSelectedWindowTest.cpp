#include "InjectorFixture.h"

namespace {

class InjectorSelectedWindow : public InjectorFixture {
protected:
    void SetUp() override { SelectTarget(); }
};

const std::string ATTACH = "AttachThreadInput 1001 1002 TRUE", DETACH = "AttachThreadInput 1001 1002 FALSE";

} // namespace

TEST_F(InjectorSelectedWindow, EachKindOfPressPostsItsMessagesInsideAttachedInput) {
    struct Row {
        const char* name;
        bool sendKeyUps;
        bool sendChars;
        Press press;
        std::vector<std::string> expected;
        std::vector<std::uint32_t> keysDownInTarget;
    };
    const std::string charA = "PostMessage target WM_CHAR 0x41 0x00000000";
    // clang-format off
    const Row rows[] = {
        {"plain key with key-ups: down, pause, up", true, false, {0, VK_LEFT, false},
         {ATTACH, Post("target", "WM_KEYDOWN", VK_LEFT), DETACH, "Pause 10",
          ATTACH, Post("target", "WM_KEYUP", VK_LEFT, PREVIOUS), DETACH}, NOTHING_DOWN},
        {"a right-hand key without key-ups: only the key-down, by its generic code", false, false,
         {0, VK_RCONTROL, false}, {ATTACH, Post("target", "WM_KEYDOWN", VK_RCONTROL), DETACH}, {VK_CONTROL}},
        {"characters: the key code as character", true, true, {0, 0x41, false}, {ATTACH, charA, DETACH}, NOTHING_DOWN},
        {"Alt combination: four system messages but the last, characters or not; Alt reads down meanwhile",
         true, true, {VK_MENU, VK_F4, false},
         {ATTACH, Post("target", "WM_SYSKEYDOWN", VK_MENU, ALT), Post("target", "WM_SYSKEYDOWN", VK_F4, ALT),
          Post("target", "WM_SYSKEYUP", VK_F4, ALT | RELEASED), "Painted with Alt",
          Post("target", "WM_KEYUP", VK_MENU, RELEASED), DETACH}, NOTHING_DOWN},
        {"held press: only the key stays down", false, false, {VK_SHIFT, VK_LEFT, true},
         {ATTACH, Post("target", "WM_KEYDOWN", VK_SHIFT), Post("target", "WM_KEYDOWN", VK_LEFT),
          "Painted with Shift", Post("target", "WM_KEYUP", VK_SHIFT, RELEASED), DETACH}, {VK_LEFT}},
        {"held press without modifier: only the key-down, characters or not", false, true, {0, VK_RETURN, true},
         {ATTACH, Post("target", "WM_KEYDOWN", VK_RETURN), DETACH}, {VK_RETURN}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SelectTarget(); // a window of its own, with nothing down in it
        injector.m_pressOptions.bSendKeyUps = row.sendKeyUps;
        injector.m_pressOptions.bSendChars = row.sendChars;
        injector.PressKey(row.press.modifierVk, row.press.keyVk, row.press.hold);
        FinishPress();
        EXPECT_TRUE(SequenceMatches(input.Log(), Lines(row.expected))) << row.name;
        EXPECT_EQ(input.KeysDownIn(target), row.keysDownInTarget) << row.name;
        EXPECT_TRUE(input.AttachedThreads().empty()) << row.name;
        EXPECT_EQ(input.m_keyState, KeyboardState{}) << row.name; // no modifier left set in the target
        injector.ReleaseHeldKeys();
        input.ClearLog();
    }
}

TEST_F(InjectorSelectedWindow, InputIsAttachedToTheThreadOfTheTarget) {
    selected.m_hWindow =
        windows.AddTopLevelWindow(L"Other", L"Other", {}, FakeWindowTree::OWN_PROCESS_ID + 2, 300);
    injector.PressKey(0, VK_RETURN, false);
    EXPECT_EQ(
        input.Log().Select({"AttachThreadInput"}),
        (std::vector<std::string>{"AttachThreadInput 1001 300 TRUE", "AttachThreadInput 1001 300 FALSE"}));
}

TEST_F(InjectorSelectedWindow, SelectedWindowIsReadAtEveryPress) {
    injector.PressKey(0, VK_RETURN, false);
    selected.m_hWindow = Named("other", windows.AddTopLevelWindow(L"Other", L"Other"));
    injector.PressKey(0, VK_RETURN, false);
    EXPECT_EQ(input.Log().Select({"PostMessage"}),
              Lines({Post("target", "WM_KEYDOWN", VK_RETURN), Post("other", "WM_KEYDOWN", VK_RETURN)}));
}

TEST_F(InjectorSelectedWindow, StaleOrMissingHandlePostsNothing) {
    windows.DestroyWindow(target);
    injector.PressKey(VK_MENU, VK_F4, false);
    injector.PressKey(0, VK_LEFT, true);
    selected.m_hWindow = 0;
    injector.PressKey(0, VK_LEFT, false);
    EXPECT_TRUE(input.Log().Empty());
}

TEST_F(InjectorSelectedWindow, TheFirstEditDescendantGetsTheKeysWhenAsked) {
    constexpr int TARGET = -1;
    constexpr int DESKTOP = -2;
    struct Window {
        const wchar_t* className;
        int parent; // an earlier window of the row, TARGET, or DESKTOP for a top-level window
    };
    struct Row {
        const char* name;
        std::vector<Window> windows;
        bool sendToFirstEdit;
        int receiver; // the window of the row that gets the keys, or TARGET
    };
    // clang-format off
    const Row rows[] = {
        {"depth first and in any case: the Edit in the group before the later sibling Edit",
         {{L"RichEdit20W", TARGET}, {L"Button", TARGET}, {L"EDIT", 1}, {L"Edit", TARGET}}, true, 2},
        {"no plain Edit: the first rich edit control",
         {{L"Button", TARGET}, {L"RICHEDITD2DPT", 0}, {L"RichEdit50W", TARGET}}, true, 1},
        {"a combo box's field is no Edit: the rich edit control",
         {{L"RichEdit20W", TARGET}, {L"ComboBoxEx32", TARGET}, {L"ComboBox", 1}, {L"Edit", 2}}, true, 0},
        {"no Edit inside: the window itself, an Edit elsewhere does not count",
         {{L"Button", TARGET}, {L"Edit", DESKTOP}}, true, TARGET},
        {"not asked: the window itself", {{L"Edit", TARGET}}, false, TARGET},
    };
    // clang-format on
    for (const Row& row : rows) {
        SelectTarget();
        std::vector<WindowHandle> made;
        for (const Window& window : row.windows) {
            made.push_back(
                window.parent == DESKTOP
                    ? windows.AddTopLevelWindow(L"", window.className)
                    : windows.AddChildWindow(window.parent == TARGET ? target : made[window.parent],
                                             window.className, 1));
        }
        injector.m_pressOptions.bSendToFirstEdit = row.sendToFirstEdit;
        input.ClearLog();
        injector.PressKey(0, VK_RETURN, false);
        const WindowHandle receiver = row.receiver == TARGET ? target : made[row.receiver];
        EXPECT_EQ(input.Log().Select({"PostMessage"}),
                  std::vector<std::string>{Post(Hex(receiver), "WM_KEYDOWN", VK_RETURN)})
            << row.name;
    }
}

TEST_F(InjectorSelectedWindow, EditSearchStartsAfreshAtEveryPress) {
    const WindowHandle edit = Named("edit", windows.AddChildWindow(target, L"Edit", 1));
    injector.m_pressOptions.bSendToFirstEdit = true;
    injector.PressKey(0, VK_RETURN, false);
    windows.DestroyWindow(edit);
    injector.PressKey(0, VK_RETURN, false);
    EXPECT_EQ(input.Log().Select({"PostMessage"}),
              Lines({Post("edit", "WM_KEYDOWN", VK_RETURN), Post("target", "WM_KEYDOWN", VK_RETURN)}));
}

// The fake clock moves only while the press waits, so the time a press took is how long it held Ctrl.
TEST_F(InjectorSelectedWindow, CtrlIsHeldUntilTheTargetHasHandledThePressByTheClockAndNoLonger) {
    constexpr Microseconds NEVER = 1000000000;
    struct Row {
        const char* name;
        Microseconds paintsAt;
        bool hung;
        bool minimised;
        Microseconds heldMin, heldMax;
    };
    const Row rows[] = {
        {"answers at once, seen at the first look", 0, false, false, 0, CTargetWait::LOOK_STEP},
        {"answers after 0.8 ms, while the wait yields", 800, false, false, 800, 800},
        {"answers after 9 ms, caught within a step", 9000, false, false, 9000, 9000 + CTargetWait::POLL_STEP},
        {"never answers: the limit", NEVER, false, false, CTargetWait::WAIT_LIMIT, CTargetWait::WAIT_LIMIT},
        {"hung: a fixed hold", NEVER, true, false, CTargetWait::UNSEEN_HOLD, CTargetWait::UNSEEN_HOLD},
        {"minimised: a fixed hold", NEVER, false, true, CTargetWait::UNSEEN_HOLD, CTargetWait::UNSEEN_HOLD},
    };
    for (const Row& row : rows) {
        // A second on, so that what the system says of the target is asked again.
        const Microseconds start = input.m_nNow += CTargetWait::TARGET_RECHECK;
        input.m_nPaintsAt = start + row.paintsAt;
        input.m_bTargetHung = row.hung;
        windows.SetIconic(target, row.minimised);
        input.ClearLog();
        injector.PressKey(VK_CONTROL, VK_F5, false);
        EXPECT_GE(input.m_nNow - start, row.heldMin) << row.name;
        EXPECT_LE(input.m_nNow - start, row.heldMax) << row.name;
        // A hung thread is not attached to.
        EXPECT_EQ(input.Log().Count("AttachThreadInput") == 0, row.hung) << row.name;
        EXPECT_EQ(input.m_keyState, KeyboardState{}) << row.name;
        EXPECT_EQ(input.KeysDownIn(target), NOTHING_DOWN) << row.name;
    }
}
