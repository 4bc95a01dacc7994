// Which top-level windows are main windows of other instances.
#include <string>

#include <gtest/gtest.h>

#include "app/InstanceWindow.h"
#include "fakes/FakeWindowQueries.h"
#include "resource.h"
#include "unit/TableRows.h"

namespace {

const wchar_t TITLE[] = L"" TAPWELL_APP_TITLE;

class InstanceWindowFixture : public ::testing::Test {
protected:
    FakeWindowTree windows;
    FakeWindowQueries queries{windows};
};

struct WindowCase : NamedRow {
    const wchar_t* title;
    const wchar_t* className;
    bool owned;
    bool enabled;
    bool counts;
};
using InstanceWindowRecognition = TableTest<InstanceWindowFixture, WindowCase>;

} // namespace

TEST_P(InstanceWindowRecognition, CountsOnlyEnabledUnownedWindowsTitledExactly) {
    const WindowCase& c = GetParam();
    const WindowHandle owner = windows.AddTopLevelWindow(L"Owner", L"OwnerClass");
    const WindowHandle window = windows.AddTopLevelWindow(c.title, c.className);
    windows.MutableWindow(window).enabled = c.enabled;
    if (c.owned) {
        windows.MutableWindow(window).parent = owner;
    }

    std::wstring text;
    EXPECT_EQ(IsInstanceMainWindow(queries, window, TITLE, text), c.counts);
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
    RowName());

namespace {

// What the caller's buffer holds after a window that is no instance's.
struct TitleReadCase : NamedRow {
    const wchar_t* title;
    const wchar_t* className;
    const wchar_t* lookFor;
    const wchar_t* textBefore;
    const wchar_t* textAfter;
};
using InstanceWindowTitleRead = TableTest<InstanceWindowFixture, TitleReadCase>;

} // namespace

TEST_P(InstanceWindowTitleRead, LeavesWhatWasReadInTheBuffer) {
    const TitleReadCase& c = GetParam();
    const WindowHandle window = windows.AddTopLevelWindow(c.title, c.className);
    std::wstring text = c.textBefore;

    EXPECT_FALSE(IsInstanceMainWindow(queries, window, c.lookFor, text));
    EXPECT_EQ(text, c.textAfter);
}

INSTANTIATE_TEST_SUITE_P(Windows, InstanceWindowTitleRead,
                         ::testing::Values(TitleReadCase{"not read once an earlier test failed", TITLE,
                                                         L"Progman", TITLE, L"untouched", L"untouched"},
                                           TitleReadCase{"the title read stays", L"Notepad", L"Notepad",
                                                         TITLE, L"", L"Notepad"},
                                           TitleReadCase{"an empty title to look for matches nothing", L"",
                                                         L"#32770", L"", L"", L""}),
                         RowName());
