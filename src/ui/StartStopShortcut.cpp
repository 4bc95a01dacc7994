#include "ui/StartStopShortcut.h"

#include "ports/Win32Constants.h"
#include "resource.h"
#include "settings/InstanceSection.h"
#include "ui/HotKeyModifiers.h"
#include "ui/HotKeyStore.h"
#include "ui/ShortcutTexts.h"

CStartStopShortcut::CStartStopShortcut(CWnd& window, IShortcutListener& listener, const Platform& platform,
                                       CAppSettings& settings, CHotKeyCtrl& control, CComboBox& keyList)
    : m_window(window), m_listener(listener), m_platform(platform), m_settings(settings), m_control(control),
      m_cbKey(keyList) {}

void CStartStopShortcut::OnCommand(int id) {
    if (id == IDC_SAVE_SHORTCUT_KEY) {
        Save();
    } else if (id == IDC_CLEAR_SHORTCUT_KEY) {
        Clear(true);
    }
}

void CStartStopShortcut::Unregister() {
    m_platform.hotKeys.UnregisterHotKey(m_window.m_hWnd, HOTKEY_ID);
}

void CStartStopShortcut::StoreFromControl(const wchar_t* pszFailureText) {
    std::uint32_t nVk = 0;
    std::uint32_t nModifiers = 0;
    m_control.GetHotKey(&nVk, &nModifiers);
    // The instance section is read at each call: it is named only once start-up has counted the
    // other instances.
    if (!CHotKeyStore(m_settings.Profile(), g_strInstanceSection)
             .Write(FormatHotKeyValueBase(g_strInstanceSection), nVk, nModifiers)) {
        m_window.MessageBox(pszFailureText, L"", MB_ICONERROR);
    }
}

void CStartStopShortcut::LoadAndRegister(bool bMayRegister) {
    const StoredHotKey hotKey = CHotKeyStore(m_settings.Profile(), g_strInstanceSection)
                                    .Read(FormatHotKeyValueBase(g_strInstanceSection));
    m_control.SetHotKey(hotKey.vk, hotKey.controlModifiers);
    Unregister();
    if (hotKey.vk == 0) {
        return;
    }
    if (!bMayRegister) {
        // The refused shortcut is still stored: leave it unregistered and let the control say so.
        m_control.SetHotKey(0, 0);
        return;
    }
    if (RegisterHotKeyOnce(m_platform.hotKeys, m_window.m_hWnd, HOTKEY_ID, hotKey.storedModifiers,
                           hotKey.vk)) {
        return;
    }
    // The text is shown as it is, never used as a format string.
    m_window.MessageBox(LOAD_HOTKEY_FAILED, L"", MB_ICONERROR);
    Clear(false);
}

void CStartStopShortcut::Save() {
    if (m_cbKey.GetCurSel() < 0) {
        m_window.MessageBox(SELECT_KEY_FIRST, L"", MB_ICONINFORMATION);
        m_cbKey.ShowDropDown(true);
        m_cbKey.SetFocus();
        return;
    }
    std::uint32_t nVk = 0;
    std::uint32_t nModifiers = 0;
    m_control.GetHotKey(&nVk, &nModifiers);
    if (nVk == 0) {
        m_window.MessageBox(PRESS_SHORTCUT_FIRST, L"", MB_ICONINFORMATION);
        m_control.SetFocus();
        return;
    }
    StoreFromControl(SAVE_HOTKEY_FAILED);
    // What gets registered is what the profile holds now, read back.
    LoadAndRegister(true);
    m_listener.OnShortcutChanged(false);
}

void CStartStopShortcut::Clear(bool bMayRegister) {
    m_control.SetHotKey(0, 0);
    StoreFromControl(CLEAR_HOTKEY_FAILED);
    LoadAndRegister(bMayRegister);
    m_listener.OnShortcutChanged(true);
}
