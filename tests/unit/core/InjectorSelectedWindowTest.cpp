#include "InjectorFixture.h"

namespace {

class InjectorSelectedWindow : public InjectorFixture {
protected:
    void SetUp() override { SelectTarget(); }
};

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
    const Row rows[] = {
        {"plain key with key-ups: down, pause, up",
         true,
         false,
         {0, VK_LEFT, false},
         {
             "AttachThreadInput 1001 1002 TRUE",
             "PostMessage target WM_KEYDOWN 0x25 0x014B0001",
             "AttachThreadInput 1001 1002 FALSE",
             "Pause 10",
             "AttachThreadInput 1001 1002 TRUE",
             "PostMessage target WM_KEYUP 0x25 0x414B0001",
             "AttachThreadInput 1001 1002 FALSE",
         },
         NOTHING_DOWN},
        {"plain key without key-ups: only the key-down",
         false,
         false,
         {0, VK_LEFT, false},
         {
             "AttachThreadInput 1001 1002 TRUE",
             "PostMessage target WM_KEYDOWN 0x25 0x014B0001",
             "AttachThreadInput 1001 1002 FALSE",
         },
         {VK_LEFT}},
        {"characters: the key code as character",
         true,
         true,
         {0, 0x41, false},
         {
             "AttachThreadInput 1001 1002 TRUE",
             "PostMessage target WM_CHAR 0x41 0x00000000",
             "AttachThreadInput 1001 1002 FALSE",
         },
         NOTHING_DOWN},
        {"Alt combination: four system messages but the last, characters or not; Alt reads down meanwhile",
         true,
         true,
         {VK_MENU, VK_F4, false},
         {
             "AttachThreadInput 1001 1002 TRUE",
             "PostMessage target WM_SYSKEYDOWN 0x12 0x20380001",
             "PostMessage target WM_SYSKEYDOWN 0x73 0x203E0001",
             "PostMessage target WM_SYSKEYUP 0x73 0xE03E0001",
             "Painted with Alt",
             "PostMessage target WM_KEYUP 0x12 0xC0380001",
             "AttachThreadInput 1001 1002 FALSE",
         },
         NOTHING_DOWN},
        {"held press: only the key stays down",
         false,
         false,
         {VK_SHIFT, VK_LEFT, true},
         {
             "AttachThreadInput 1001 1002 TRUE",
             "PostMessage target WM_KEYDOWN 0x10 0x002A0001",
             "PostMessage target WM_KEYDOWN 0x25 0x014B0001",
             "Painted with Shift",
             "PostMessage target WM_KEYUP 0x10 0xC02A0001",
             "AttachThreadInput 1001 1002 FALSE",
         },
         {VK_LEFT}},
        {"held press without modifier: only the key-down, characters or not",
         false,
         true,
         {0, VK_RETURN, true},
         {
             "AttachThreadInput 1001 1002 TRUE",
             "PostMessage target WM_KEYDOWN 0x0D 0x001C0001",
             "AttachThreadInput 1001 1002 FALSE",
         },
         {VK_RETURN}},
    };
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

TEST_F(InjectorSelectedWindow, MessagesCarryTheKeyboardsScanCodeExtendedBitAndGenericModifier) {
    struct Case {
        std::uint32_t vk;
        const char* down; // wParam and lParam of the key-down; the key-up adds the previous state
    };
    const Case cases[] = {
        {VK_RCONTROL, "0x11 0x011D0001"}, {VK_PRIOR, "0x21 0x01490001"},  {VK_SNAPSHOT, "0x2C 0x01370001"},
        {VK_DIVIDE, "0x6F 0x01350001"},   {VK_RETURN, "0x0D 0x001C0001"}, {VK_LSHIFT, "0x10 0x002A0001"},
    };
    injector.m_pressOptions.bSendKeyUps = true;
    for (const Case& item : cases) {
        input.ClearLog();
        injector.PressKey(0, static_cast<int>(item.vk), false);
        FinishPress();
        const std::string up = std::string(item.down).replace(7, 1, "4");
        EXPECT_EQ(input.Log().Select({"PostMessage"}),
                  Lines({"PostMessage target WM_KEYDOWN " + std::string(item.down),
                         "PostMessage target WM_KEYUP " + up}))
            << "key " << Hex(item.vk, 2);
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
    const WindowHandle other = Named("other", windows.AddTopLevelWindow(L"Other", L"Other"));
    selected.m_hWindow = other;
    injector.PressKey(0, VK_RETURN, false);
    EXPECT_EQ(input.Log().Select({"PostMessage"}), Lines({
                                                       "PostMessage target WM_KEYDOWN 0x0D 0x001C0001",
                                                       "PostMessage other WM_KEYDOWN 0x0D 0x001C0001",
                                                   }));
}

TEST_F(InjectorSelectedWindow, StaleOrMissingHandlePostsNothing) {
    windows.DestroyWindow(target);
    injector.PressKey(VK_MENU, VK_F4, false);
    injector.PressKey(0, VK_LEFT, true);
    selected.m_hWindow = 0;
    injector.PressKey(0, VK_LEFT, false);
    EXPECT_TRUE(input.Log().Empty());
}

TEST_F(InjectorSelectedWindow, CharacterPressNeverHappens) {
    // The run offers the entry's text first; in this mode it is always pressed by its code.
    const struct {
        const wchar_t* text;
        bool useOldMethod;
        bool sendChars;
    } rows[] = {{L"a", false, false}, {L"a", true, false}, {L"\x0444", false, true}};
    for (const auto& row : rows) {
        injector.m_pressOptions.bSendChars = row.sendChars;
        EXPECT_FALSE(injector.PressCharacter(row.text, 0, false, row.useOldMethod)) << Narrow(row.text);
    }
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
    const Row rows[] = {
        {"depth first and in any case: the Edit in the group before the later sibling Edit",
         {{L"RichEdit20W", TARGET}, {L"Button", TARGET}, {L"EDIT", 1}, {L"Edit", TARGET}},
         true,
         2},
        {"no plain Edit: the first rich edit control",
         {{L"Button", TARGET}, {L"RICHEDITD2DPT", 0}, {L"RichEdit50W", TARGET}},
         true,
         1},
        {"a combo box's field is no Edit: the rich edit control",
         {{L"RichEdit20W", TARGET}, {L"ComboBoxEx32", TARGET}, {L"ComboBox", 1}, {L"Edit", 2}},
         true,
         0},
        {"no Edit inside: the window itself, an Edit elsewhere does not count",
         {{L"Button", TARGET}, {L"Edit", DESKTOP}},
         true,
         TARGET},
        {"not asked: the window itself", {{L"Edit", TARGET}}, false, TARGET},
    };
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
                  std::vector<std::string>{"PostMessage " + Hex(receiver) + " WM_KEYDOWN 0x0D 0x001C0001"})
            << row.name;
    }
}

TEST_F(InjectorSelectedWindow, EditSearchStartsAfreshAtEveryPress) {
    const WindowHandle edit = Named("edit", windows.AddChildWindow(target, L"Edit", 1));
    injector.m_pressOptions.bSendToFirstEdit = true;
    injector.PressKey(0, VK_RETURN, false);
    windows.DestroyWindow(edit);
    injector.PressKey(0, VK_RETURN, false);
    EXPECT_EQ(input.Log().Select({"PostMessage"}), Lines({
                                                       "PostMessage edit WM_KEYDOWN 0x0D 0x001C0001",
                                                       "PostMessage target WM_KEYDOWN 0x0D 0x001C0001",
                                                   }));
}

TEST_F(InjectorSelectedWindow, NoInputIsInjected) {
    injector.m_pressOptions.bSendKeyUps = true;
    injector.PressKey(VK_CONTROL, VK_F5, false);
    injector.PressKey(0, VK_F5, false);
    injector.PressKey(0, VK_F5, true);
    EXPECT_EQ(input.Log().Count("SendInput"), 0u);
    EXPECT_EQ(input.Log().Count("keybd_event"), 0u);
    EXPECT_EQ(input.KeysDown(), NOTHING_DOWN);
}
