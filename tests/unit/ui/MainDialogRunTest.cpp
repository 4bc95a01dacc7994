// The run's wiring: the form checked and handed to the press session, the buttons and the status
// line shown from what the session tells, and the commands of scripts. The run's own rules are the
// session's (tests/unit/core/PressSessionTest.cpp).
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainDialogFixture.h"
#include "ui/RemoteCommand.h"

using namespace main_dialog_test;

class MainDialogRun : public MainDialogFixture {
protected:
    // A delay longer than the default pause, so that each press comes up before the next goes down.
    void SetUp() override { StoreDelay(0, 0, 100); }

    // Starts the dialog, then a run of keysToPress presses of key with the button.
    void StartRun(int keysToPress, int key, int modifier = -1) {
        StoreInt(L"SetNumberOfClicksToAutomate", keysToPress);
        Start();
        SelectKey(key, modifier);
        ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));
        m_input.ClearLog();
    }
    // One whole press: its key-down when it is due, then its key-up when the pause is over.
    void PressAndPause() {
        EXPECT_TRUE(Tick());
        EXPECT_TRUE(Tick());
    }
};

// --- Starting ---

TEST_F(MainDialogRun, StartWithoutAKeyByButtonOrShortcutShowsWhyAndFocusesTheKeyList) {
    const std::wstring why =
        Box(MB_OK | MB_ICONINFORMATION,
            L"Please Select the Keyboard Key to be Pressed.\n\nAlternatively you can also "
            L"use a Keyboard Shortcut Key combination to start or stop the Auto Key "
            L"Presssing using the Assign Button.");
    Start();

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));
    Hotkey(CPellorDlg::START_STOP_HOTKEY_ID);

    EXPECT_EQ(Boxes(), (std::vector<std::wstring>{why, why}));
    EXPECT_TRUE(m_windows.HasFocus(Main(), IDC_KEY_LIST));
    EXPECT_EQ(m_timers.ActiveCount(), 0);
    EXPECT_EQ(RunButtons(), IdleButtons());
}

TEST_F(MainDialogRun, StartHandsTheFormToTheSessionAndShowsTheRunningButtons) {
    StoreDelay(1, 30, 500);
    StartRun(10, KEY_F5, MODIFIER_CTRL);

    EXPECT_EQ(m_timers.Interval(Main(), CPellorDlg::IDT_PRESS_FIXED), 90500u);
    EXPECT_EQ(RunButtons(), RunningButtons());
    EXPECT_EQ(Status(), L"Current Status ");
    ASSERT_TRUE(Tick());
    EXPECT_TRUE(SequenceMatches(m_input.Log(), {"SendInput 1 {vk=0x11 scan=0x1D flags=0x0}",
                                                "SendInput 1 {vk=0x74 scan=0x3F flags=0x0}"}));
    ASSERT_TRUE(Tick());
    EXPECT_EQ(Status(), L"Keyed 1 Times");
}

TEST_F(MainDialogRun, AnInvalidFieldAtStartStartsNothingAndHoldsTheFocus) {
    Start();
    SelectKey(KEY_ENTER);
    ASSERT_TRUE(m_user.SetText(IDC_KEYS_TO_PRESS, L"99999"));
    m_windows.ClearMessageBoxes();

    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));

    EXPECT_EQ(Boxes(), std::vector<std::wstring>{
                           Box(MB_OK | MB_ICONEXCLAMATION, L"Enter an integer between 0 and 9999.")});
    EXPECT_TRUE(m_windows.HasFocus(Main(), IDC_KEYS_TO_PRESS));
    EXPECT_EQ(m_timers.ActiveCount(), 0);
    EXPECT_EQ(RunButtons(), IdleButtons());
}

// --- During a run ---

TEST_F(MainDialogRun, ChangesToTheFormDuringARunReachTheSession) {
    StartRun(10, KEY_ENTER);
    for (int i = 0; i < 3; ++i) {
        PressAndPause();
    }

    // Stored as at any other time.
    ASSERT_TRUE(m_user.SetText(IDC_KEYS_TO_PRESS, L"2"));
    EXPECT_EQ(Stored(L"SetNumberOfClicksToAutomate"), 2);
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
    StartRun(10, KEY_TAB, MODIFIER_CTRL);
    ASSERT_TRUE(Tick());

    ASSERT_TRUE(m_user.Click(IDC_STOP_KEYPRESSING));

    EXPECT_EQ(RunButtons(), IdleButtons());
    EXPECT_EQ(m_timers.ActiveCount(), 0);
    EXPECT_TRUE(m_input.KeysDown().empty());
    EXPECT_EQ(Status(), L"Keyed 1 Times");
}

TEST_F(MainDialogRun, AFailedHandlerStopsTheRunAndReleasesHeldKeysBeforeTheUserIsTold) {
    StoreInt(L"HoldKey", 1);
    StartRun(10, KEY_TAB, MODIFIER_CTRL);
    ASSERT_TRUE(Tick());
    bool bKeysUpWhenTold = false;
    m_windows.DuringNextMessageBox([&] { bKeysUpWhenTold = m_input.KeysDown().empty(); });

    m_dialog.OnMessageException(WM_TIMER, "vector::_M_default_append");

    EXPECT_TRUE(bKeysUpWhenTold);
    EXPECT_EQ(RunButtons(), IdleButtons());
    EXPECT_EQ(m_timers.ActiveCount(), 0);
    EXPECT_EQ(m_windows.MessageBoxes().size(), 1u);
}

// --- The target selector ---

TEST_F(MainDialogRun, TheTargetButtonRunsTheSelectorModallyOverTheMainDialog) {
    Start();
    bool bMainEnabledMeanwhile = true;
    m_windows.QueueUserAction([this, &bMainEnabledMeanwhile] {
        bMainEnabledMeanwhile = m_windows.IsWindowEnabled(Main());
        EXPECT_TRUE(m_user.Click(IDCANCEL));
    });

    ASSERT_TRUE(m_user.Click(IDC_TARGET));

    ASSERT_EQ(m_windows.DialogsCreated(IDD_WINDOW_SELECTOR).size(), 1u);
    EXPECT_FALSE(bMainEnabledMeanwhile);
    EXPECT_TRUE(m_windows.IsWindowEnabled(Main()));
}

TEST_F(MainDialogRun, TheRunGoesOnWhileTheSelectorIsOpen) {
    StartRun(10, KEY_ENTER);
    m_windows.QueueUserAction([this] { EXPECT_TRUE(m_timers.Elapse(Main(), CPellorDlg::IDT_PRESS_FIXED)); });
    m_windows.QueueUserAction([this] { Hotkey(CPellorDlg::START_STOP_HOTKEY_ID); });
    m_windows.QueueUserAction([this] { EXPECT_TRUE(m_user.Click(IDCANCEL)); });

    ASSERT_TRUE(m_user.Click(IDC_TARGET));

    EXPECT_EQ(Status(), L"Keyed 1 Times");
    EXPECT_EQ(RunButtons(), IdleButtons()) << "the shortcut stopped the run meanwhile";
}

// --- Scripts ---

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
