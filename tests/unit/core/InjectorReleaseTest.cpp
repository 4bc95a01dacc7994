#include <functional>

#include "InjectorFixture.h"

namespace {

class InjectorRelease : public InjectorFixture {
protected:
    void SetUp() override { SelectTarget(); }

    // A held Shift+Left posted into the first Edit of the target.
    WindowHandle HoldShiftLeftInEdit() {
        const WindowHandle edit = Named("edit", windows.AddChildWindow(target, L"Edit", 1));
        injector.m_pressOptions.bSendToFirstEdit = true;
        injector.PressKey(VK_SHIFT, VK_LEFT, true);
        input.ClearLog();
        return edit;
    }
};

} // namespace

TEST_F(InjectorRelease, AHeldPressGoesUpInItsWindowOrInTheOneNamedByClassAndTitle) {
    struct StandIn {
        const wchar_t* className;
        const wchar_t* title;
    };
    struct Row {
        const char* name;
        bool targetGone;
        std::vector<StandIn> standIns; // top-level windows of thread 400
        const wchar_t* targetClass;
        const wchar_t* targetTitle;
        std::vector<std::string> expected;
    };
    const std::vector<std::string> upInStandIn = {
        "AttachThreadInput 1001 400 TRUE", Post("standIn", "WM_KEYUP", VK_LEFT, RELEASED),
        Post("standIn", "WM_KEYUP", VK_SHIFT, RELEASED), "AttachThreadInput 1001 400 FALSE"};
    // clang-format off
    const Row rows[] = {
        {"the window that got the key-down, though another matches", false, {{L"TargetClass", L"Target Title"}},
         L"TargetClass", L"Target Title",
         {"AttachThreadInput 1001 1002 TRUE", Post("edit", "WM_KEYUP", VK_LEFT, RELEASED),
          Post("edit", "WM_KEYUP", VK_SHIFT, RELEASED), "AttachThreadInput 1001 1002 FALSE"}},
        {"gone: the window of that class and title", true,
         {{L"TargetClass", L"Other Title"}, {L"TargetClass", L"Target Title"}}, L"TargetClass", L"Target Title", upInStandIn},
        {"gone, an empty title: a window whose title is empty", true, {{L"TargetClass", L""}}, L"TargetClass", L"", upInStandIn},
        {"gone, an empty title: not a window with a title", true, {{L"TargetClass", L"Target Title"}}, L"TargetClass", L"", {}},
        // A top-level window with an empty class and title must not be taken for the target.
        {"gone, neither class nor title known: nothing", true, {{L"", L""}}, L"", L"", {}},
        {"gone, and nothing matches: nothing", true, {}, L"TargetClass", L"TargetClass", {}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SelectTarget();
        const WindowHandle edit = HoldShiftLeftInEdit();
        ASSERT_EQ(input.KeysDownIn(edit), std::vector<std::uint32_t>{VK_LEFT}) << row.name;
        if (row.targetGone) {
            windows.DestroyWindow(target);
        }
        std::vector<WindowHandle> standIns;
        for (const StandIn& standIn : row.standIns) {
            standIns.push_back(
                Named("standIn", windows.AddTopLevelWindow(standIn.title, standIn.className, {},
                                                           FakeWindowTree::OWN_PROCESS_ID + 2, 400)));
        }
        injector.m_pressOptions.strTargetClass = row.targetClass;
        injector.m_pressOptions.strTargetName = row.targetTitle;
        injector.ReleaseHeldKeys();
        EXPECT_TRUE(SequenceMatches(input.Log(), Lines(row.expected))) << row.name;
        if (!row.targetGone) {
            EXPECT_EQ(input.KeysDownIn(edit), NOTHING_DOWN) << row.name;
        }
        for (WindowHandle standIn : standIns) {
            windows.DestroyWindow(standIn);
        }
        input.ClearLog();
    }
}

TEST_F(InjectorRelease, NothingIsLeftToReleaseAfter) {
    const auto focused = [&] { injector.m_pressOptions.bSendToActiveWindow = true; };
    const struct {
        const char* name;
        std::function<void()> before;
    } rows[] = {
        // clang-format off
        {"no held press", [] {}},
        {"a plain press after a held one, in the focused window",
         [&] { focused(); injector.PressKey(0, VK_SPACE, true); injector.PressKey(0, VK_SPACE, false); FinishPress(); }},
        {"a release, in the focused window", [&] { focused(); injector.PressKey(VK_SHIFT, VK_TAB, true); injector.ReleaseHeldKeys(); }},
        {"a held press that reached no window", [&] { windows.DestroyWindow(target); injector.PressKey(VK_SHIFT, VK_LEFT, true); }},
        {"a release of a posted press", [&] { HoldShiftLeftInEdit(); injector.ReleaseHeldKeys(); }},
        {"a plain press after a held one, posted", [&] { injector.PressKey(0, VK_F5, true); injector.PressKey(0, VK_F5, false); }},
        // clang-format on
    };
    for (const auto& row : rows) {
        SelectTarget();
        row.before();
        input.ClearLog();
        injector.ReleaseHeldKeys();
        EXPECT_TRUE(input.Log().Empty()) << row.name;
        EXPECT_EQ(input.KeysDown(), NOTHING_DOWN) << row.name;
    }
}

// The first window's key goes up alone, without a modifier's key-up.
TEST_F(InjectorRelease, AHeldPressIntoAnotherWindowLetsTheFirstWindowsKeyGo) {
    injector.PressKey(0, VK_F5, true);
    selected.m_hWindow = Named(
        "other", windows.AddTopLevelWindow(L"Other", L"Other", {}, FakeWindowTree::OWN_PROCESS_ID + 2, 300));
    input.ClearLog();
    injector.PressKey(VK_CONTROL, VK_F6, true);
    EXPECT_EQ(input.KeysDownIn(target), NOTHING_DOWN);
    EXPECT_EQ(std::vector<std::string>(input.Log().Entries().begin(), input.Log().Entries().begin() + 4),
              Lines({"AttachThreadInput 1001 1002 TRUE", Post("target", "WM_KEYUP", VK_F5, RELEASED),
                     "AttachThreadInput 1001 1002 FALSE", "AttachThreadInput 1001 300 TRUE"}));
    input.ClearLog();
    injector.ReleaseHeldKeys();
    EXPECT_TRUE(SequenceMatches(
        input.Log(),
        Lines({"AttachThreadInput 1001 300 TRUE", Post("other", "WM_KEYUP", VK_F6, RELEASED),
               Post("other", "WM_KEYUP", VK_CONTROL, RELEASED), "AttachThreadInput 1001 300 FALSE"})));
}

TEST_F(InjectorRelease, ARefusedKeyUpIsTriedAgainAtTheNextDeadline) {
    const struct {
        const char* name;
        bool activeWindow;
        std::function<void()> press; // made while the system takes key-downs, refused key-ups after
        std::function<void()> retry;
    } rows[] = {
        {"the key-up after a pause, at the next press", true, [&] { injector.PressKey(0, VK_RETURN, false); },
         [&] { injector.PressKey(0, VK_SPACE, false); }},
        {"a held combination, at the next stop", true, [&] { injector.PressKey(VK_SHIFT, VK_TAB, true); },
         [&] { injector.ReleaseHeldKeys(); }},
        {"a posted held key, at the end of the next press", false, [&] { injector.PressKey(0, VK_F5, true); },
         [&] { injector.FinishPress(); }},
    };
    for (const auto& row : rows) {
        SelectTarget();
        injector.m_pressOptions.bSendToActiveWindow = row.activeWindow;
        row.press();
        input.Refuse(true);
        injector.ReleaseHeldKeys();
        row.retry(); // refused a second time: still kept
        input.Refuse(false);
        ASSERT_NE(input.KeysDown().size() + input.KeysDownIn(target).size(), 0u) << row.name;
        row.retry();
        FinishPress();
        EXPECT_EQ(input.KeysDown(), NOTHING_DOWN) << row.name;
        EXPECT_EQ(input.KeysDownIn(target), NOTHING_DOWN) << row.name;
    }
}
