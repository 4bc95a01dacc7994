#pragma once
// The main dialog's start/stop shortcut: kept in this instance's profile section, shown in the
// hotkey control, registered for the dialog's window, and its "Save Shortcut Key" and "Clear" buttons.
#include <cstdint>

#include "fw/ComboBox.h"
#include "fw/HotKeyCtrl.h"
#include "fw/Wnd.h"
#include "ports/Platform.h"
#include "settings/AppSettings.h"

// Told when the shortcut changed; bCleared when it was cleared (by the user or after a refusal).
class IShortcutListener {
public:
    virtual void OnShortcutChanged(bool bCleared) = 0;

protected:
    ~IShortcutListener() = default;
};

class CStartStopShortcut {
public:
    // The only shortcut identifier the main dialog registers and acts on.
    static constexpr int HOTKEY_ID = 1;

    CStartStopShortcut(CWnd& window, IShortcutListener& listener, const Platform& platform,
                       CAppSettings& settings, CHotKeyCtrl& control, CComboBox& keyList);

    // Shows the stored pair in the control and registers it; a refused registration is reported
    // and clears the shortcut.
    void LoadAndRegister() { LoadAndRegister(true); }
    void Unregister();
    // The two buttons: IDC_SAVE_SHORTCUT_KEY and IDC_CLEAR_SHORTCUT_KEY.
    void OnCommand(int id);

private:
    void Save();
    // bMayRegister is false on the way back from a refused registration: the clearing may not have
    // been stored, and the pair still stored would only be refused again.
    void Clear(bool bMayRegister);
    void LoadAndRegister(bool bMayRegister);
    // Stores the control's pair; on failure tells the user with strFailureText.
    void StoreFromControl(const wchar_t* pszFailureText);

    CWnd& m_window;
    IShortcutListener& m_listener;
    const Platform& m_platform;
    CAppSettings& m_settings;
    CHotKeyCtrl& m_control;
    CComboBox& m_cbKey;
};
