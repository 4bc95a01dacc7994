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
// The rule's rows are the parser's; start-up needs one switch that keeps it hidden and one that does not.
INSTANTIATE_TEST_SUITE_P(Arguments, StartupCommandLine, ::testing::Values(ARGUMENTS[0], ARGUMENTS[2]),
                         RowName());

namespace {

struct SwitchCase : NamedRow {
    const wchar_t* arguments;
    RemoteCommand command;
    int nInstance;
    bool bInvalid;
};
const SwitchCase SWITCHES[] = {
    {"quoted, a dash in mixed case", L"\"-ExIt\"", RemoteCommand::Exit, EVERY_INSTANCE, false},
    {"two commands", L"/start /stop", RemoteCommand::Stop, EVERY_INSTANCE, true},
    {"an instance", L"/START\t-instance 2", RemoteCommand::Start, 2, false},
    {"an overlong instance", L"/stop /instance 9999999999", RemoteCommand::Stop, EVERY_INSTANCE, true},
    {"an instance alone", L"/instance 1", RemoteCommand::None, 1, true},
    {"an unknown switch before an instance", L"/bogus /instance 2 /start", RemoteCommand::Start, 2, true},
    {"the longest instance", L"/stop /instance 999999999", RemoteCommand::Stop, 999999999, false},
    {"both limits", L"/start /FOR 1h30m /until 7:05", RemoteCommand::Start, EVERY_INSTANCE, false},
    {"a time without its unit", L"/start /for 90", RemoteCommand::Start, EVERY_INSTANCE, true},
    {"units out of order", L"/start /for 5m1h", RemoteCommand::Start, EVERY_INSTANCE, true},
    {"hour 24", L"/start /until 24:00", RemoteCommand::Start, EVERY_INSTANCE, true},
    {"a time without a start", L"/stop /for 5m", RemoteCommand::Stop, EVERY_INSTANCE, true},
};
using CommandLineSwitchParsing = TableTest<::testing::Test, SwitchCase>;

// With nRunning instances, and nLater whose windows come while a script's command waits for them
// (bHeld: another process holds the mutex): the exit code, the list of switches, the messages posted
// (a Tapwell that starts posts one to itself, and "/start" one more).
struct LaunchCase : NamedRow {
    const wchar_t* arguments;
    int nRunning;
    int nLater;
    bool bHeld;
    bool bSingle;
    bool bStarts;
    int nExitCode;
    bool bBox;
    long nPosted;
};
const LaunchCase LAUNCHES[] = {
    {"stop with none running", L"/stop", 0, 0, false, false, false, EXIT_CODE_NOT_RUNNING, false, 0},
    {"exit for instance 1 of two", L"/exit /instance 1", 2, 0, false, false, false, 0, false, 2},
    {"the list of switches", L"/?", 1, 0, false, false, false, 0, true, 0},
    {"an unknown switch", L"-silent", 0, 0, false, false, false, EXIT_CODE_UNKNOWN_SWITCH, true, 0},
    {"the list beside silent", L"/? :silent", 0, 0, false, false, true, 0, true, 1},
    {"stop beside silent, none running", L"/stop :silent", 0, 0, false, false, true, 0, false, 1},
    {"stop while a Tapwell starts", L"/stop", 0, 1, true, true, false, 0, false, 1},
    {"start, a Tapwell out of reach", L"/start", 0, 0, true, true, false, EXIT_CODE_NOT_REACHED, false, 0},
    {"start, one out of reach, multiple", L"/start", 0, 0, true, false, true, 0, false, 2},
};
using LaunchWithSwitches = TableTest<AppFixture, LaunchCase>;

} // namespace

TEST_P(CommandLineSwitchParsing, ReadsTheCommandItsInstanceAndWhatIsWrong) {
    const CommandLineSwitches switches = ParseCommandLineSwitches(GetParam().arguments);
    EXPECT_EQ(switches.command, GetParam().command);
    EXPECT_EQ(switches.nInstance, GetParam().nInstance);
    EXPECT_EQ(switches.bInvalid, GetParam().bInvalid);
}

TEST_P(LaunchWithSwitches, PostsTheCommandOrEndsWithItsCodeWithoutShowingTheRuleOfOneInstance) {
    const LaunchCase& c = GetParam();
    StoreUseSingleInstance(c.bSingle ? 1 : 0);
    for (int i = 0; i < c.nRunning; ++i) {
        AddRunningInstance(false);
    }
    int nLater = c.nLater;
    m_process.DuringSleep([&] {
        for (; nLater > 0; --nLater) {
            AddRunningInstance(false);
        }
    });
    m_process.SetMutexResult(FakeProcess::MUTEX, c.bHeld ? ERROR_ALREADY_EXISTS : 0);
    bool bMutexAtBox = false;
    m_windows.DuringNextMessageBox([&] { bMutexAtBox = !m_process.OpenHandles().empty(); });

    EXPECT_EQ(Start(c.arguments), c.bStarts);
    if (!c.bStarts) {
        EXPECT_EQ(App().ExitCodeWhenNotRunning(), c.nExitCode);
    }
    ASSERT_EQ(m_windows.MessageBoxes().size(), c.bBox ? 1u : 0u) << "never the box of one instance";
    if (c.bBox) {
        EXPECT_NE(m_windows.MessageBoxes()[0].caption, app_test::TITLE) << "no Tapwell's main window";
        EXPECT_EQ(bMutexAtBox, c.bStarts) << "the mutex is only a Tapwell's";
    }
    EXPECT_EQ(static_cast<long>(m_windows.Posted().size()), c.nPosted);
    EXPECT_LE(m_process.Slept(), INSTANCE_WAIT_STEP_MS * INSTANCE_WAIT_STEPS);
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineSwitchParsing, ::testing::ValuesIn(SWITCHES), RowName());
INSTANTIATE_TEST_SUITE_P(Arguments, LaunchWithSwitches, ::testing::ValuesIn(LAUNCHES), RowName());
