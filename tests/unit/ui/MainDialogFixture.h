#pragma once
// The main dialog over a complete fake platform: its template (and those of the dialogs it opens)
// as data, settings over an in-memory registry whose writes are logged in order, key names for the
// shortcut, and a user in front of it. Start() creates the dialog as start-up does and shows it.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "KeyListPositions.h"
#include "MenuResources.h"
#include "SelectorFixture.h"
#include "fakes/FakeRandomSource.h"
#include "fakes/FakeShell.h"
#include "ui/PellorDlg.h"

namespace main_dialog_test {

inline const std::wstring PROFILE_PATH = L"software\\Tov rin\\Tapwell by Tovrin";
inline const std::wstring SECTION_PATH = PROFILE_PATH + L"\\Settings 0";
inline const std::wstring APP_TITLE = L"Tapwell by Tovrin";
inline constexpr wchar_t KEY_ENTRY[] = L"Settings 0 StartAutoClickHotkey Key";
inline constexpr wchar_t MOD_ENTRY[] = L"Settings 0 StartAutoClickHotkey Mod";

// "<type> <text>" as Boxes() lists a message box.
inline std::wstring Box(std::uint32_t type, const std::wstring& text) {
    return std::to_wstring(type) + L" " + text;
}

} // namespace main_dialog_test

// Public, so that the rows of a table can act on it.
class MainDialogFixture : public ::testing::Test {
public:
    MainDialogFixture() : m_savedSection(g_strInstanceSection), m_nSavedNumber(g_nInstanceNumber) {
        m_profile.SetApplicationName(main_dialog_test::APP_TITLE);
        m_profile.SetRegistryKey(L"Tov rin");
        g_nInstanceNumber = 0;
        m_settings.FormatInstanceSection();
        for (int dialogId : {IDD_MAIN_DIALOG, IDD_ABOUT_DIALOG, IDD_RANDOM_DELAY, IDD_INSTANCE_MODE,
                             IDD_SIMULATION_METHOD}) {
            m_windows.AddDialogTemplate(dialogId, ResourceDialogTemplate(dialogId));
        }
        m_windows.AddDialogTemplate(IDD_WINDOW_SELECTOR, selector_test::SelectorTemplate());
        m_windows.SetString(IDS_ABOUT_MENU_ITEM, L"&About Tovrin Tapwell...");
        AddTrayMenuResource(m_menus);
        AddContextMenuResource(m_menus);
        // The names the shortcut control and the tray tip show.
        const struct {
            std::uint32_t vk;
            LParam scanCode;
            const wchar_t* name;
        } keys[] = {{VK_CONTROL, 0x1D, L"Ctrl"}, {VK_SHIFT, 0x2A, L"Shift"}, {VK_MENU, 0x38, L"Alt"},
                    {VK_F5, 0x3F, L"F5"},        {VK_F6, 0x40, L"F6"},       {VK_HOME, 0x47, L"Home"}};
        for (const auto& key : keys) {
            m_layout.SetScanCode(key.vk, static_cast<std::uint32_t>(key.scanCode));
            m_layout.SetKeyName(key.scanCode << 16 | (key.vk == VK_HOME ? LParam{1} << 24 : 0), key.name);
        }
    }

    ~MainDialogFixture() override {
        g_strInstanceSection = m_savedSection;
        g_nInstanceNumber = m_nSavedNumber;
    }

    // A run keeps the program's keys open until it ends, at the latest with the window.
    void TearDown() override {
        if (m_hMain != 0 && m_windows.IsWindow(m_hMain)) {
            m_windows.DestroyWindow(m_hMain);
        }
        EXPECT_EQ(m_store.OpenKeyCount(), 0u) << "a registry key was left open";
    }

    // --- Start-up ---
    // Creates the main dialog as start-up does and shows it. With dispatch, the messages it posted
    // to itself (the refresh of the key lists) are run as the message loop would.
    void Start(bool dispatch = true) {
        ASSERT_TRUE(m_dialog.Create());
        m_hMain = m_dialog.m_hWnd;
        m_windows.ShowWindow(m_hMain, SW_SHOW);
        if (dispatch) {
            m_windows.DispatchPosted();
        }
    }
    WindowHandle Main() const { return m_hMain; }
    bool MainAlive() const { return m_windows.Exists(m_hMain) && m_windows.Window(m_hMain).IsLive(); }

    // --- The stored settings ---
    void StoreInt(const std::wstring& name, int value, const std::wstring& section = L"Settings 0") {
        m_store.PutDword(main_dialog_test::PROFILE_PATH + L"\\" + section, name,
                         static_cast<std::uint32_t>(value));
    }
    void StoreSeekedWindow(WindowHandle window) {
        m_store.PutDword(selector_test::SEEKED_PATH, L"Settings 0", window);
    }
    void StoreDelay(int minutes, int seconds, int milliseconds) {
        StoreInt(L"AutoClicksDelayMins", minutes);
        StoreInt(L"AutoClicksDelaySeconds", seconds);
        StoreInt(L"AutoClicksDelayMilliSeconds", milliseconds);
    }
    void StoreShortcut(std::uint32_t vk, std::uint32_t storedModifiers) {
        StoreInt(main_dialog_test::KEY_ENTRY, static_cast<int>(vk));
        StoreInt(main_dialog_test::MOD_ENTRY, static_cast<int>(storedModifiers));
    }
    // The stored integer of this instance's section; nothing when it was never written.
    std::optional<int> Stored(const std::wstring& name) const {
        const FakeRegistry::StoredValue* value = m_store.FindValue(main_dialog_test::SECTION_PATH, name);
        if (value == nullptr || value->type != REG_DWORD || value->data.size() != 4) {
            return std::nullopt;
        }
        return static_cast<int>(value->data[0] | value->data[1] << 8 | value->data[2] << 16 |
                                static_cast<std::uint32_t>(value->data[3]) << 24);
    }
    const std::vector<std::string>& Writes() const { return m_store.m_writes; }
    void ClearRegistryLog() { m_store.m_writes.clear(); }

    // --- What the user sees ---
    std::wstring Text(int id) const { return m_windows.TextOf(m_hMain, id); }
    bool Visible(int id) const { return m_windows.ControlState(m_hMain, id).visible; }
    int Selection(int id) const { return m_windows.ControlState(m_hMain, id).curSel; }
    const std::vector<FakeComboItem>& Items(int id) const {
        return m_windows.ControlState(m_hMain, id).items;
    }
    std::wstring Status() const { return Text(IDC_STATUS); }
    // Start / Stop / Random Delay enabled, as the idle and running states set them.
    std::vector<bool> RunButtons() const {
        std::vector<bool> enabled;
        for (int id : {IDC_START_KEYPRESSING, IDC_STOP_KEYPRESSING, IDC_RANDOM_DELAY}) {
            enabled.push_back(m_windows.ControlState(m_hMain, id).enabled);
        }
        return enabled;
    }
    static std::vector<bool> IdleButtons() { return {true, false, true}; }
    static std::vector<bool> RunningButtons() { return {false, true, false}; }
    // Message boxes as "<type> <text>" lines; each also checked for owner and caption.
    std::vector<std::wstring> Boxes() const {
        std::vector<std::wstring> boxes;
        for (const MessageBoxRecord& box : m_windows.MessageBoxes()) {
            EXPECT_EQ(box.owner, Main());
            EXPECT_EQ(box.caption, main_dialog_test::APP_TITLE);
            boxes.push_back(main_dialog_test::Box(box.type, box.text));
        }
        return boxes;
    }
    std::wstring TrayTip() const { return m_tray.IconOf(Main(), TRAY_ICON_ID).tip; }
    // The hotkey control's pair as HKM_GETHOTKEY gives it: MAKEWORD(vk, HOTKEYF_*).
    std::uint32_t ControlPair() const { return m_windows.ControlState(Main(), IDC_SHORTCUT_KEY).hotKey; }
    // The start/stop shortcut as registered; {0, 0} when it is not.
    FakeHotKeys::Combination Registered() const {
        return m_hotKeys.RegisteredAs(Main(), CPellorDlg::START_STOP_HOTKEY_ID);
    }

    // --- The run's timers ---
    bool TimerActive(std::uintptr_t id) const { return m_timers.IsActive(m_hMain, id); }
    // Lets whichever run timer is armed go off once; false when neither is.
    bool Tick() {
        return m_timers.Fire(m_hMain, CPellorDlg::IDT_PRESS_FIXED) ||
               m_timers.Fire(m_hMain, CPellorDlg::IDT_PRESS_RANDOM);
    }
    // A message waiting in the queue for the main dialog (lParam not compared).
    bool IsPostedToMain(std::uint32_t message, WParam wParam) const {
        for (const Msg& msg : m_windows.Posted()) {
            if (msg.hwnd == m_hMain && msg.message == message && msg.wParam == wParam) {
                return true;
            }
        }
        return false;
    }
    void Hotkey(WParam id) { m_windows.Deliver(m_hMain, WM_HOTKEY, id, 0); }

    // --- What the user does ---
    // Selects the key (and modifier) as a user does.
    void SelectKey(int keyIndex, int modifierIndex = -1) {
        if (modifierIndex >= 0) {
            ASSERT_TRUE(m_user.Select(IDC_MODIFIER_LIST, modifierIndex, m_hMain));
        }
        ASSERT_TRUE(m_user.Select(IDC_KEY_LIST, keyIndex, m_hMain));
    }
    // The user types a combination into the shortcut control and presses "Save Shortcut Key".
    void SaveShortcut(std::uint32_t vk, std::uint32_t controlModifiers) {
        ASSERT_TRUE(m_user.SetHotKey(IDC_SHORTCUT_KEY, vk, controlModifiers, Main()));
        ASSERT_TRUE(m_user.Click(IDC_SAVE_SHORTCUT_KEY, Main()));
    }

    WriteLoggingRegistry m_store;
    CProfile m_profile{m_store};
    CAppSettings m_settings{m_profile};
    FakeWindows m_windows;
    FakeMenus m_menus{m_windows};
    FakeTimers m_timers{m_windows};
    CFakeKeyboardInput m_input;
    CFakeKeyboardLayout m_layout;
    FakePainting m_painting;
    FakeHotKeys m_hotKeys;
    FakeNotificationArea m_tray;
    FakeShell m_shell;
    FakeProcess m_process;
    FakeRandomSource m_random;
    FakeClipboard m_clipboard;
    FakeFiles m_files;
    Platform m_platform{m_store,   m_input, m_layout, m_windows, m_windows, m_menus,     m_painting, m_timers,
                        m_hotKeys, m_tray,  m_shell,  m_process, m_random,  m_clipboard, m_files};
    FakeUser m_user{m_windows};
    CPellorDlg m_dialog{m_platform, m_settings};
    WindowHandle m_hMain = 0;

private:
    std::wstring m_savedSection;
    int m_nSavedNumber;
};
