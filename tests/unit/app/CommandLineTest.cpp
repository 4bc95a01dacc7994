// The ":silent" switch: a case-sensitive substring of the arguments, and the main dialog that it
// keeps hidden at start-up.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AppFixture.h"
#include "app/CommandLine.h"
#include "fakes/CallLog.h"
#include "unit/TableRows.h"

using app_test::AppFixture;

namespace {

struct SilentCase : NamedRow {
    const wchar_t* arguments;
    bool silent;
};

const SilentCase ARGUMENTS[] = {
    {"none", L"", false},
    {"alone", L":silent", true},
    {"between blanks", L"  :silent  ", true},
    {"after another switch", L"/x :silent", true},
    {"after other text", L"/other :silent", true},
    {"glued to another switch", L"-debug:silent", true},
    {"with a suffix", L":silently", true},
    {"within other text", L"x:silenty", true},
    {"quoted", L"\":silent\"", true},
    {"upper case", L":SILENT", false},
    {"capitalised", L":Silent", false},
    {"with a slash", L"/silent", false},
    {"with a dash", L"-silent", false},
    {"without the colon", L"silent", false},
    {"with a blank after the colon", L": silent", false},
    {"cut short", L":silen", false},
};

using SilentStart = TableTest<::testing::Test, SilentCase>;
using StartupCommandLine = TableTest<AppFixture, SilentCase>;

} // namespace

TEST_P(SilentStart, FollowsTheSwitchAnywhereInTheArguments) {
    EXPECT_EQ(IsSilentStart(GetParam().arguments), GetParam().silent);
}

TEST_P(StartupCommandLine, SilentKeepsTheMainDialogHiddenButAlive) {
    ASSERT_TRUE(Start(GetParam().arguments));
    const WindowHandle dialog = MainDialog();
    ASSERT_NE(dialog, 0u);

    EXPECT_TRUE(m_windows.IsWindow(dialog));
    EXPECT_EQ(m_windows.Window(dialog).visible, !GetParam().silent);
    const std::vector<std::string> bringUp =
        CallsOn(dialog, {"ShowWindow", "SetFocus", "SetForegroundWindow"});
    EXPECT_EQ(bringUp.size(), GetParam().silent ? 0u : 3u);
    EXPECT_EQ(m_windows.Window(dialog).text, app_test::TITLE) << "other instances must find it either way";
}

INSTANTIATE_TEST_SUITE_P(Arguments, SilentStart, ::testing::ValuesIn(ARGUMENTS), RowName());
INSTANTIATE_TEST_SUITE_P(Arguments, StartupCommandLine, ::testing::ValuesIn(ARGUMENTS), RowName());
