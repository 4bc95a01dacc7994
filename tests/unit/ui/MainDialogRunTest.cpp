// The pressing run: start and its refusals, the timers and their periods, one press per tick, the
// count, stop, and the shortcut that toggles it.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainDialogFixture.h"
#include "ui/RemoteCommand.h"
#include "unit/TableRows.h"

using namespace main_dialog_test;

namespace {

const std::wstring NO_KEY_MESSAGE =
    L"Please Select the Keyboard Key to be Pressed.\n\nAlternatively you can also use a Keyboard Shortcut "
    L"Key "
    L"combination to start or stop the Auto Key Presssing using the Assign Button.";

const std::vector<std::string> ENTER_STROKE = {
    "SendInput 1 {vk=0x0D scan=0x1C flags=0x0}",
    "SendInput 1 {vk=0x0D scan=0x1C flags=0x2}",
};

} // namespace

class MainDialogRun : public MainDialogFixture {
protected:
    // A delay longer than the default pause, so that each press comes up before the next goes down.
    void SetUp() override { StoreDelay(0, 0, 100); }

    // Selects the key, starts with the button and forgets what start-up and the start did.
    void StartWith(int keyIndex, int modifierIndex = -1) {
        SelectKey(keyIndex, modifierIndex);
        ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));
        m_input.ClearLog();
        m_timers.Log().Clear();
    }
    // One whole press: its key-down when it is due, then its key-up when the pause is over.
    // Returns the milliseconds from the key-down to the key-up.
    Microseconds PressAndPause() {
        EXPECT_TRUE(Tick());
        const Microseconds down = m_timers.Now();
        EXPECT_TRUE(Tick());
        return (m_timers.Now() - down) / 1000;
    }
    // Starts the dialog, then a run of keysToPress presses of Enter (0: until stopped).
    void StartCountedRun(int keysToPress) {
        StoreInt(L"SetNumberOfClicksToAutomate", keysToPress);
        Start();
        StartWith(KEY_ENTER);
    }
    void StorePause(int ms) { StoreShared(L"TimeDelayBetweenKeyDownAndKeyUp", ms); }
};

// --- Starting ---

TEST_F(MainDialogRun, StartWithoutAKeyShowsWhyAndFocusesTheKeyList) {
    Start();

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));

    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    const MessageBoxRecord& box = m_windows.MessageBoxes()[0];
    EXPECT_EQ(box.text, NO_KEY_MESSAGE);
    EXPECT_EQ(box.caption, APP_TITLE);
    EXPECT_EQ(box.owner, Main());
    EXPECT_EQ(box.type, MB_OK | MB_ICONINFORMATION);
    EXPECT_TRUE(m_windows.HasFocus(Main(), IDC_KEY_LIST));
    EXPECT_EQ(m_timers.ActiveCount(), 0);
    EXPECT_EQ(RunButtons(), IdleButtons());
}

TEST_F(MainDialogRun, TheShortcutWithoutAKeyShowsTheSameMessage) {
    Start();

    Hotkey(CPellorDlg::START_STOP_HOTKEY_ID);

    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_windows.MessageBoxes()[0].text, NO_KEY_MESSAGE);
    EXPECT_EQ(m_timers.ActiveCount(), 0);
}

TEST_F(MainDialogRun, StartArmsTheFixedTimerWithTheComputedDelayAndPressesNothingYet) {
    StoreDelay(1, 30, 500);
    Start();
    SelectKey(KEY_ENTER);
    m_input.ClearLog();

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));

    EXPECT_EQ(TimerPeriod(CPellorDlg::IDT_PRESS_FIXED), 90500u);
    EXPECT_FALSE(TimerActive(CPellorDlg::IDT_PRESS_RANDOM));
    EXPECT_EQ(RunButtons(), RunningButtons());
    EXPECT_TRUE(m_input.Log().Empty()) << "the first press comes one delay later";
    EXPECT_EQ(Status(), L"Current Status ");
}

TEST_F(MainDialogRun, StartKillsBothTimersBeforeArmingOne) {
    StoreDelay(0, 2, 0);
    Start();
    SelectKey(KEY_ENTER);
    m_timers.Log().Clear();

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));

    const std::string main = Hex(Main());
    EXPECT_TRUE(SequenceMatches(m_timers.Log(), {
                                                    "KillTimer(" + main + ", 1)",
                                                    "KillTimer(" + main + ", 2)",
                                                    "SetDeadline(" + main + ", 1, 2000)",
                                                }));
}

namespace {

// The period the run's first timer is armed with, from the delay and the random range stored.
struct PeriodCase : NamedRow {
    int delayMilliseconds;
    bool random;
    int randomMinutes;
    int randomSeconds;
    std::uint32_t seed; // 0 is also what the source gives unless told otherwise
    std::uint32_t least;
    std::uint32_t most;
};
using MainDialogRunPeriod = TableTest<MainDialogRun, PeriodCase>;

} // namespace

TEST_P(MainDialogRunPeriod, IsArmedOnTheTimerOfTheDelaysKind) {
    const PeriodCase& c = GetParam();
    StoreDelay(0, 0, c.delayMilliseconds);
    if (c.random) {
        StoreRandomRange(c.randomMinutes, c.randomSeconds, 0);
    }
    m_random.QueueSeed(c.seed);
    Start();

    StartWith(KEY_ENTER);

    const std::uintptr_t armed = c.random ? CPellorDlg::IDT_PRESS_RANDOM : CPellorDlg::IDT_PRESS_FIXED;
    EXPECT_FALSE(TimerActive(c.random ? CPellorDlg::IDT_PRESS_FIXED : CPellorDlg::IDT_PRESS_RANDOM));
    EXPECT_GE(TimerPeriod(armed), c.least);
    EXPECT_LE(TimerPeriod(armed), c.most);
}

INSTANTIATE_TEST_SUITE_P(Delays, MainDialogRunPeriod,
                         ::testing::Values(PeriodCase{"a zero delay as one millisecond", 0, false, 0, 0, 0, 1,
                                                      1},
                                           PeriodCase{"an overlong random range clamped", 1000, true, 40000,
                                                      0, 0xFFFFFFFF, 1000, 0x7FFFFFFF},
                                           PeriodCase{"a negative random range adding nothing", 1000, true, 0,
                                                      -30, 0, 1000, 1000}),
                         RowName());

TEST_F(MainDialogRun, AnInvalidFieldAtStartIsReportedAndTheRunStartsWithTheValueRead) {
    StoreDelay(0, 0, 10);
    Start();
    SelectKey(KEY_ENTER);
    ASSERT_TRUE(m_user.SetText(IDC_DELAY_SECONDS, L"60"));
    m_windows.ClearMessageBoxes();

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));

    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_windows.MessageBoxes()[0].text, L"Enter an integer between 0 and 59.");
    EXPECT_EQ(TimerPeriod(CPellorDlg::IDT_PRESS_FIXED), 60010u);
    EXPECT_EQ(RunButtons(), RunningButtons());
}

// --- The random delay ---

TEST_F(MainDialogRun, ARandomDelayArmsTimerTwoWithinTheRangeAndReArmsItAtEveryTick) {
    StoreDelay(0, 2, 0);
    StoreRandomRange(0, 1, 0);
    for (std::uint32_t seed : {11u, 22u, 33u}) {
        m_random.QueueSeed(seed);
    }
    StorePause(0);
    Start();
    StartWith(KEY_ENTER);

    EXPECT_FALSE(TimerActive(CPellorDlg::IDT_PRESS_FIXED));
    EXPECT_GE(TimerPeriod(CPellorDlg::IDT_PRESS_RANDOM), 2000u);
    EXPECT_LE(TimerPeriod(CPellorDlg::IDT_PRESS_RANDOM), 3000u);

    ASSERT_TRUE(Tick());

    const std::string main = Hex(Main());
    ASSERT_EQ(m_timers.Log().Size(), 1u);
    EXPECT_EQ(m_timers.Log().Entries()[0].rfind("SetDeadline(" + main + ", 2, ", 0), 0u);
    EXPECT_GE(TimerPeriod(CPellorDlg::IDT_PRESS_RANDOM), 2000u);
    EXPECT_LE(TimerPeriod(CPellorDlg::IDT_PRESS_RANDOM), 3000u);
    EXPECT_EQ(m_random.SeedsTaken(), 2) << "one draw at start, one at the tick";
}

TEST_F(MainDialogRun, AFastRunRedrawsTheCountAtMostTwiceASecondAndShowsTheLastAtTheStop) {
    StoreDelay(0, 0, 100);
    StorePause(0);
    StartCountedRun(0);
    const std::vector<std::wstring> expected = {L"Keyed 1 Times", L"Keyed 1 Times", L"Keyed 1 Times",
                                                L"Keyed 1 Times", L"Keyed 1 Times", L"Keyed 6 Times",
                                                L"Keyed 6 Times"};

    for (const std::wstring& status : expected) {
        ASSERT_TRUE(Tick());
        EXPECT_EQ(Status(), status);
    }
    ASSERT_TRUE(m_user.Click(IDC_STOP_KEYPRESSING));

    EXPECT_EQ(Status(), L"Keyed 7 Times");
}

TEST_F(MainDialogRun, AWindowTimerBeforeTheDeadlinePressesNothing) {
    Start();
    StartWith(KEY_ENTER);

    m_windows.Deliver(Main(), WM_TIMER, CPellorDlg::IDT_PRESS_FIXED, 0);

    EXPECT_TRUE(m_input.Log().Empty());
    EXPECT_EQ(TimerPeriod(CPellorDlg::IDT_PRESS_FIXED), 100u);
}

TEST_F(MainDialogRun, AHeldRunEndedByTheCountReleasesItsKeysAfterTheLastPress) {
    StoreInt(L"SetNumberOfClicksToAutomate", 2);
    StoreInt(L"HoldKey", 1);
    Start();
    StartWith(KEY_TAB, MODIFIER_SHIFT);

    ASSERT_TRUE(Tick());
    ASSERT_TRUE(Tick());

    EXPECT_TRUE(SequenceMatches(m_input.Log(), {
                                                   "SendInput 1 {vk=0x10 scan=0x2A flags=0x0}",
                                                   "SendInput 1 {vk=0x09 scan=0x0F flags=0x0}",
                                                   "SendInput 1 {vk=0x10 scan=0x2A flags=0x0}",
                                                   "SendInput 1 {vk=0x09 scan=0x0F flags=0x0}",
                                                   "SendInput 1 {vk=0x10 scan=0x2A flags=0x2}",
                                                   "SendInput 1 {vk=0x09 scan=0x0F flags=0x2}",
                                               }));
    EXPECT_TRUE(m_input.KeysDown().empty());
    EXPECT_EQ(Status(), L"Keyed 2 Times");
}

TEST_F(MainDialogRun, ALetterEntryIsTypedByTheChosenMethod) {
    const struct {
        int useOldMethod;
        std::vector<std::string> expected;
    } cases[] = {
        {0, {"SendInput 1 {vk=0x00 scan=0x61 flags=0x4}", "SendInput 1 {vk=0x00 scan=0x61 flags=0x6}"}},
        {1, {"keybd_event 0x41 0x1E 0x0 0", "keybd_event 0x41 0x1E 0x2 0"}},
    };
    Start();
    SelectKey(KEY_LETTER_A);
    for (const auto& item : cases) {
        StoreShared(L"UseOldKeyInputMethod", item.useOldMethod);
        ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));
        m_input.ClearLog();

        EXPECT_EQ(PressAndPause(), 10) << item.useOldMethod;

        EXPECT_TRUE(SequenceMatches(m_input.Log(), item.expected)) << item.useOldMethod;
        ASSERT_TRUE(m_user.Click(IDC_STOP_KEYPRESSING));
    }
}

TEST_F(MainDialogRun, TheKeyDownToKeyUpDelayIsTakenAtStartOnly) {
    StoreDelay(0, 0, 100);
    StorePause(35);
    Start();
    StartWith(KEY_ENTER);
    StorePause(50);

    EXPECT_EQ(PressAndPause(), 35);
}

TEST_F(MainDialogRun, PressesThatKeepNoKeyUpBackComeOneDelayApartWhateverThePause) {
    StorePause(500);
    Start();
    ASSERT_TRUE(m_user.Click(IDC_HOLD_KEY));
    StartWith(KEY_TAB, MODIFIER_CTRL);

    ASSERT_TRUE(Tick());
    ASSERT_TRUE(Tick());

    EXPECT_EQ(TimerPeriod(CPellorDlg::IDT_PRESS_FIXED), 100u);
    EXPECT_EQ(m_input.KeysDown(), (std::vector<std::uint32_t>{VK_TAB, VK_CONTROL}));
}

TEST_F(MainDialogRun, StoppingDuringThePauseSendsTheKeyUpAtOnce) {
    StorePause(5000);
    Start();
    StartWith(KEY_ENTER);
    ASSERT_TRUE(Tick());
    ASSERT_EQ(m_input.KeysDown(), std::vector<std::uint32_t>{VK_RETURN});

    ASSERT_TRUE(m_user.Click(IDC_STOP_KEYPRESSING));

    EXPECT_TRUE(SequenceMatches(m_input.Log(), ENTER_STROKE));
    EXPECT_EQ(m_timers.ActiveCount(), 0);
}

// --- Changes during a run ---

TEST_F(MainDialogRun, EditingTheDelayDuringAFixedRunKeepsThePeriodUntilTheNextStart) {
    StoreDelay(0, 0, 1000);
    Start();
    StartWith(KEY_ENTER);

    ASSERT_TRUE(m_user.SetText(IDC_DELAY_MILLISECONDS, L"500"));
    PressAndPause();

    EXPECT_EQ(TimerPeriod(CPellorDlg::IDT_PRESS_FIXED), 990u);
}

TEST_F(MainDialogRun, WithARandomDelayEachPeriodComesFromTheFieldsAtThatTick) {
    StoreDelay(0, 0, 1000);
    StoreRandomRange(0, 0, 0);
    Start();
    StartWith(KEY_ENTER);
    ASSERT_EQ(TimerPeriod(CPellorDlg::IDT_PRESS_RANDOM), 1000u);

    ASSERT_TRUE(m_user.SetText(IDC_DELAY_MILLISECONDS, L"500"));
    PressAndPause();

    EXPECT_EQ(TimerPeriod(CPellorDlg::IDT_PRESS_RANDOM), 490u);
}

TEST_F(MainDialogRun, LoweringTheCountBelowThePressesMadeStopsAfterOneMorePress) {
    StartCountedRun(10);
    for (int i = 0; i < 3; ++i) {
        PressAndPause();
    }

    ASSERT_TRUE(m_user.SetText(IDC_KEYS_TO_PRESS, L"2"));
    PressAndPause();

    EXPECT_EQ(Status(), L"Keyed 4 Times");
    EXPECT_EQ(RunButtons(), IdleButtons());
    EXPECT_EQ(m_timers.ActiveCount(), 0);
}

TEST_F(MainDialogRun, HoldKeyAndTheKeyChosenDuringARunTakeEffectAtTheNextPressAndNothingStaysDown) {
    StorePause(0);
    Start();
    StartWith(KEY_TAB, MODIFIER_CTRL);

    ASSERT_TRUE(m_user.Click(IDC_HOLD_KEY));
    ASSERT_TRUE(Tick());
    EXPECT_EQ(m_input.KeysDown(), (std::vector<std::uint32_t>{VK_TAB, VK_CONTROL}));

    SelectKey(KEY_ENTER, MODIFIER_CTRL);
    ASSERT_TRUE(Tick());
    EXPECT_EQ(m_input.KeysDown(), (std::vector<std::uint32_t>{VK_RETURN, VK_CONTROL}))
        << "the key held before goes up before the new one goes down";

    ASSERT_TRUE(m_user.Click(IDC_HOLD_KEY));
    m_input.ClearLog();
    ASSERT_TRUE(Tick());
    EXPECT_TRUE(m_input.KeysDown().empty());
    EXPECT_EQ(
        m_input.Log().Select({"SendInput 2"}),
        std::vector<std::string>{"SendInput 2 {vk=0x0D scan=0x1C flags=0x0} {vk=0x0D scan=0x1C flags=0x2}"});
}

// --- Stopping and the shortcut ---

TEST_F(MainDialogRun, StopKillsTheTimersRestoresTheButtonsReleasesHeldKeysAndKeepsTheStatus) {
    StoreInt(L"HoldKey", 1);
    Start();
    StartWith(KEY_TAB, MODIFIER_CTRL);
    ASSERT_TRUE(Tick());

    ASSERT_TRUE(m_user.Click(IDC_STOP_KEYPRESSING));

    EXPECT_EQ(RunButtons(), IdleButtons());
    EXPECT_EQ(m_timers.ActiveCount(), 0);
    EXPECT_TRUE(m_input.KeysDown().empty());
    EXPECT_EQ(Status(), L"Keyed 1 Times");
}

TEST_F(MainDialogRun, AFailedHandlerStopsTheRunAndReleasesHeldKeysBeforeTheUserIsTold) {
    StoreInt(L"HoldKey", 1);
    Start();
    StartWith(KEY_TAB, MODIFIER_CTRL);
    ASSERT_TRUE(Tick());
    bool bKeysUpWhenTold = false;
    m_windows.DuringNextMessageBox([&] { bKeysUpWhenTold = m_input.KeysDown().empty(); });

    m_dialog.OnMessageException(WM_TIMER, "vector::_M_default_append");

    EXPECT_TRUE(bKeysUpWhenTold);
    EXPECT_EQ(RunButtons(), IdleButtons());
    EXPECT_EQ(m_timers.ActiveCount(), 0);
    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
}

TEST_F(MainDialogRun, StartingAgainKeepsTheLastStatusUntilTheFirstPress) {
    Start();
    StartWith(KEY_ENTER);
    PressAndPause();
    PressAndPause();
    ASSERT_TRUE(m_user.Click(IDC_STOP_KEYPRESSING));

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));
    EXPECT_EQ(Status(), L"Keyed 2 Times");

    ASSERT_TRUE(Tick());
    EXPECT_EQ(Status(), L"Keyed 1 Times");
}

TEST_F(MainDialogRun, OnlyShortcutOneTogglesTheRun) {
    Start();
    SelectKey(KEY_ENTER);

    Hotkey(2);
    EXPECT_EQ(m_timers.ActiveCount(), 0);

    Hotkey(CPellorDlg::START_STOP_HOTKEY_ID);
    EXPECT_TRUE(TimerActive(CPellorDlg::IDT_PRESS_FIXED));
    EXPECT_EQ(RunButtons(), RunningButtons());

    Hotkey(0x0BFFF);
    EXPECT_TRUE(TimerActive(CPellorDlg::IDT_PRESS_FIXED));

    Hotkey(CPellorDlg::START_STOP_HOTKEY_ID);
    EXPECT_EQ(m_timers.ActiveCount(), 0);
    EXPECT_EQ(RunButtons(), IdleButtons());
}

TEST_F(MainDialogRun, OtherTimersPressNothingAndEveryTimerGoesOnToDefaultProcessing) {
    Start();
    StartWith(KEY_ENTER);

    m_windows.Deliver(Main(), WM_TIMER, 7, 0);
    EXPECT_TRUE(m_input.Log().Empty());
    ASSERT_TRUE(Tick());

    int defaultTimers = 0;
    for (const Msg& msg : m_windows.DefaultProcessed()) {
        defaultTimers += msg.hwnd == Main() && msg.message == WM_TIMER ? 1 : 0;
    }
    EXPECT_EQ(defaultTimers, 2);
}

// --- Options read at every press ---

class MainDialogRunSelectedWindow : public MainDialogRun {
protected:
    void SetUp() override {
        MainDialogRun::SetUp();
        m_hTarget = m_windows.AddTopLevelWindow(L"Untitled - Notepad", L"Notepad");
        StoreInt(L"SendKeysToActiveWindow", 0);
        StoreSeekedWindow(m_hTarget);
    }

    std::string Posted(const char* message, const char* vk, const char* lParam) const {
        return "PostMessage " + Hex(m_hTarget) + " " + message + " " + vk + " " + lParam;
    }

    WindowHandle m_hTarget = 0;
};

TEST_F(MainDialogRunSelectedWindow, TheDeliveryOptionsAreReadAtEveryPress) {
    StoreInt(L"SendKeyUps", 1);
    Start();
    StartWith(KEY_ENTER);

    PressAndPause();
    EXPECT_EQ(m_input.Log().Select({"PostMessage"}),
              (std::vector<std::string>{Posted("WM_KEYDOWN", "0x0D", "0x001C0001"),
                                        Posted("WM_KEYUP", "0x0D", "0x401C0001")}));

    StoreInt(L"SendKeyUps", 0);
    StoreInt(L"SendChars", 1);
    m_input.ClearLog();
    ASSERT_TRUE(Tick());
    EXPECT_EQ(m_input.Log().Select({"PostMessage"}),
              (std::vector<std::string>{Posted("WM_CHAR", "0x0D", "0x00000000")}));

    StoreInt(L"SendKeysToActiveWindow", 1);
    m_input.ClearLog();
    PressAndPause();
    EXPECT_TRUE(SequenceMatches(m_input.Log(), ENTER_STROKE));
}

TEST_F(MainDialogRunSelectedWindow, APressThatFindsNoWindowStillCounts) {
    Start();
    StartWith(KEY_ENTER);
    m_windows.DestroyWindow(m_hTarget);

    ASSERT_TRUE(Tick());

    EXPECT_TRUE(m_input.Log().Select({"PostMessage"}).empty());
    EXPECT_EQ(Status(), L"Keyed 1 Times");
}

TEST_F(MainDialogRunSelectedWindow, AHeldRunEndedByTheCountReleasesTheKeyInTheTargetWindow) {
    StoreInt(L"HoldKey", 1);
    StartCountedRun(1);

    ASSERT_TRUE(Tick());

    EXPECT_EQ(m_input.Log().Count(Posted("WM_KEYDOWN", "0x0D", "0x001C0001")), 1u);
    EXPECT_TRUE(m_input.KeysDownIn(m_hTarget).empty());
    EXPECT_EQ(RunButtons(), IdleButtons());
}

// --- The target window check ---

TEST_F(MainDialogRun, KeysForTheActiveWindowNeedNoSelector) {
    Start();

    StartWith(KEY_ENTER);

    EXPECT_TRUE(m_windows.DialogsCreated(IDD_WINDOW_SELECTOR).empty());
    EXPECT_TRUE(TimerActive(CPellorDlg::IDT_PRESS_FIXED));
}

TEST_F(MainDialogRunSelectedWindow, AStoredWindowThatExistsNeedsNoSelector) {
    Start();

    StartWith(KEY_ENTER);

    EXPECT_TRUE(m_windows.DialogsCreated(IDD_WINDOW_SELECTOR).empty());
    EXPECT_TRUE(TimerActive(CPellorDlg::IDT_PRESS_FIXED));
}

TEST_F(MainDialogRunSelectedWindow, AStaleWindowOpensTheSelectorAndCancelLeavesTheRunIdleSilently) {
    m_windows.DestroyWindow(m_hTarget);
    Start();
    SelectKey(KEY_ENTER);
    m_windows.QueueUserAction([this] { EXPECT_TRUE(m_user.Click(IDCANCEL)); });

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));

    const std::vector<WindowHandle> selectors = m_windows.DialogsCreated(IDD_WINDOW_SELECTOR);
    ASSERT_EQ(selectors.size(), 1u);
    EXPECT_EQ(m_windows.Window(selectors[0]).parent, Main());
    EXPECT_FALSE(m_windows.IsWindow(selectors[0]));
    EXPECT_TRUE(m_windows.MessageBoxes().empty());
    EXPECT_EQ(m_timers.ActiveCount(), 0);
    EXPECT_EQ(RunButtons(), IdleButtons());
}

TEST_F(MainDialogRunSelectedWindow, SwitchingToTheActiveWindowInTheSelectorCountsAtTheNextStart) {
    m_windows.DestroyWindow(m_hTarget);
    Start();
    SelectKey(KEY_ENTER);
    m_windows.QueueUserAction([this] {
        EXPECT_TRUE(m_user.Click(IDC_RECEIVER_ACTIVE_WINDOW));
        EXPECT_TRUE(m_user.Click(IDOK));
    });

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));
    EXPECT_EQ(Stored(L"SendKeysToActiveWindow"), 1);
    EXPECT_EQ(m_timers.ActiveCount(), 0) << "only the stored window counts at this start";

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));
    EXPECT_EQ(m_windows.DialogsCreated(IDD_WINDOW_SELECTOR).size(), 1u);
    EXPECT_TRUE(TimerActive(CPellorDlg::IDT_PRESS_FIXED));
}

TEST_F(MainDialogRun, TheTargetButtonRunsTheSelectorModallyOverTheMainDialog) {
    Start();
    InNextModal([this] { EXPECT_TRUE(m_user.Click(IDCANCEL)); });

    ASSERT_TRUE(m_user.Click(IDC_TARGET));

    ASSERT_EQ(m_windows.DialogsCreated(IDD_WINDOW_SELECTOR).size(), 1u);
    EXPECT_TRUE(m_bMainDisabledInModal);
    EXPECT_TRUE(m_windows.IsWindowEnabled(Main()));
    EXPECT_EQ(m_windows.TopDialog(), Main());
}

TEST_F(MainDialogRun, TheRunGoesOnWhileTheSelectorIsOpen) {
    Start();
    StartWith(KEY_ENTER);
    m_windows.QueueUserAction([this] { EXPECT_TRUE(m_timers.Elapse(Main(), CPellorDlg::IDT_PRESS_FIXED)); });
    m_windows.QueueUserAction([this] { Hotkey(CPellorDlg::START_STOP_HOTKEY_ID); });
    m_windows.QueueUserAction([this] { EXPECT_TRUE(m_user.Click(IDCANCEL)); });

    ASSERT_TRUE(m_user.Click(IDC_TARGET));

    EXPECT_EQ(Status(), L"Keyed 1 Times");
    EXPECT_EQ(RunButtons(), IdleButtons()) << "the shortcut stopped the run meanwhile";
}

TEST_F(MainDialogRun, AScriptsCommandActsOnlyWhenWellFormedAndAddressedHere) {
    Start();
    SelectKey(KEY_ENTER);
    const std::uint32_t nCommand = m_windows.RegisteredMessage(REMOTE_COMMAND_MESSAGE);

    m_windows.Deliver(Main(), nCommand, static_cast<WParam>(RemoteCommand::Toggle), EVERY_INSTANCE);
    m_windows.Deliver(Main(), nCommand, EncodeRemoteCommand(RemoteCommand::Toggle, 1).wParam, 1);
    EXPECT_EQ(RunButtons(), IdleButtons()) << "an untagged command or one for instance 1 is ignored";
    m_windows.Deliver(Main(), nCommand, EncodeRemoteCommand(RemoteCommand::Exit, 0).wParam, 0);
    EXPECT_FALSE(MainAlive());
}
