// The main dialog's start/stop shortcut: kept in this instance's profile section, shown in the
// hotkey control and registered for the dialog's window.
#include "ui/PellorDlg.h"

#include "ports/Win32Constants.h"
#include "settings/InstanceSection.h"
#include "ui/HotKeyModifiers.h"
#include "ui/ShortcutTexts.h"

std::wstring CPellorDlg::HotKeyValueBase() const {
    return FormatHotKeyValueBase(g_strInstanceSection);
}

StoredHotKey CPellorDlg::ReadStoredHotKey(const std::wstring& strBase) const {
    return CHotKeyStore(m_settings.Profile(), g_strInstanceSection).Read(strBase);
}

bool CPellorDlg::WriteStoredHotKey(const std::wstring& strBase, std::uint32_t nVk,
                                   std::uint32_t nModifiers) const {
    return CHotKeyStore(m_settings.Profile(), g_strInstanceSection).Write(strBase, nVk, nModifiers);
}

bool CPellorDlg::StoreHotKeyFromControl(const std::wstring& strBase, CHotKeyCtrl& control,
                                        const std::wstring& strFailureText) {
    std::uint32_t nVk = 0;
    std::uint32_t nModifiers = 0;
    control.GetHotKey(&nVk, &nModifiers);
    if (WriteStoredHotKey(strBase, nVk, nModifiers)) {
        return true;
    }
    MessageBox(strFailureText, L"", MB_ICONERROR);
    return false;
}

void CPellorDlg::LoadAndRegisterHotKey(const std::wstring& strBase, int nId, CHotKeyCtrl& control,
                                       const std::wstring& strFailureText) {
    LoadAndRegisterHotKey(strBase, nId, control, strFailureText, true);
}

void CPellorDlg::LoadAndRegisterHotKey(const std::wstring& strBase, int nId, CHotKeyCtrl& control,
                                       const std::wstring& strFailureText, bool bMayRegister) {
    const StoredHotKey hotKey = ReadStoredHotKey(strBase);
    control.SetHotKey(hotKey.vk, hotKey.controlModifiers);
    m_platform.hotKeys.UnregisterHotKey(m_hWnd, nId);
    if (hotKey.vk == 0) {
        return;
    }
    if (!bMayRegister) {
        // The refused shortcut is still stored: leave it unregistered and let the control say so.
        control.SetHotKey(0, 0);
        return;
    }
    if (RegisterHotKeyOnce(m_platform.hotKeys, m_hWnd, nId, hotKey.storedModifiers, hotKey.vk)) {
        return;
    }
    // The text is shown as it is, never used as a format string.
    MessageBox(strFailureText, L"", MB_ICONERROR);
    ClearShortcutKey(false);
}

void CPellorDlg::UnregisterStartStopHotKey() {
    m_platform.hotKeys.UnregisterHotKey(m_hWnd, START_STOP_HOTKEY_ID);
}

void CPellorDlg::OnSaveShortcutKey() {
    if (m_cbKey.GetCurSel() < 0) {
        MessageBox(SELECT_KEY_FIRST, L"", MB_ICONINFORMATION);
        m_cbKey.ShowDropDown(true);
        m_cbKey.SetFocus();
        return;
    }
    std::uint32_t nVk = 0;
    std::uint32_t nModifiers = 0;
    m_hotKey.GetHotKey(&nVk, &nModifiers);
    if (nVk == 0) {
        MessageBox(PRESS_SHORTCUT_FIRST, L"", MB_ICONINFORMATION);
        m_hotKey.SetFocus();
        return;
    }
    const std::wstring strBase = HotKeyValueBase();
    StoreHotKeyFromControl(strBase, m_hotKey, SAVE_HOTKEY_FAILED);
    // What gets registered is what the profile holds now, read back.
    LoadAndRegisterHotKey(strBase, START_STOP_HOTKEY_ID, m_hotKey, LOAD_HOTKEY_FAILED);
    UpdateTrayTip();
}

void CPellorDlg::OnClearShortcutKey() {
    ClearShortcutKey(true);
}

void CPellorDlg::ClearShortcutKey(bool bMayRegister) {
    m_hotKey.SetHotKey(0, 0);
    const std::wstring strBase = HotKeyValueBase();
    StoreHotKeyFromControl(strBase, m_hotKey, CLEAR_HOTKEY_FAILED);
    LoadAndRegisterHotKey(strBase, START_STOP_HOTKEY_ID, m_hotKey, LOAD_HOTKEY_FAILED, bMayRegister);
    OnSelchangeKeyList();
    UpdateTrayTip();
}
