#pragma once
// The main dialog over a complete fake platform: its template (and those of the dialogs it opens)
// as data, settings over an in-memory registry whose reads and writes are logged in order, fake
// input, layout, timers, menus, painting, shortcut, tray, shell, process and random source, and a
// user in front of it. Start() creates the dialog as start-up does and shows it.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "KeyListPositions.h"
#include "MenuResources.h"
#include "SelectorFixture.h"
#include "fakes/CallLog.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeDialogTemplate.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeHotKeys.h"
#include "fakes/FakeKeyboardInput.h"
#include "fakes/FakeKeyboardLayout.h"
#include "fakes/FakeMenus.h"
#include "fakes/FakeNotificationArea.h"
#include "fakes/FakePainting.h"
#include "fakes/FakeProcess.h"
#include "fakes/FakeRandomSource.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeTimers.h"
#include "fakes/FakeUser.h"
#include "fakes/FakeWindows.h"
#include "fakes/ResourceDialogTemplates.h"
#include "ports/Platform.h"
#include "ports/Win32Constants.h"
#include "resource.h"
#include "settings/AppSettings.h"
#include "settings/InstanceSection.h"
#include "settings/Profile.h"
#include "ui/PellorDlg.h"

namespace main_dialog_test {

inline const std::wstring PROFILE_PATH = L"software\\Tov rin\\Tapwell by Tovrin";
inline const std::wstring SECTION_PATH = PROFILE_PATH + L"\\Settings 0";
inline const std::wstring SHARED_PATH = PROFILE_PATH + L"\\Settings";
inline const std::wstring SOCIAL_PATH = PROFILE_PATH + L"\\Social";
inline const std::wstring SEEKED_PATH = L"Software\\Tovrin\\Tapwell\\SeekedWindows";
inline const std::wstring APP_TITLE = L"Tapwell by Tovrin";

// Registry calls as lines: "read Settings 0/HoldKey", "write Settings 0/HoldKey = 1",
// "write SeekedWindows/Settings 0 = 4096"; the key is named by its last path component.
class LoggingRegistry : public IRegistry {
public:
    explicit LoggingRegistry(FakeRegistry& store) : m_store(store) {}

    long CreateKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                   RegKeyHandle* result) override {
        const long status = m_store.CreateKey(parent, subKey, access, result);
        if (status == 0) {
            const std::size_t slash = subKey.rfind(L'\\');
            m_keyNames[*result] = Narrow(slash == std::wstring::npos ? subKey : subKey.substr(slash + 1));
        }
        return status;
    }
    long QueryValue(RegKeyHandle key, const std::wstring& name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override {
        // A text is read as a size query followed by the read itself: one logical read.
        const std::pair<RegKeyHandle, std::wstring> value{key, name};
        if (data == nullptr || value != m_sizeQueried) {
            m_log.Add("read " + m_keyNames[key] + "/" + Narrow(name));
        }
        m_sizeQueried = data == nullptr ? value : std::pair<RegKeyHandle, std::wstring>{};
        return m_store.QueryValue(key, name, type, data, size);
    }
    long SetValue(RegKeyHandle key, const std::wstring& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override {
        std::string value;
        if (type == REG_DWORD && size == 4) {
            std::int32_t number = 0;
            for (int i = 3; i >= 0; --i) {
                number = static_cast<std::int32_t>((static_cast<std::uint32_t>(number) << 8) | data[i]);
            }
            value = std::to_string(number);
        } else {
            value = "type " + std::to_string(type);
        }
        m_log.Add("write " + m_keyNames[key] + "/" + Narrow(name) + " = " + value);
        return m_store.SetValue(key, name, type, data, size);
    }
    long CloseKey(RegKeyHandle key) override { return m_store.CloseKey(key); }
    bool WatchKey(RegKeyHandle key) override { return m_store.WatchKey(key); }
    bool TakeKeyChange() override { return m_store.TakeKeyChange(); }
    long CreateVolatileKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                           RegKeyHandle* result) override {
        return m_store.CreateVolatileKey(parent, subKey, access, result);
    }
    long EnumValueName(RegKeyHandle key, std::uint32_t index, std::wstring* name) override {
        return m_store.EnumValueName(key, index, name);
    }
    long DeleteValue(RegKeyHandle key, const std::wstring& name) override {
        return m_store.DeleteValue(key, name);
    }

    CCallLog& Log() { return m_log; }
    const CCallLog& Log() const { return m_log; }

private:
    FakeRegistry& m_store;
    std::map<RegKeyHandle, std::string> m_keyNames;
    std::pair<RegKeyHandle, std::wstring> m_sizeQueried;
    CCallLog m_log;
};

} // namespace main_dialog_test

class MainDialogFixture : public ::testing::Test {
protected:
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
    void StoreInt(const std::wstring& name, int value) {
        m_store.PutDword(main_dialog_test::SECTION_PATH, name, static_cast<std::uint32_t>(value));
    }
    void StoreShared(const std::wstring& name, int value) {
        m_store.PutDword(main_dialog_test::SHARED_PATH, name, static_cast<std::uint32_t>(value));
    }
    void StoreSocial(const std::wstring& name, int value) {
        m_store.PutDword(main_dialog_test::SOCIAL_PATH, name, static_cast<std::uint32_t>(value));
    }
    void StoreSeekedWindow(WindowHandle window) {
        m_store.PutDword(main_dialog_test::SEEKED_PATH, L"Settings 0", window);
    }
    void StoreDelay(int minutes, int seconds, int milliseconds) {
        StoreInt(L"AutoClicksDelayMins", minutes);
        StoreInt(L"AutoClicksDelaySeconds", seconds);
        StoreInt(L"AutoClicksDelayMilliSeconds", milliseconds);
    }
    void StoreRandomRange(int minutes, int seconds, int milliseconds) {
        StoreInt(L"EnableRandomDelay", 1);
        StoreInt(L"RandomClicksDelayMins", minutes);
        StoreInt(L"RandomClicksDelaySeconds", seconds);
        StoreInt(L"RandomClicksDelayMilliSeconds", milliseconds);
    }
    // The stored integer of this instance's section; nothing when it was never written.
    std::optional<int> Stored(const std::wstring& name) const {
        const FakeRegistry::StoredValue* value = m_store.FindValue(main_dialog_test::SECTION_PATH, name);
        if (value == nullptr || value->type != REG_DWORD || value->data.size() != 4) {
            return std::nullopt;
        }
        std::uint32_t number = 0;
        for (int i = 3; i >= 0; --i) {
            number = (number << 8) | value->data[static_cast<std::size_t>(i)];
        }
        return static_cast<int>(number);
    }
    // The registry calls made since the last ClearRegistryLog that concern the given values.
    std::vector<std::string> RegistryCalls(std::initializer_list<std::string> valueNames) {
        std::vector<std::string> calls;
        for (const std::string& line : m_registry.Log().Entries()) {
            for (const std::string& name : valueNames) {
                const std::size_t slash = line.find('/');
                const std::string rest = slash == std::string::npos ? "" : line.substr(slash + 1);
                if (rest == name || rest.rfind(name + " = ", 0) == 0) {
                    calls.push_back(line);
                    break;
                }
            }
        }
        return calls;
    }
    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const std::string& line : m_registry.Log().Entries()) {
            if (line.rfind("write ", 0) == 0) {
                writes.push_back(line);
            }
        }
        return writes;
    }
    void ClearRegistryLog() { m_registry.Log().Clear(); }

    // --- What the user sees ---
    std::wstring Text(int id) const { return m_windows.TextOf(m_hMain, id); }
    bool Enabled(int id) const { return m_windows.ControlState(m_hMain, id).enabled; }
    bool Visible(int id) const { return m_windows.ControlState(m_hMain, id).visible; }
    int Selection(int id) const { return m_windows.ControlState(m_hMain, id).curSel; }
    const std::vector<FakeComboItem>& Items(int id) const {
        return m_windows.ControlState(m_hMain, id).items;
    }
    std::wstring Status() const { return Text(IDC_STATUS); }
    // Start / Stop / Random Delay enabled, as the idle and running states set them.
    std::vector<bool> RunButtons() const {
        return {Enabled(IDC_START_KEYPRESSING), Enabled(IDC_STOP_KEYPRESSING), Enabled(IDC_RANDOM_DELAY)};
    }
    static std::vector<bool> IdleButtons() { return {true, false, true}; }
    static std::vector<bool> RunningButtons() { return {false, true, false}; }

    // --- The run's timers ---
    bool TimerActive(std::uintptr_t id) const { return m_timers.IsActive(m_hMain, id); }
    std::uint32_t TimerPeriod(std::uintptr_t id) const { return m_timers.Interval(m_hMain, id); }
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
    // The tooltip control owned by window, 0 when there is none.
    WindowHandle ToolTipOf(WindowHandle window) const {
        for (WindowHandle handle = window; m_windows.Exists(handle); handle += 4) {
            const FakeWindow& candidate = m_windows.Window(handle);
            if (candidate.className == L"tooltips_class32" && candidate.parent == window &&
                candidate.IsLive()) {
                return handle;
            }
        }
        return 0;
    }
    void Hotkey(WParam id) { m_windows.Deliver(m_hMain, WM_HOTKEY, id, 0); }

    // Queues what the user does in the modal dialog that opens next, noting whether the main dialog
    // was disabled meanwhile.
    void InNextModal(std::function<void()> action) {
        m_windows.QueueUserAction([this, action] {
            m_bMainDisabledInModal = !m_windows.IsWindowEnabled(m_hMain);
            action();
        });
    }

    // Selects the key (and modifier) as a user does.
    void SelectKey(int keyIndex, int modifierIndex = -1) {
        if (modifierIndex >= 0) {
            ASSERT_TRUE(m_user.Select(IDC_MODIFIER_LIST, modifierIndex, m_hMain));
        }
        ASSERT_TRUE(m_user.Select(IDC_KEY_LIST, keyIndex, m_hMain));
    }

    FakeRegistry m_store;
    main_dialog_test::LoggingRegistry m_registry{m_store};
    CProfile m_profile{m_registry};
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
    Platform m_platform{m_registry, m_input,    m_layout, m_windows,   m_windows,
                        m_menus,    m_painting, m_timers, m_hotKeys,   m_tray,
                        m_shell,    m_process,  m_random, m_clipboard, m_files};
    FakeUser m_user{m_windows};
    CPellorDlg m_dialog{m_platform, m_settings};
    WindowHandle m_hMain = 0;
    bool m_bMainDisabledInModal = false;

private:
    std::wstring m_savedSection;
    int m_nSavedNumber;
};
