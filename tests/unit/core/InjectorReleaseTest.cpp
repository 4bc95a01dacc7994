#include "InjectorFixture.h"

namespace {

constexpr WindowHandle kEdit = 0x2001;
constexpr WindowHandle kStandIn = 0x3000;

class InjectorRelease : public InjectorFixture {
protected:
    void SetUp() override { SelectTarget(); }

    // A held Shift+Left posted into the first Edit of the target.
    void HoldShiftLeftInEdit() {
        input.AddWindow(kEdit, L"Edit", TARGET);
        injector.SetSendToFirstEdit(true);
        injector.PressKey(VK_SHIFT, VK_LEFT, true);
        input.ClearLog();
    }
};

const std::vector<std::uint32_t> kNothingDown;

} // namespace

TEST_F(InjectorRelease, KeyUpsGoToTheWindowThatGotTheKeyDown) {
    HoldShiftLeftInEdit();
    ASSERT_EQ(input.KeysDownIn(kEdit), std::vector<std::uint32_t>{VK_LEFT});
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "AttachThreadInput 100 200 TRUE",
                                                 "PostMessage 0x2001 WM_KEYUP 0x25 0x00000000",
                                                 "PostMessage 0x2001 WM_KEYUP 0x10 0x00000000",
                                                 "AttachThreadInput 100 200 FALSE",
                                             }));
    EXPECT_EQ(input.KeysDownIn(kEdit), kNothingDown);
    EXPECT_EQ(input.FindWindowCalls(), 0);
}

TEST_F(InjectorRelease, KeyWithoutModifierIsReleasedAlone) {
    injector.PressKey(0, VK_F5, true);
    input.ClearLog();
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "AttachThreadInput 100 200 TRUE",
                                                 "PostMessage 0x1234 WM_KEYUP 0x74 0x00000000",
                                                 "AttachThreadInput 100 200 FALSE",
                                             }));
    EXPECT_EQ(input.KeysDownIn(TARGET), kNothingDown);
}

TEST_F(InjectorRelease, GoneWindowIsReplacedByTheOneNamedByClassAndTitle) {
    HoldShiftLeftInEdit();
    input.DestroyWindow(TARGET);
    input.AddWindow(kStandIn, L"TargetClass", 0, L"Target Title", 400);
    injector.SetTargetWindowClass(L"TargetClass");
    injector.SetTargetWindowName(L"Target Title");
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "AttachThreadInput 100 400 TRUE",
                                                 "PostMessage 0x3000 WM_KEYUP 0x25 0x00000000",
                                                 "PostMessage 0x3000 WM_KEYUP 0x10 0x00000000",
                                                 "AttachThreadInput 100 400 FALSE",
                                             }));
}

TEST_F(InjectorRelease, GoneWindowWithoutClassOrTitlePostsNothing) {
    HoldShiftLeftInEdit();
    input.DestroyWindow(TARGET);
    // A top-level window with an empty class and title must not be taken for the target.
    input.AddWindow(kStandIn, L"", 0, L"");
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(input.Log().Empty());
    EXPECT_EQ(input.FindWindowCalls(), 0);
}

TEST_F(InjectorRelease, GoneWindowWithNoMatchPostsNothing) {
    HoldShiftLeftInEdit();
    input.DestroyWindow(TARGET);
    injector.SetTargetWindowClass(L"TargetClass");
    injector.SetTargetWindowName(L"TargetClass");
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(input.Log().Empty());
    EXPECT_EQ(input.FindWindowCalls(), 1);
}

TEST_F(InjectorRelease, HeldPressThatReachedNoWindowReleasesNothing) {
    input.DestroyWindow(TARGET);
    injector.PressKey(VK_SHIFT, VK_LEFT, true);
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(input.Log().Empty());
}

TEST_F(InjectorRelease, SecondReleasePostsNothing) {
    HoldShiftLeftInEdit();
    injector.ReleaseHeldKeys();
    input.ClearLog();
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(input.Log().Empty());
}

TEST_F(InjectorRelease, PlainPressAfterHeldPressLeavesNothingToRelease) {
    injector.PressKey(0, VK_F5, true);
    injector.PressKey(0, VK_F5, false);
    input.ClearLog();
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(input.Log().Empty());
}

TEST_F(InjectorRelease, AHeldPressIntoAnotherWindowLetsTheFirstWindowsKeyGo) {
    injector.PressKey(0, VK_F5, true);
    input.AddWindow(0x2000, L"Other", 0, L"", 300);
    selected.m_hWindow = 0x2000;
    injector.PressKey(VK_CONTROL, VK_F6, true);
    EXPECT_EQ(input.KeysDownIn(TARGET), kNothingDown);
    input.ClearLog();
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(SequenceMatches(input.Log(), {
                                                 "AttachThreadInput 100 300 TRUE",
                                                 "PostMessage 0x2000 WM_KEYUP 0x75 0x00000000",
                                                 "PostMessage 0x2000 WM_KEYUP 0x11 0x00000000",
                                                 "AttachThreadInput 100 300 FALSE",
                                             }));
}
