// The single-instance rule at start-up: another instance's window brought up, or the user told
// where to find it; and when the rule applies at all.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AppFixture.h"
#include "fakes/CallLog.h"
#include "ports/Win32Constants.h"
#include "unit/TableRows.h"

using app_test::AppFixture;

namespace {

std::vector<std::string> BringUpCalls(WindowHandle window) {
    return {
        "ShowWindow(" + Hex(window) + ", 5)",
        "SetActiveWindow(" + Hex(window) + ")",
        "SetForegroundWindow(" + Hex(window) + ")",
        "SetFocus(" + Hex(window) + ")",
    };
}

// The other instance holds the mutex; the window the lookup finds by its title is brought up, even a
// folder window that the count would skip.
struct BroughtUpCase : NamedRow {
    const wchar_t* className;
};
using OtherInstanceFound = TableTest<AppFixture, BroughtUpCase>;

} // namespace

TEST_P(OtherInstanceFound, IsBroughtUpAndThisOneEndsWithoutAWindowOrANumber) {
    m_process.SetMutexExists();
    const WindowHandle other = AddOtherWindow(app_test::TITLE, GetParam().className, false);
    m_windows.Log().Clear();

    EXPECT_FALSE(Start());

    EXPECT_TRUE(SequenceMatches(
        m_windows.Log().Select({"ShowWindow", "SetActiveWindow", "SetForegroundWindow", "SetFocus",
                                "CreateDialogFromTemplate", "MessageBox", "EnumWindows"}),
        BringUpCalls(other)));
    EXPECT_TRUE(m_windows.Window(other).visible);
    EXPECT_EQ(MainDialog(), 0u) << "no window of this process may be created";
    EXPECT_TRUE(m_windows.MessageBoxes().empty());
    EXPECT_EQ(g_nInstanceNumber, -1);
    EXPECT_EQ(g_strInstanceSection, L"");
    EXPECT_EQ(App().m_pMainWnd, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Windows, OtherInstanceFound,
                         ::testing::Values(BroughtUpCase{"in the tray", L"#32770"},
                                           BroughtUpCase{"a folder window", L"CabinetWClass"}),
                         RowName());

namespace {

// The other instance holds the mutex, but the only other window is not its main window.
struct NotItsWindowCase : NamedRow {
    const wchar_t* title;
    const wchar_t* className;
};
using OtherInstanceNotFound = TableTest<AppFixture, NotItsWindowCase>;

} // namespace

TEST_P(OtherInstanceNotFound, ShowsWhereToFindItAndEnds) {
    m_process.SetMutexExists();
    AddOtherWindow(GetParam().title, GetParam().className);

    EXPECT_FALSE(Start());

    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    const MessageBoxRecord& box = m_windows.MessageBoxes().front();
    EXPECT_EQ(box.owner, 0u);
    EXPECT_EQ(box.text, app_test::LAUNCH_FROM_TRAY_TEXT);
    EXPECT_EQ(box.caption, app_test::TITLE);
    EXPECT_EQ(box.type, MB_ICONINFORMATION);
    EXPECT_EQ(MainDialog(), 0u);
    EXPECT_EQ(m_windows.Log().Count("ShowWindow"), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, OtherInstanceNotFound,
    ::testing::Values(NotItsWindowCase{"another program's window", L"Untitled - Notepad", L"Notepad"},
                      NotItsWindowCase{"a near-miss title", L"tapwell by tovrin", L"#32770"}),
    RowName());

namespace {

struct InstanceModeCase : NamedRow {
    bool stored;
    std::uint32_t value;
    bool singleInstance;
};
using InstanceModeAtStart = TableTest<AppFixture, InstanceModeCase>;

} // namespace

TEST_P(InstanceModeAtStart, OnlyAStoredZeroLetsASecondInstanceStart) {
    const InstanceModeCase& c = GetParam();
    if (c.stored) {
        StoreUseSingleInstance(c.value);
    }
    m_process.SetMutexExists();
    const WindowHandle other = AddRunningInstance(false);

    const bool started = Start();

    EXPECT_EQ(started, !c.singleInstance);
    EXPECT_EQ(m_windows.Window(other).visible, c.singleInstance);
    EXPECT_EQ(MainDialog() != 0, !c.singleInstance);
    if (!c.singleInstance) {
        EXPECT_EQ(g_nInstanceNumber, 1);
        EXPECT_EQ(g_strInstanceSection, L"Settings 1");
        EXPECT_EQ(m_windows.Log().Count("SetActiveWindow(" + Hex(other)), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(StoredValues, InstanceModeAtStart,
                         ::testing::Values(InstanceModeCase{"missing, default 1", false, 0, true},
                                           InstanceModeCase{"stored 1", true, 1, true},
                                           InstanceModeCase{"stored 2", true, 2, true},
                                           InstanceModeCase{"stored 0xFFFFFFFF", true, 0xFFFFFFFFu, true},
                                           InstanceModeCase{"stored 0", true, 0, false}),
                         RowName());

TEST_F(AppFixture, SingleInstanceModeStillCountsInstancesStartedEarlierInMultipleMode) {
    StoreUseSingleInstance(1);
    AddRunningInstance();

    ASSERT_TRUE(Start());

    EXPECT_EQ(g_nInstanceNumber, 1);
}
