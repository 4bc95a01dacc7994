#include "InjectorFixture.h"

namespace {

class InjectorSelectedWindow : public InjectorFixture {
protected:
    void SetUp() override { SelectTarget(); }
};

const std::vector<std::uint32_t> kNothingDown;

} // namespace

TEST_F(InjectorSelectedWindow, PlainKeyWithKeyUpsPostsDownPauseUpEachInsideAttachedInput) {
    injector.m_bSendKeyUps = true;
    injector.PressKey(0, VK_LEFT, false);
    FinishPress();
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "AttachThreadInput 100 200 TRUE",
                                                 "PostMessage 0x1234 WM_KEYDOWN 0x25 0x014B0001",
                                                 "AttachThreadInput 100 200 FALSE",
                                                 "Pause 20",
                                                 "AttachThreadInput 100 200 TRUE",
                                                 "PostMessage 0x1234 WM_KEYUP 0x25 0x414B0001",
                                                 "AttachThreadInput 100 200 FALSE",
                                             }));
    EXPECT_EQ(input.KeysDownIn(TARGET), kNothingDown);
    EXPECT_TRUE(input.AttachedThreads().empty());
}

TEST_F(InjectorSelectedWindow, PlainKeyWithoutKeyUpsPostsOnlyTheKeyDown) {
    injector.PressKey(0, VK_LEFT, false);
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "AttachThreadInput 100 200 TRUE",
                                                 "PostMessage 0x1234 WM_KEYDOWN 0x25 0x014B0001",
                                                 "AttachThreadInput 100 200 FALSE",
                                             }));
}

TEST_F(InjectorSelectedWindow, ExtendedBitIsSetForTwelveKeysOnly) {
    struct Case {
        std::uint32_t vk;
        bool extended;
    };
    const Case cases[] = {
        {VK_END, true},     {VK_HOME, true},      {VK_LEFT, true},      {VK_UP, true},
        {VK_RIGHT, true},   {VK_DOWN, true},      {VK_PRINT, true},     {VK_INSERT, true},
        {VK_DELETE, true},  {VK_NUMLOCK, true},   {VK_RCONTROL, true},  {VK_RMENU, true},
        {VK_PRIOR, false},  {VK_NEXT, false},     {VK_SNAPSHOT, false}, {VK_DIVIDE, false},
        {VK_RETURN, false}, {VK_LCONTROL, false}, {VK_LMENU, false},    {0x41, false},
    };
    injector.m_bSendKeyUps = true;
    for (const Case& item : cases) {
        const std::uint32_t scan = 0x20;
        input.SetScanCode(item.vk, scan);
        input.ClearLog();
        injector.PressKey(0, static_cast<int>(item.vk), false);
        FinishPress();
        const std::uint32_t down = 0x00000001 | scan << 16 | (item.extended ? 1u << 24 : 0);
        EXPECT_EQ(input.Log().Select({"PostMessage"}),
                  (std::vector<std::string>{
                      "PostMessage 0x1234 WM_KEYDOWN " + Hex(item.vk, 2) + " " + Hex(down, 8),
                      "PostMessage 0x1234 WM_KEYUP " + Hex(item.vk, 2) + " " + Hex(down | 1u << 30, 8),
                  }))
            << "key " << Hex(item.vk, 2);
    }
}

TEST_F(InjectorSelectedWindow, OnlyTheLowByteOfTheScanCodeIsPosted) {
    input.SetScanCode(VK_PAUSE, 0xE11D);
    injector.m_bSendKeyUps = true;
    injector.PressKey(0, VK_PAUSE, false);
    injector.PressKey(VK_CONTROL, VK_PAUSE, false);
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "AttachThreadInput * * TRUE",
                                                 "PostMessage 0x1234 WM_KEYDOWN 0x13 0x001D0001",
                                                 "AttachThreadInput * * FALSE",
                                                 "AttachThreadInput * * TRUE",
                                                 "PostMessage 0x1234 WM_KEYUP 0x13 0x401D0001",
                                                 "AttachThreadInput * * FALSE",
                                                 "AttachThreadInput * * TRUE",
                                                 "PostMessage 0x1234 WM_KEYDOWN 0x11 *",
                                                 "PostMessage 0x1234 WM_KEYDOWN 0x13 0x001D0001",
                                                 "PostMessage 0x1234 WM_KEYUP 0x13 0xC01D0001",
                                                 "PostMessage 0x1234 WM_KEYUP 0x11 *",
                                                 "AttachThreadInput * * FALSE",
                                             }));
}

TEST_F(InjectorSelectedWindow, SendCharsPostsTheKeyCodeAsCharacter) {
    injector.m_bSendChars = true;
    injector.m_bSendKeyUps = true;
    // The run offers the entry's text first; in this mode it is always pressed by its code.
    EXPECT_FALSE(injector.PressCharacter(L"\x0444", 0, false, false));
    injector.PressKey(0, 0x41, false);
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "AttachThreadInput 100 200 TRUE",
                                                 "PostMessage 0x1234 WM_CHAR 0x41 0x00000000",
                                                 "AttachThreadInput 100 200 FALSE",
                                             }));
}

TEST_F(InjectorSelectedWindow, ModifiedPressPostsFourMessagesInOrder) {
    injector.m_bSendKeyUps = true;
    injector.m_bSendChars = true;
    injector.PressKey(VK_MENU, VK_F4, false);
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "AttachThreadInput 100 200 TRUE",
                                                 "PostMessage 0x1234 WM_KEYDOWN 0x12 0x00000000",
                                                 "PostMessage 0x1234 WM_KEYDOWN 0x73 0x003E0001",
                                                 "PostMessage 0x1234 WM_KEYUP 0x73 0xC03E0001",
                                                 "PostMessage 0x1234 WM_KEYUP 0x12 0x00000000",
                                                 "AttachThreadInput 100 200 FALSE",
                                             }));
    EXPECT_EQ(input.KeysDownIn(TARGET), kNothingDown);
}

TEST_F(InjectorSelectedWindow, HeldPressLeavesOnlyTheKeyDown) {
    injector.PressKey(VK_SHIFT, VK_LEFT, true);
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "AttachThreadInput 100 200 TRUE",
                                                 "PostMessage 0x1234 WM_KEYDOWN 0x10 0x00000000",
                                                 "PostMessage 0x1234 WM_KEYDOWN 0x25 0x004B0001",
                                                 "PostMessage 0x1234 WM_KEYUP 0x10 0x00000000",
                                                 "AttachThreadInput 100 200 FALSE",
                                             }));
    EXPECT_EQ(input.KeysDownIn(TARGET), std::vector<std::uint32_t>{VK_LEFT});
}

TEST_F(InjectorSelectedWindow, HeldPressWithoutModifierPostsOnlyTheKeyDown) {
    injector.m_bSendChars = true;
    injector.PressKey(0, VK_RETURN, true);
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "AttachThreadInput 100 200 TRUE",
                                                 "PostMessage 0x1234 WM_KEYDOWN 0x0D 0x001C0001",
                                                 "AttachThreadInput 100 200 FALSE",
                                             }));
}

TEST_F(InjectorSelectedWindow, InputIsAttachedToTheThreadOfTheTarget) {
    input.AddWindow(0x2000, L"Other", 0, L"", 300);
    selected.m_hWindow = 0x2000;
    injector.PressKey(0, VK_RETURN, false);
    EXPECT_EQ(
        input.Log().Select({"AttachThreadInput"}),
        (std::vector<std::string>{"AttachThreadInput 100 300 TRUE", "AttachThreadInput 100 300 FALSE"}));
}

TEST_F(InjectorSelectedWindow, SelectedWindowIsReadAtEveryPress) {
    injector.PressKey(0, VK_RETURN, false);
    input.AddWindow(0x2000, L"Other");
    selected.m_hWindow = 0x2000;
    injector.PressKey(0, VK_RETURN, false);
    EXPECT_EQ(input.Log().Select({"PostMessage"}), (std::vector<std::string>{
                                                       "PostMessage 0x1234 WM_KEYDOWN 0x0D 0x001C0001",
                                                       "PostMessage 0x2000 WM_KEYDOWN 0x0D 0x001C0001",
                                                   }));
}

TEST_F(InjectorSelectedWindow, StaleOrMissingHandlePostsNothing) {
    input.DestroyWindow(TARGET);
    injector.PressKey(VK_MENU, VK_F4, false);
    injector.PressKey(0, VK_LEFT, true);
    selected.m_hWindow = 0;
    injector.PressKey(0, VK_LEFT, false);
    EXPECT_TRUE(input.Log().Empty());
}

TEST_F(InjectorSelectedWindow, CharacterPressNeverHappens) {
    EXPECT_FALSE(injector.PressCharacter(L"a", 0, false, false));
    EXPECT_FALSE(injector.PressCharacter(L"a", 0, false, true));
    EXPECT_TRUE(input.Log().Empty());
}

TEST_F(InjectorSelectedWindow, FirstEditDescendantGetsTheKeys) {
    // Depth first: the Edit inside the group comes before the later sibling Edit.
    input.AddWindow(0x2001, L"RichEdit20W", TARGET);
    input.AddWindow(0x2002, L"Button", TARGET);
    input.AddWindow(0x2003, L"EDIT", 0x2002);
    input.AddWindow(0x2004, L"Edit", TARGET);
    injector.SetSendToFirstEdit(true);
    injector.PressKey(0, VK_RETURN, false);
    EXPECT_EQ(input.Log().Select({"PostMessage"}),
              std::vector<std::string>{"PostMessage 0x2003 WM_KEYDOWN 0x0D 0x001C0001"});
    EXPECT_EQ(input.LastClassNameLimit(), 254);
}

TEST_F(InjectorSelectedWindow, WindowWithoutEditGetsTheKeysItself) {
    input.AddWindow(0x2001, L"Button", TARGET);
    input.AddWindow(0x2002, L"Edit", 0); // an Edit elsewhere does not count
    injector.SetSendToFirstEdit(true);
    injector.PressKey(0, VK_RETURN, false);
    EXPECT_EQ(input.Log().Select({"PostMessage"}),
              std::vector<std::string>{"PostMessage 0x1234 WM_KEYDOWN 0x0D 0x001C0001"});
}

TEST_F(InjectorSelectedWindow, EditIsIgnoredUnlessAsked) {
    input.AddWindow(0x2001, L"Edit", TARGET);
    injector.PressKey(0, VK_RETURN, false);
    EXPECT_EQ(input.Log().Select({"PostMessage"}),
              std::vector<std::string>{"PostMessage 0x1234 WM_KEYDOWN 0x0D 0x001C0001"});
}

TEST_F(InjectorSelectedWindow, EditSearchStartsAfreshAtEveryPress) {
    input.AddWindow(0x2001, L"Edit", TARGET);
    injector.SetSendToFirstEdit(true);
    injector.PressKey(0, VK_RETURN, false);
    input.DestroyWindow(0x2001);
    injector.PressKey(0, VK_RETURN, false);
    EXPECT_EQ(input.Log().Select({"PostMessage"}), (std::vector<std::string>{
                                                       "PostMessage 0x2001 WM_KEYDOWN 0x0D 0x001C0001",
                                                       "PostMessage 0x1234 WM_KEYDOWN 0x0D 0x001C0001",
                                                   }));
}

TEST_F(InjectorSelectedWindow, NoInputIsInjected) {
    injector.m_bSendKeyUps = true;
    injector.PressKey(VK_CONTROL, VK_F5, false);
    injector.PressKey(0, VK_F5, false);
    injector.PressKey(0, VK_F5, true);
    EXPECT_EQ(input.Log().Count("SendInput"), 0u);
    EXPECT_EQ(input.Log().Count("keybd_event"), 0u);
    EXPECT_EQ(input.KeysDown(), kNothingDown);
}
