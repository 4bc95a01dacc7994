// The start/stop shortcut of the main dialog: loaded and registered at start-up, Save and Clear
// with their refusals, what a refused registration or a failed store leaves, and the shortcut at work.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainDialogFixture.h"
#include "unit/TableRows.h"

using namespace main_dialog_test;

namespace {

const std::wstring LOAD_FAILED = Box(MB_ICONERROR, L"Failed to Load Shortcut Key for Auto Key Pressing.");
const std::wstring SAVE_FAILED = Box(MB_ICONERROR, L"Failed to Store HotKey to Start Auto Mouse Clicks.");
const std::wstring CLEAR_FAILED = Box(MB_ICONERROR, L"Failed to Store HotKey to Start Key Pressing.");

// The hotkey control's pair as HKM_GETHOTKEY gives it: MAKEWORD(vk, HOTKEYF_*).
constexpr std::uint32_t Pair(std::uint32_t vk, std::uint32_t controlModifiers) {
    return vk | controlModifiers << 8;
}

enum class Action { StartUp, Save, Clear };
using Combo = FakeHotKeys::Combination; // {MOD_*, vk}
constexpr std::uint32_t CTRL_ALT = MOD_CONTROL | MOD_ALT;
constexpr std::uint32_t CTRL_ALT_F = HOTKEYF_CONTROL | HOTKEYF_ALT;
const wchar_t* const EVERY_VALUE = L"";

// The key F5 is chosen throughout; what the user does with the shortcut, and what shows, is
// registered and is stored afterwards.
struct ShortcutCase : NamedRow {
    Combo stored;              // vk 0: nothing stored
    Combo taken;               // by another program before the action
    const wchar_t* failWrites; // the value whose writes fail, EVERY_VALUE, or nullptr
    Action action;
    std::uint32_t typed; // the pair Save stores
    std::vector<std::wstring> boxes;
    std::uint32_t shown;
    Combo registered;
    std::size_t registerCalls; // during the action
    int storedKey;             // -1: nothing stored
    int storedMod;
    const wchar_t* tipShortcut; // beside "[ F5 ]"; nullptr: the tip is the bare title
};
using MainDialogShortcut = TableTest<MainDialogFixture, ShortcutCase>;

// clang-format off
const ShortcutCase SHORTCUT_CASES[] = {
    {"stored at start-up", {CTRL_ALT, VK_F6}, {}, nullptr, Action::StartUp, 0, {}, Pair(VK_F6, CTRL_ALT_F),
     {CTRL_ALT, VK_F6}, 1, VK_F6, CTRL_ALT, L"Ctrl + Alt + F6"},
    {"nothing stored", {}, {}, nullptr, Action::StartUp, 0, {}, 0, {}, 0, -1, -1, nullptr},
    {"taken at start-up is cleared", {CTRL_ALT, VK_F6}, {CTRL_ALT, VK_F6}, nullptr, Action::StartUp, 0,
     {LOAD_FAILED}, 0, {}, 1, 0, 0, nullptr},
    // Nothing could be written: the next start tries the stored shortcut once more.
    {"taken at start-up and not clearable", {CTRL_ALT, VK_F6}, {CTRL_ALT, VK_F6}, EVERY_VALUE, Action::StartUp, 0,
     {LOAD_FAILED, CLEAR_FAILED}, 0, {}, 1, VK_F6, CTRL_ALT, nullptr},
    {"save replaces the one before", {MOD_ALT, VK_F5}, {}, nullptr, Action::Save, Pair(VK_F6, CTRL_ALT_F), {},
     Pair(VK_F6, CTRL_ALT_F), {CTRL_ALT, VK_F6}, 1, VK_F6, CTRL_ALT, L"Ctrl + Alt + F6"},
    {"save taken by another program", {MOD_ALT, VK_F5}, {CTRL_ALT, VK_F6}, nullptr, Action::Save,
     Pair(VK_F6, CTRL_ALT_F), {LOAD_FAILED}, 0, {}, 1, 0, 0, nullptr},
    {"save storing nothing", {MOD_ALT, VK_F5}, {}, KEY_ENTRY, Action::Save, Pair(VK_F6, HOTKEYF_CONTROL),
     {SAVE_FAILED}, Pair(VK_F5, HOTKEYF_ALT), {MOD_ALT, VK_F5}, 1, VK_F5, MOD_ALT, L"Alt + F5"},
    {"save storing only the key", {MOD_ALT, VK_F5}, {}, MOD_ENTRY, Action::Save, Pair(VK_F6, HOTKEYF_CONTROL),
     {SAVE_FAILED}, Pair(VK_F6, HOTKEYF_ALT), {MOD_ALT, VK_F6}, 1, VK_F6, MOD_ALT, L"Alt + F6"},
    // Nothing can be stored, and another program takes the shortcut that stays stored.
    {"save storing nothing while the old one is taken", {MOD_ALT, VK_F5}, {MOD_ALT, VK_F5}, KEY_ENTRY,
     Action::Save, Pair(VK_F6, HOTKEYF_CONTROL), {SAVE_FAILED, LOAD_FAILED, CLEAR_FAILED}, 0, {}, 1, VK_F5,
     MOD_ALT, nullptr},
    {"clear", {CTRL_ALT, VK_F6}, {}, nullptr, Action::Clear, 0, {}, 0, {}, 0, 0, 0, nullptr},
    {"clear storing nothing registers the pair again", {CTRL_ALT, VK_F6}, {}, KEY_ENTRY, Action::Clear, 0,
     {CLEAR_FAILED}, Pair(VK_F6, CTRL_ALT_F), {CTRL_ALT, VK_F6}, 1, VK_F6, CTRL_ALT, L"Ctrl + Alt + F6"},
};
// clang-format on

} // namespace

TEST_P(MainDialogShortcut, ShowsRegistersAndStoresWhatTheProfileHolds) {
    const ShortcutCase& c = GetParam();
    StoreInt(L"KeyIndexTobeAutomated", KEY_F5);
    if (c.stored.vk != 0) {
        StoreShortcut(c.stored.vk, c.stored.modifiers);
    }
    const auto arrange = [&] {
        if (c.taken.vk != 0) {
            m_hotKeys.TakeByOtherProgram(c.taken.modifiers, c.taken.vk);
        }
        if (c.failWrites == EVERY_VALUE) {
            m_store.FailWrites(true);
        } else if (c.failWrites != nullptr) {
            m_store.FailWritesTo(c.failWrites);
        }
    };
    if (c.action == Action::StartUp) {
        arrange();
    }
    Start();
    if (c.action != Action::StartUp) {
        arrange();
        m_hotKeys.Log().Clear();
    }

    if (c.action == Action::Save) {
        SaveShortcut(c.typed & 0xFF, c.typed >> 8);
    } else if (c.action == Action::Clear) {
        ASSERT_TRUE(m_user.Click(IDC_CLEAR_SHORTCUT_KEY, Main()));
    }

    EXPECT_EQ(Boxes(), c.boxes);
    EXPECT_EQ(ControlPair(), c.shown);
    EXPECT_EQ(Registered(), c.registered);
    EXPECT_EQ(m_hotKeys.RegisteredCount(), c.registered.vk != 0 ? 1u : 0u);
    EXPECT_EQ(m_hotKeys.Log().Count("RegisterHotKey"), c.registerCalls);
    EXPECT_EQ(Stored(KEY_ENTRY).value_or(-1), c.storedKey);
    EXPECT_EQ(Stored(MOD_ENTRY).value_or(-1), c.storedMod);
    EXPECT_EQ(TrayTip(),
              c.tipShortcut ? std::wstring(c.tipShortcut) + L" - [ F5 ]\n" + APP_TITLE : APP_TITLE);
    // A clearing at start-up comes before the lists are filled: the key chosen before stays chosen.
    EXPECT_EQ(Selection(IDC_KEY_LIST), KEY_F5);
    EXPECT_EQ(Stored(L"KeyIndexTobeAutomated"), KEY_F5);
}

INSTANTIATE_TEST_SUITE_P(Cases, MainDialogShortcut, ::testing::ValuesIn(SHORTCUT_CASES), RowName());

namespace {

struct AskCase : NamedRow {
    bool keyChosen;
    std::uint32_t typedModifiers; // with the key F6 when a key is chosen, alone otherwise
    std::wstring box;
    int focus;
};
using MainDialogShortcutSaveAsks = TableTest<MainDialogFixture, AskCase>;

} // namespace

TEST_P(MainDialogShortcutSaveAsks, ShowsWhatIsMissingFocusesItAndChangesNothing) {
    const AskCase& c = GetParam();
    StoreShortcut(VK_F5, MOD_ALT);
    if (c.keyChosen) {
        StoreInt(L"KeyIndexTobeAutomated", KEY_F5);
    }
    Start();
    ClearRegistryLog();

    SaveShortcut(c.keyChosen ? 0 : VK_F6, c.typedModifiers);

    EXPECT_EQ(Boxes(), std::vector<std::wstring>{c.box});
    EXPECT_TRUE(m_windows.HasFocus(Main(), c.focus));
    EXPECT_EQ(m_windows.ControlState(Main(), IDC_KEY_LIST).droppedDown, c.focus == IDC_KEY_LIST);
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(Registered(), (Combo{MOD_ALT, VK_F5}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MainDialogShortcutSaveAsks,
    ::testing::Values(
        AskCase{"no key chosen", false, HOTKEYF_CONTROL,
                Box(MB_ICONINFORMATION, L"First Select Keyboard Key from the Drop Down List.\n\n"
                                        L"Click on the OK Button to View Available Keyboard "
                                        L"Keys for Automation."),
                IDC_KEY_LIST},
        AskCase{"only modifiers typed", true, HOTKEYF_CONTROL | HOTKEYF_SHIFT,
                Box(MB_ICONINFORMATION, L"Click on the White Box With None Written in it.\n\nNow "
                                        L"Press the desired Keyboard Shortcut Key\n\nFinally "
                                        L"Click on the Save Shortcut Key Button."),
                IDC_SHORTCUT_KEY}),
    RowName());

// --- The shortcut at work ---

using MainDialogShortcutAtWork = MainDialogFixture;

TEST_F(MainDialogShortcutAtWork, OnlyItsOwnMessageStartsAndStopsTheRunWhileHidden) {
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

TEST_F(MainDialogShortcutAtWork, PressedAgainWhileTheStartsRangePromptIsUpLeavesNoRunBehind) {
    Start();
    SelectKey(KEY_F5);
    m_windows.MutableWindow(m_windows.Control(Main(), IDC_DELAY_SECONDS)).text = L"60";
    m_windows.DuringNextMessageBox([this] { Hotkey(CPellorDlg::START_STOP_HOTKEY_ID); });

    Hotkey(CPellorDlg::START_STOP_HOTKEY_ID);

    EXPECT_EQ(Boxes(), std::vector<std::wstring>{
                           Box(MB_OK | MB_ICONEXCLAMATION, L"Enter an integer between 0 and 59.")});
    EXPECT_EQ(RunButtons(), IdleButtons());
    EXPECT_FALSE(Tick()) << "a run is armed while the buttons show none";
}

TEST_F(MainDialogShortcutAtWork, TypingIntoTheControlChangesNothingUntilSave) {
    StoreShortcut(VK_F5, MOD_ALT);
    StoreInt(L"KeyIndexTobeAutomated", KEY_F5);
    Start();
    ClearRegistryLog();

    ASSERT_TRUE(m_user.SetHotKey(IDC_SHORTCUT_KEY, VK_F6, HOTKEYF_CONTROL, Main()));

    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(Registered(), (Combo{MOD_ALT, VK_F5}));
    EXPECT_EQ(TrayTip(), L"Alt + F5 - [ F5 ]\nTapwell by Tovrin");
    // The next update of the tooltip shows what the control holds.
    ASSERT_TRUE(m_user.Select(IDC_MODIFIER_LIST, MODIFIER_SHIFT, Main()));
    EXPECT_EQ(TrayTip(), L"Ctrl + F6  - [ Shift + F5 ]\nTapwell by Tovrin");
}

// Windows only: held down, a shortcut registered without MOD_NOREPEAT fires at the repeat rate.
TEST_F(MainDialogShortcutAtWork, HeldDoesNotRepeatAndASystemWithoutTheFlagStillRegistersIt) {
    StoreShortcut(VK_F6, MOD_CONTROL);
    StoreInt(L"KeyIndexTobeAutomated", KEY_F5);
    Start();
    EXPECT_FALSE(m_hotKeys.Repeats(Main(), CPellorDlg::START_STOP_HOTKEY_ID));

    m_hotKeys.m_bRefuseNoRepeat = true;
    SaveShortcut(VK_F6, HOTKEYF_ALT);
    EXPECT_EQ(Registered(), (Combo{MOD_ALT, VK_F6}));
    EXPECT_TRUE(m_hotKeys.Repeats(Main(), CPellorDlg::START_STOP_HOTKEY_ID));
    EXPECT_TRUE(Boxes().empty());
}
