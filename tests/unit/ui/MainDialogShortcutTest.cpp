// The start/stop shortcut of the main dialog: loaded and registered at start-up, Save and Clear
// with their refusals, what a refused registration or a failed store leaves, release on close.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainDialogShortcutFixture.h"
#include "unit/TableRows.h"

using namespace main_dialog_test;

namespace {

const std::wstring LOAD_FAILED = L"Failed to Load Shortcut Key for Auto Key Pressing.";
const std::wstring SAVE_FAILED = L"Failed to Store HotKey to Start Auto Mouse Clicks.";
const std::wstring CLEAR_FAILED = L"Failed to Store HotKey to Start Key Pressing.";
const std::wstring SELECT_KEY_FIRST_BOX =
    L"First Select Keyboard Key from the Drop Down List.\n\nClick on the OK Button "
    L"to View Available Keyboard Keys for Automation.";
const std::wstring PRESS_SHORTCUT_FIRST_BOX =
    L"Click on the White Box With None Written in it.\n\nNow Press the desired "
    L"Keyboard Shortcut Key\n\nFinally Click on the Save Shortcut Key Button.";

std::wstring Box(std::uint32_t type, const std::wstring& text) {
    return std::to_wstring(type) + L" " + text;
}

// The hotkey control's pair as HKM_GETHOTKEY gives it: MAKEWORD(vk, HOTKEYF_*).
std::uint32_t HotKeyPair(std::uint32_t vk, std::uint32_t controlModifiers) {
    return vk | controlModifiers << 8;
}

} // namespace

class MainDialogShortcut : public MainDialogShortcutFixture {
protected:
    // A shortcut another program holds is reported, then cleared: nothing shown, stored or registered.
    void ExpectRefusedAndCleared() {
        EXPECT_EQ(Boxes(), (std::vector<std::wstring>{Box(MB_ICONERROR, LOAD_FAILED)}));
        EXPECT_EQ(ControlPair(), 0u);
        EXPECT_EQ(StoredKey(), 0);
        EXPECT_EQ(StoredMod(), 0);
        EXPECT_EQ(m_hotKeys.RegisteredCount(), 0u);
        EXPECT_EQ(TrayTip(), APP_TITLE);
    }
};

namespace {

// A shortcut in its two forms: as stored and registered (MOD_*) and as the control holds it
// (HOTKEYF_*), with the tooltip that shows it beside the key F5.
struct ShortcutCase : NamedRow {
    std::uint32_t vk;
    std::uint32_t storedModifiers;
    std::uint32_t controlModifiers;
    std::wstring trayTip;
};
using MainDialogShortcutAtStartUp = TableTest<MainDialogShortcutFixture, ShortcutCase>;
using MainDialogShortcutSave = TableTest<MainDialogShortcutFixture, ShortcutCase>;

} // namespace

// --- Start-up ---

TEST_P(MainDialogShortcutAtStartUp, StoredPairIsShownAndRegisteredAsStored) {
    const ShortcutCase& c = GetParam();
    if (c.vk != 0) {
        StoreShortcut(c.vk, c.storedModifiers);
    }
    StoreInt(L"KeyIndexTobeAutomated", KEY_F5);

    Start();

    EXPECT_EQ(ControlPair(), HotKeyPair(c.vk, c.controlModifiers));
    ASSERT_EQ(ShortcutRegistered(), c.vk != 0);
    if (c.vk != 0) {
        EXPECT_EQ(Registered().modifiers, c.storedModifiers);
        EXPECT_EQ(Registered().vk, c.vk);
    }
    EXPECT_EQ(TrayTip(), c.trayTip);
    EXPECT_TRUE(m_windows.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Stored, MainDialogShortcutAtStartUp,
    ::testing::Values(ShortcutCase{"CtrlAltF6", VK_F6, MOD_CONTROL | MOD_ALT, HOTKEYF_CONTROL | HOTKEYF_ALT,
                                   L"Ctrl + Alt + F6 - [ F5 ]\nTapwell by Tovrin"},
                      ShortcutCase{"AltShowsAsAlt", VK_F6, 0x0001, HOTKEYF_ALT,
                                   L"Alt + F6 - [ F5 ]\nTapwell by Tovrin"},
                      ShortcutCase{"Nothing", 0, 0, 0, APP_TITLE},
                      // Stored with the Windows key for the extended flag before the two were told apart.
                      ShortcutCase{"WindowsShiftHome", VK_HOME, MOD_WIN | MOD_SHIFT,
                                   HOTKEYF_SHIFT | HOTKEYF_EXT, L"Shift + Home - [ F5 ]\nTapwell by Tovrin"}),
    RowName());

TEST_F(MainDialogShortcut, StartUpReadsTheKeyEntryThenTheModEntryAndUnregistersBeforeRegistering) {
    StoreShortcut(VK_F6, MOD_SHIFT);

    Start();

    EXPECT_EQ(RegistryCalls({Narrow(KEY_ENTRY), Narrow(MOD_ENTRY)}),
              (std::vector<std::string>{"read Settings 0/Settings 0 StartAutoClickHotkey Key",
                                        "read Settings 0/Settings 0 StartAutoClickHotkey Mod"}));
    EXPECT_TRUE(SequenceMatches(m_hotKeys.Log(), {"UnregisterHotKey(" + Hex(Main()) + ", 1)",
                                                  "RegisterHotKey(" + Hex(Main()) + ", 1, 0x4004, 0x75)"}));
}

TEST_F(MainDialogShortcut, ShortcutTakenAtStartUpIsReportedAndClearedAndTheKeyChoiceSurvives) {
    StoreShortcut(VK_F6, MOD_CONTROL | MOD_ALT);
    StoreInt(L"KeyIndexTobeAutomated", KEY_LETTER_A);
    m_hotKeys.TakeByOtherProgram(MOD_CONTROL | MOD_ALT, VK_F6);

    Start();

    ExpectRefusedAndCleared();
    // The shortcut is cleared before the lists are filled; the key chosen before is still chosen.
    EXPECT_EQ(Selection(IDC_KEY_LIST), KEY_LETTER_A);
    EXPECT_EQ(Stored(L"KeyIndexTobeAutomated"), KEY_LETTER_A);
}

// --- Save ---

TEST_P(MainDialogShortcutSave, StoresTheControlsPairAndRegistersItAsReadBack) {
    const ShortcutCase& c = GetParam();
    Start();
    SelectKey(KEY_F5);
    ClearRegistryLog();

    SaveShortcut(c.vk, c.controlModifiers);

    EXPECT_TRUE(m_windows.MessageBoxes().empty());
    EXPECT_EQ(
        RegistryCalls({Narrow(KEY_ENTRY), Narrow(MOD_ENTRY)}),
        (std::vector<std::string>{
            "write Settings 0/Settings 0 StartAutoClickHotkey Key = " + std::to_string(c.vk),
            "write Settings 0/Settings 0 StartAutoClickHotkey Mod = " + std::to_string(c.storedModifiers),
            "read Settings 0/Settings 0 StartAutoClickHotkey Key",
            "read Settings 0/Settings 0 StartAutoClickHotkey Mod"}));
    ASSERT_TRUE(ShortcutRegistered());
    EXPECT_EQ(Registered().modifiers, c.storedModifiers);
    EXPECT_EQ(Registered().vk, c.vk);
    EXPECT_EQ(ControlPair(), HotKeyPair(c.vk, c.controlModifiers));
    EXPECT_EQ(TrayTip(), c.trayTip);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, MainDialogShortcutSave,
    ::testing::Values(ShortcutCase{"CtrlAltF6", VK_F6, 0x0003, HOTKEYF_CONTROL | HOTKEYF_ALT,
                                   L"Ctrl + Alt + F6 - [ F5 ]\nTapwell by Tovrin"},
                      // The control marks Home as extended; that is not the Windows key.
                      ShortcutCase{"ShiftHome", VK_HOME, 0x0004, HOTKEYF_SHIFT | HOTKEYF_EXT,
                                   L"Shift + Home - [ F5 ]\nTapwell by Tovrin"}),
    RowName());

TEST_F(MainDialogShortcut, SaveReplacesTheShortcutRegisteredBefore) {
    StoreShortcut(VK_F5, MOD_ALT);
    Start();
    SelectKey(KEY_F5);

    SaveShortcut(VK_F6, HOTKEYF_CONTROL);

    EXPECT_EQ(m_hotKeys.RegisteredCount(), 1u);
    EXPECT_EQ(Registered().modifiers, MOD_CONTROL);
    EXPECT_EQ(Registered().vk, VK_F6);
}

TEST_F(MainDialogShortcut, SaveWithoutASelectedKeyOpensTheKeyListAndChangesNothing) {
    Start();
    ClearRegistryLog();

    SaveShortcut(VK_F6, HOTKEYF_CONTROL);

    EXPECT_EQ(Boxes(), (std::vector<std::wstring>{Box(MB_ICONINFORMATION, SELECT_KEY_FIRST_BOX)}));
    EXPECT_TRUE(m_windows.ControlState(Main(), IDC_KEY_LIST).droppedDown);
    EXPECT_TRUE(m_windows.HasFocus(Main(), IDC_KEY_LIST));
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(m_hotKeys.Log().Count("RegisterHotKey"), 0u);
}

TEST_F(MainDialogShortcut, SaveWithOnlyModifiersAsksForAKeyAndChangesNothing) {
    StoreShortcut(VK_F5, MOD_ALT);
    Start();
    SelectKey(KEY_F5);
    ClearRegistryLog();
    m_hotKeys.Log().Clear();

    SaveShortcut(0, HOTKEYF_CONTROL | HOTKEYF_SHIFT);

    EXPECT_EQ(Boxes(), (std::vector<std::wstring>{Box(MB_ICONINFORMATION, PRESS_SHORTCUT_FIRST_BOX)}));
    EXPECT_TRUE(m_windows.HasFocus(Main(), IDC_SHORTCUT_KEY));
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(m_hotKeys.Log().Empty());
    EXPECT_EQ(Registered().vk, VK_F5);
}

TEST_F(MainDialogShortcut, TakenShortcutOnSaveIsReportedAndLeavesNoShortcut) {
    StoreShortcut(VK_F5, MOD_ALT);
    Start();
    SelectKey(KEY_F5);
    m_hotKeys.TakeByOtherProgram(MOD_CONTROL | MOD_ALT, VK_F6);

    SaveShortcut(VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT);

    ExpectRefusedAndCleared();
}

namespace {

struct FailedStoreCase : NamedRow {
    bool keyWriteFails; // else only the Mod entry cannot be written
    std::uint32_t vk;   // registered and shown afterwards, with the previous Alt
};
using MainDialogShortcutFailedSave = TableTest<MainDialogShortcutFixture, FailedStoreCase>;

} // namespace

TEST_P(MainDialogShortcutFailedSave, RegistersWhatTheProfileStillHolds) {
    const FailedStoreCase& c = GetParam();
    StoreShortcut(VK_F5, MOD_ALT);
    Start();
    SelectKey(KEY_F5);
    m_store.FailWritesTo(c.keyWriteFails ? KEY_ENTRY : MOD_ENTRY);

    SaveShortcut(VK_F6, HOTKEYF_CONTROL | HOTKEYF_SHIFT);

    EXPECT_EQ(Boxes(), (std::vector<std::wstring>{Box(MB_ICONERROR, SAVE_FAILED)}));
    EXPECT_EQ(ControlPair(), HotKeyPair(c.vk, HOTKEYF_ALT));
    EXPECT_EQ(Registered().modifiers, MOD_ALT);
    EXPECT_EQ(Registered().vk, c.vk);
    EXPECT_EQ(StoredMod(), MOD_ALT);
}

INSTANTIATE_TEST_SUITE_P(Failing, MainDialogShortcutFailedSave,
                         ::testing::Values(FailedStoreCase{"NothingStored", true, VK_F5},
                                           FailedStoreCase{"OnlyTheKeyStored", false, VK_F6}),
                         RowName());

// --- Clear ---

TEST_F(MainDialogShortcut, ClearEmptiesStoresZerosAndUnregisters) {
    StoreShortcut(VK_F6, MOD_CONTROL | MOD_ALT);
    StoreInt(L"KeyIndexTobeAutomated", KEY_F5);
    Start();
    ASSERT_TRUE(ShortcutRegistered());
    ClearRegistryLog();

    ASSERT_TRUE(m_user.Click(IDC_CLEAR_SHORTCUT_KEY, Main()));

    EXPECT_TRUE(m_windows.MessageBoxes().empty());
    EXPECT_EQ(ControlPair(), 0u);
    EXPECT_FALSE(ShortcutRegistered());
    // Stored, read back, then the key list's selection handler writes the index again.
    EXPECT_EQ(RegistryCalls({Narrow(KEY_ENTRY), Narrow(MOD_ENTRY), "KeyIndexTobeAutomated"}),
              (std::vector<std::string>{"write Settings 0/Settings 0 StartAutoClickHotkey Key = 0",
                                        "write Settings 0/Settings 0 StartAutoClickHotkey Mod = 0",
                                        "read Settings 0/Settings 0 StartAutoClickHotkey Key",
                                        "read Settings 0/Settings 0 StartAutoClickHotkey Mod",
                                        "write Settings 0/KeyIndexTobeAutomated = -1",
                                        "write Settings 0/KeyIndexTobeAutomated = 4"}));
    EXPECT_EQ(TrayTip(), APP_TITLE);
}

TEST_F(MainDialogShortcut, ClearThatCannotStoreRegistersThePreviousPairAgain) {
    StoreShortcut(VK_F6, MOD_CONTROL | MOD_ALT);
    StoreInt(L"KeyIndexTobeAutomated", KEY_F5);
    Start();
    m_store.FailWritesTo(KEY_ENTRY);

    ASSERT_TRUE(m_user.Click(IDC_CLEAR_SHORTCUT_KEY, Main()));

    EXPECT_EQ(Boxes(), (std::vector<std::wstring>{Box(MB_ICONERROR, CLEAR_FAILED)}));
    EXPECT_EQ(ControlPair(), HotKeyPair(VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT));
    EXPECT_EQ(Registered().modifiers, MOD_CONTROL | MOD_ALT);
    EXPECT_EQ(Registered().vk, VK_F6);
    EXPECT_EQ(TrayTip(), L"Ctrl + Alt + F6 - [ F5 ]\nTapwell by Tovrin");
}

TEST_F(MainDialogShortcut, RefusedShortcutThatCannotBeClearedEndsAfterOneTryWithNothingRegistered) {
    StoreShortcut(VK_F6, MOD_CONTROL | MOD_ALT);
    m_hotKeys.TakeByOtherProgram(MOD_CONTROL | MOD_ALT, VK_F6);
    m_store.FailWrites(true);

    Start();

    EXPECT_EQ(Boxes(),
              (std::vector<std::wstring>{Box(MB_ICONERROR, LOAD_FAILED), Box(MB_ICONERROR, CLEAR_FAILED)}));
    EXPECT_EQ(m_hotKeys.Log().Count("RegisterHotKey"), 1u);
    EXPECT_EQ(m_hotKeys.RegisteredCount(), 0u);
    EXPECT_EQ(ControlPair(), 0u);
    EXPECT_EQ(TrayTip(), APP_TITLE);
    // Nothing could be written: the next start tries the stored shortcut once more.
    EXPECT_EQ(StoredKey(), VK_F6);
}

TEST_F(MainDialogShortcut, RefusedShortcutThatCannotBeClearedOnSaveAlsoEndsWithNothingRegistered) {
    StoreShortcut(VK_F5, MOD_ALT);
    Start();
    SelectKey(KEY_F5);
    // Nothing can be stored, and another program takes the shortcut that stays stored.
    m_store.FailWritesTo(KEY_ENTRY);
    m_hotKeys.TakeByOtherProgram(MOD_ALT, VK_F5);
    m_hotKeys.Log().Clear();

    SaveShortcut(VK_F6, HOTKEYF_CONTROL);

    EXPECT_EQ(Boxes(),
              (std::vector<std::wstring>{Box(MB_ICONERROR, SAVE_FAILED), Box(MB_ICONERROR, LOAD_FAILED),
                                         Box(MB_ICONERROR, CLEAR_FAILED)}));
    EXPECT_EQ(m_hotKeys.Log().Count("RegisterHotKey"), 1u);
    EXPECT_EQ(m_hotKeys.RegisteredCount(), 0u);
    EXPECT_EQ(ControlPair(), 0u);
    EXPECT_EQ(TrayTip(), APP_TITLE);
}

// --- The shortcut at work ---

TEST_F(MainDialogShortcut, TheSystemsShortcutMessageStartsAndStopsTheRunWhileHidden) {
    Start();
    SelectKey(KEY_F5);
    SaveShortcut(VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT);
    ASSERT_TRUE(m_user.Click(IDC_HIDE_TO_TRAY, Main()));

    m_windows.Enqueue(Msg{Main(), WM_HOTKEY, CPellorDlg::START_STOP_HOTKEY_ID, 0x750003, 0, {}});
    m_windows.DispatchPosted();
    EXPECT_EQ(RunButtons(), RunningButtons());

    m_windows.Enqueue(Msg{Main(), WM_HOTKEY, 2, 0x750003, 0, {}});
    m_windows.DispatchPosted();
    EXPECT_EQ(RunButtons(), RunningButtons());

    m_windows.Enqueue(Msg{Main(), WM_HOTKEY, CPellorDlg::START_STOP_HOTKEY_ID, 0x750003, 0, {}});
    m_windows.DispatchPosted();
    EXPECT_EQ(RunButtons(), IdleButtons());
}

TEST_F(MainDialogShortcut, ShortcutPressedAgainWhileTheStartsRangePromptIsUpLeavesNoRunBehind) {
    Start();
    SelectKey(KEY_F5);
    m_windows.MutableWindow(m_windows.Control(Main(), IDC_DELAY_SECONDS)).text = L"60";
    m_windows.DuringNextMessageBox([this] { Hotkey(CPellorDlg::START_STOP_HOTKEY_ID); });

    Hotkey(CPellorDlg::START_STOP_HOTKEY_ID);

    EXPECT_EQ(Boxes(), (std::vector<std::wstring>{
                           Box(MB_OK | MB_ICONEXCLAMATION, L"Enter an integer between 0 and 59.")}));
    EXPECT_EQ(RunButtons(), IdleButtons());
    EXPECT_FALSE(Tick()) << "a run is armed while the buttons show none";
}

TEST_F(MainDialogShortcut, ClosingReleasesTheShortcutAndKeepsItStored) {
    StoreShortcut(VK_F6, MOD_CONTROL | MOD_ALT);
    Start();
    ASSERT_TRUE(ShortcutRegistered());

    m_user.PressKey(VK_ESCAPE);
    m_windows.DispatchPosted();

    ASSERT_FALSE(MainAlive());
    EXPECT_EQ(m_hotKeys.RegisteredCount(), 0u);
    EXPECT_EQ(StoredKey(), VK_F6);
    EXPECT_EQ(StoredMod(), MOD_CONTROL | MOD_ALT);
}

TEST_F(MainDialogShortcut, TypingIntoTheControlChangesNothingUntilSave) {
    StoreShortcut(VK_F5, MOD_ALT);
    StoreInt(L"KeyIndexTobeAutomated", KEY_F5);
    Start();
    ClearRegistryLog();

    ASSERT_TRUE(m_user.SetHotKey(IDC_SHORTCUT_KEY, VK_F6, HOTKEYF_CONTROL, Main()));

    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(Registered().vk, VK_F5);
    EXPECT_EQ(TrayTip(), L"Alt + F5 - [ F5 ]\nTapwell by Tovrin");
    // The next update of the tooltip shows what the control holds.
    ASSERT_TRUE(m_user.Select(IDC_MODIFIER_LIST, MODIFIER_SHIFT, Main()));
    EXPECT_EQ(TrayTip(), L"Ctrl + F6  - [ Shift + F5 ]\nTapwell by Tovrin");
}
