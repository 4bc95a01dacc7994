// The run's wiring: the form checked and handed to the press session, the buttons and the status
// line shown from what the session tells, the shortcut, the timers and the target check.
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
    void PressAndPause() {
        EXPECT_TRUE(Tick());
        EXPECT_TRUE(Tick());
    }
    // Starts the dialog, then a run of keysToPress presses of Enter (0: until stopped).
    void StartCountedRun(int keysToPress) {
        StoreInt(L"SetNumberOfClicksToAutomate", keysToPress);
        Start();
        StartWith(KEY_ENTER);
    }
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

TEST_F(MainDialogRun, StartHandsTheFormToTheSessionAndShowsTheRunningButtons) {
    StoreDelay(1, 30, 500);
    Start();
    SelectKey(KEY_ENTER);

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));

    EXPECT_EQ(TimerPeriod(CPellorDlg::IDT_PRESS_FIXED), 90500u);
    EXPECT_EQ(RunButtons(), RunningButtons());
    EXPECT_EQ(Status(), L"Current Status ");
    PressAndPause();
    EXPECT_TRUE(SequenceMatches(m_input.Log().Select({"SendInput"}), ENTER_STROKE));
    EXPECT_EQ(Status(), L"Keyed 1 Times");
}

TEST_F(MainDialogRun, AnInvalidFieldAtStartStartsNothingAndHoldsTheFocus) {
    StoreDelay(0, 0, 10);
    Start();
    SelectKey(KEY_ENTER);
    ASSERT_TRUE(m_user.SetText(IDC_KEYS_TO_PRESS, L"99999"));
    m_windows.ClearMessageBoxes();

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));

    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_windows.MessageBoxes()[0].text, L"Enter an integer between 0 and 9999.");
    EXPECT_TRUE(m_windows.HasFocus(Main(), IDC_KEYS_TO_PRESS));
    EXPECT_EQ(m_timers.ActiveCount(), 0);
    EXPECT_EQ(RunButtons(), IdleButtons());
}

// --- During a run ---

TEST_F(MainDialogRun, ChangesToTheFormDuringARunReachTheSession) {
    StartCountedRun(10);
    for (int i = 0; i < 3; ++i) {
        PressAndPause();
    }

    ASSERT_TRUE(m_user.SetText(IDC_KEYS_TO_PRESS, L"2"));
    SelectKey(KEY_TAB);
    m_input.ClearLog();
    PressAndPause();

    EXPECT_EQ(m_input.Log().Select({"SendInput"}).front().rfind("SendInput 1 {vk=0x09 ", 0), 0u);
    EXPECT_EQ(Status(), L"Keyed 4 Times");
    EXPECT_EQ(RunButtons(), IdleButtons());
    EXPECT_EQ(m_timers.ActiveCount(), 0);
}

TEST_F(MainDialogRun, StopRestoresTheButtonsReleasesHeldKeysAndKeepsTheStatus) {
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

// --- The target window check ---

class MainDialogRunSelectedWindow : public MainDialogRun {
protected:
    void SetUp() override {
        MainDialogRun::SetUp();
        m_hTarget = m_windows.AddTopLevelWindow(L"Untitled - Notepad", L"Notepad");
        StoreInt(L"SendKeysToActiveWindow", 0);
        StoreSeekedWindow(m_hTarget);
    }

    WindowHandle m_hTarget = 0;
};

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

TEST_F(MainDialogRunSelectedWindow, ChoosingTheActiveWindowInTheSelectorThatStartOpenedStartsTheRun) {
    m_windows.DestroyWindow(m_hTarget);
    Start();
    SelectKey(KEY_ENTER);
    m_windows.QueueUserAction([this] {
        EXPECT_TRUE(m_user.Click(IDC_RECEIVER_ACTIVE_WINDOW));
        EXPECT_TRUE(m_user.Click(IDOK));
    });

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));

    EXPECT_EQ(Stored(L"SendKeysToActiveWindow"), 1);
    EXPECT_TRUE(TimerActive(CPellorDlg::IDT_PRESS_FIXED));
    EXPECT_EQ(RunButtons(), RunningButtons());
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
    // Not the first instance: a command judged against instance 0 would act here.
    g_nInstanceNumber = 1;
    Start();
    SelectKey(KEY_ENTER);
    const std::uint32_t nCommand = m_windows.RegisteredMessage(REMOTE_COMMAND_MESSAGE);

    m_windows.Deliver(Main(), nCommand, static_cast<WParam>(RemoteCommand::Toggle), EVERY_INSTANCE);
    m_windows.Deliver(Main(), nCommand, EncodeRemoteCommand(RemoteCommand::Toggle, 0).wParam, 0);
    EXPECT_EQ(RunButtons(), IdleButtons()) << "an untagged command or one for instance 0 is ignored";
    m_windows.Deliver(Main(), nCommand, EncodeRemoteCommand(RemoteCommand::Exit, 1).wParam, 1);
    EXPECT_FALSE(MainAlive());
}
