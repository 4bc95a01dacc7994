// Which top-level windows are main windows of other instances.
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "app/InstanceWindow.h"
#include "fakes/FakeWindows.h"
#include "resource.h"

namespace {

const wchar_t TITLE[] = L"" TAPWELL_APP_TITLE;

struct WindowCase {
    const char* description;
    const wchar_t* title;
    const wchar_t* className;
    bool owned;
    bool enabled;
    bool counts;
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.description;
}

} // namespace

class InstanceWindowRecognition : public ::testing::TestWithParam<WindowCase> {};

TEST_P(InstanceWindowRecognition, CountsOnlyEnabledUnownedWindowsTitledExactly) {
    const WindowCase& c = GetParam();
    FakeWindows windows;
    const WindowHandle owner = windows.AddTopLevelWindow(L"Owner", L"OwnerClass");
    const WindowHandle window = windows.AddTopLevelWindow(c.title, c.className);
    windows.MutableWindow(window).enabled = c.enabled;
    if (c.owned) {
        windows.MutableWindow(window).parent = owner;
    }

    std::wstring text;
    EXPECT_EQ(IsInstanceMainWindow(windows, window, TITLE, text), c.counts) << c.description;
}

INSTANTIATE_TEST_SUITE_P(
    Windows, InstanceWindowRecognition,
    ::testing::Values(
        WindowCase{"another instance's dialog", TITLE, L"#32770", false, true, true},
        WindowCase{"any class with the title", TITLE, L"SomeFrame", false, true, true},
        WindowCase{"owned pop-up", TITLE, L"#32770", true, true, false},
        WindowCase{"disabled behind a modal dialog", TITLE, L"#32770", false, false, false},
        WindowCase{"desktop", TITLE, L"Progman", false, true, false},
        WindowCase{"folder window", TITLE, L"CabinetWClass", false, true, false},
        WindowCase{"taskbar", TITLE, L"Shell_TrayWnd", false, true, false},
        WindowCase{"class differing in case only", TITLE, L"progman", false, true, true},
        WindowCase{"untitled", L"", L"#32770", false, true, false},
        WindowCase{"title in other case", L"tapwell by tovrin", L"#32770", false, true, false},
        WindowCase{"title with a suffix", L"Tapwell by Tovrin - 2", L"#32770", false, true, false},
        WindowCase{"title prefix only", L"Tapwell", L"#32770", false, true, false},
        WindowCase{"title with a trailing blank", L"Tapwell by Tovrin ", L"#32770", false, true, false}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return "Case" + std::to_string(info.index); });

TEST(InstanceWindowRecognition, ATitleIsNotReadOnceAnEarlierTestFailed) {
    FakeWindows windows;
    const WindowHandle window = windows.AddTopLevelWindow(TITLE, L"Progman");
    std::wstring text = L"untouched";

    EXPECT_FALSE(IsInstanceMainWindow(windows, window, TITLE, text));
    EXPECT_EQ(text, L"untouched");
}

TEST(InstanceWindowRecognition, TheTitleReadIsLeftInTheBuffer) {
    FakeWindows windows;
    const WindowHandle window = windows.AddTopLevelWindow(L"Notepad", L"Notepad");
    std::wstring text;

    EXPECT_FALSE(IsInstanceMainWindow(windows, window, TITLE, text));
    EXPECT_EQ(text, L"Notepad");
}

TEST(InstanceWindowRecognition, AnEmptyTitleToLookForMatchesNothing) {
    FakeWindows windows;
    const WindowHandle window = windows.AddTopLevelWindow(L"", L"#32770");
    std::wstring text;

    EXPECT_FALSE(IsInstanceMainWindow(windows, window, L"", text));
}
