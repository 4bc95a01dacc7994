#pragma once
// The main dialog with key names in the layout and helpers for the stored start/stop shortcut.
#include <cstdint>
#include <optional>
#include <string>

#include "MainDialogFixture.h"

class MainDialogShortcutFixture : public MainDialogFixture {
protected:
    static constexpr wchar_t KEY_ENTRY[] = L"Settings 0 StartAutoClickHotkey Key";
    static constexpr wchar_t MOD_ENTRY[] = L"Settings 0 StartAutoClickHotkey Mod";

    MainDialogShortcutFixture() {
        const struct {
            std::uint32_t vk;
            std::uint32_t scanCode;
            const wchar_t* name;
        } keys[] = {
            {VK_CONTROL, 0x1D, L"Ctrl"}, {VK_SHIFT, 0x2A, L"Shift"}, {VK_MENU, 0x38, L"Alt"},
            {VK_F5, 0x3F, L"F5"},        {VK_F6, 0x40, L"F6"},
        };
        for (const auto& key : keys) {
            m_layout.SetScanCode(key.vk, key.scanCode);
            m_layout.SetKeyName(static_cast<LParam>(key.scanCode) << 16, key.name);
        }
        m_layout.SetScanCode(VK_HOME, 0x47);
        m_layout.SetKeyName(LParam{0x47} << 16 | LParam{1} << 24, L"Home");
    }

    void StoreShortcut(std::uint32_t vk, std::uint32_t storedModifiers) {
        StoreInt(KEY_ENTRY, static_cast<int>(vk));
        StoreInt(MOD_ENTRY, static_cast<int>(storedModifiers));
    }
    std::optional<int> StoredKey() const { return Stored(KEY_ENTRY); }
    std::optional<int> StoredMod() const { return Stored(MOD_ENTRY); }

    // The hotkey control's pair as HKM_GETHOTKEY gives it: MAKEWORD(vk, HOTKEYF_*).
    std::uint32_t ControlPair() const { return m_windows.ControlState(Main(), IDC_SHORTCUT_KEY).hotKey; }

    bool ShortcutRegistered() const {
        return m_hotKeys.IsRegistered(Main(), CPellorDlg::START_STOP_HOTKEY_ID);
    }
    FakeHotKeys::Combination Registered() const {
        return m_hotKeys.RegisteredAs(Main(), CPellorDlg::START_STOP_HOTKEY_ID);
    }

    std::wstring TrayTip() const { return m_tray.IconOf(Main(), TRAY_ICON_ID).tip; }

    // The user types a combination into the shortcut control and presses "Save Shortcut Key".
    void SaveShortcut(std::uint32_t vk, std::uint32_t controlModifiers) {
        ASSERT_TRUE(m_user.SetHotKey(IDC_SHORTCUT_KEY, vk, controlModifiers, Main()));
        ASSERT_TRUE(m_user.Click(IDC_SAVE_SHORTCUT_KEY, Main()));
    }

    // Message boxes as "<type> <text>" lines; each also checked for owner and caption.
    std::vector<std::wstring> Boxes() const {
        std::vector<std::wstring> boxes;
        for (const MessageBoxRecord& box : m_windows.MessageBoxes()) {
            EXPECT_EQ(box.owner, Main());
            EXPECT_EQ(box.caption, main_dialog_test::APP_TITLE);
            boxes.push_back(std::to_wstring(box.type) + L" " + box.text);
        }
        return boxes;
    }
};
