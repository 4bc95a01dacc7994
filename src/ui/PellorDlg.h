#pragma once
// The application's one main window: the form of a run (key, modifier, delay, count, Hold Key,
// shortcut), the status line, and the run itself. Every value of the form is loaded from the
// settings when the dialog starts and written back the moment the user changes it; nothing is
// written when it closes, and destroying it ends the application.
#include <cstdint>
#include <memory>
#include <string>

#include "core/PressSession.h"
#include "core/TargetAccess.h"
#include "fw/ComboBox.h"
#include "fw/Dialog.h"
#include "fw/Menu.h"
#include "fw/Static.h"
#include "ports/IKeyboardLayout.h"
#include "ports/Platform.h"
#include "settings/AppSettings.h"
#include "settings/PressSettings.h"
#include "ui/NamedHotKeyCtrl.h"
#include "ui/ProfileCommands.h"
#include "ui/RemoteCommand.h"
#include "ui/RunStatusView.h"
#include "ui/ScreenshotCommand.h"
#include "ui/StartStopShortcut.h"
#include "ui/ToolTipCtrl.h"
#include "ui/TrayIcon.h"

// The message the shell broadcasts when the taskbar is created again, registered at initialisation.
extern std::uint32_t g_nTaskbarCreatedMsg;

class CPellorDlg : public CDialog,
                   private IPressSessionListener,
                   private IProfileForm,
                   private IShortcutListener {
public:
    // The run's window timers, on this window.
    static constexpr std::uintptr_t IDT_PRESS_FIXED = CPressSession::IDT_PRESS_FIXED;
    static constexpr std::uintptr_t IDT_PRESS_RANDOM = CPressSession::IDT_PRESS_RANDOM;
    // The screenshot's two steps: the Alt+Print Screen keys, then the check of the clipboard.
    static constexpr std::uintptr_t IDT_SCREENSHOT_KEYS = CScreenshotCommand::IDT_SCREENSHOT_KEYS;
    static constexpr std::uintptr_t IDT_SCREENSHOT_CHECK = CScreenshotCommand::IDT_SCREENSHOT_CHECK;
    // The shell refuses the tray icon while it is not ready (Explorer starting at logon): the add is
    // tried again this often, this many times in all, and then the window is shown instead.
    static constexpr std::uintptr_t IDT_TRAY_ADD_RETRY = 11;
    static constexpr std::uint32_t TRAY_ADD_RETRY_INTERVAL = 2000;
    static constexpr int TRAY_ADD_ATTEMPTS = 30;
    // The only shortcut identifier the main dialog registers and acts on.
    static constexpr int START_STOP_HOTKEY_ID = CStartStopShortcut::HOTKEY_ID;

    CPellorDlg(const Platform& platform, CAppSettings& settings);
    ~CPellorDlg() override;

    void DoDataExchange(CDataExchange& dx) override;
    // Relays every message to the share buttons' tips before the dialog keyboard handling.
    bool PreTranslateMessage(const Msg& msg) override;
    // Sees every message no map entry took: WM_HOTKEY toggles the run.
    bool DefWindowProc(std::uint32_t message, WParam wParam, LParam lParam, LResult* result) override;
    bool OnInitDialog() override;
    // Enter never closes the main dialog.
    void OnOK() override;
    // Escape ends the program, as "Exit" does.
    void OnCancel() override;

    const MessageMap* GetMessageMap() const override;
    // A handler failed: the run stops and every key it holds goes up before the user is told.
    void OnMessageException(std::uint32_t message, const std::string& strWhat) override;

    // Shows the wait cursor while it copies the keyboard state and, when that worked, the thread's
    // keyboard layout, from which the letter keys are named.
    bool CaptureKeyboardState();
    void FillKeyLists();
    // Captures the keyboard state and refills both lists, keeping their selections by position.
    void RefreshKeyLists();
    void OnSelchangeKeyList();
    void OnSelchangeModifierList();

    // The run (PellorDlgRun.cpp): the form and the target are the dialog's to check, the rest is
    // the session's.
    void OnStartKeyPressing();
    void OnStopKeyPressing();
    void ToggleKeyPressing(std::uint32_t id);
    CPressSession& Session() { return m_session; }
    // A command from a script (PellorDlgRemoteCommand.cpp): acts as the button, shortcut or menu
    // item of the same name would; anything not addressed to this instance is ignored.
    void OnRemoteCommand(WParam wParam, LParam lParam);
    // Whether keys have somewhere to go; opens the target selector when the stored window is gone.
    bool EnsureTargetWindow();

    // The notification-area icon and the menus (PellorDlgTray.cpp).
    void AddTrayIcon();
    // The tip names the shortcut, the key and, while a timed run goes, the time it has left.
    void UpdateTrayTip();

    // The run options (PellorDlgCommands.cpp): the countdown, the run's time and clock time, and
    // the pause while the focused window is not the run's own.
    void OnRunOptions();

    // Opens a profile into the form and the stored values (ProfileCommands.h).
    bool OpenProfile(const std::wstring& strPath, std::wstring& strError) {
        return m_profiles.OpenProfile(strPath, strError);
    }

private:
    bool OnSysCommand(WParam wParam, LParam lParam, LResult* result);
    bool OnPaint(WParam wParam, LParam lParam, LResult* result);
    LResult OnQueryDragIcon(WParam wParam, LParam lParam);
    void OnClose(WParam wParam, LParam lParam);
    bool OnDestroy(WParam wParam, LParam lParam, LResult* result);
    bool OnEndSession(WParam wParam, LParam lParam, LResult* result);
    // The run's timers go to the session, the others on to the screenshot.
    bool OnTimer(WParam wParam, LParam lParam, LResult* result);
    // The form's values as the session takes them.
    PressForm Form();
    void OnTimeLeftChanged() override { UpdateTrayTip(); }
    // An edit of the form (control id): when every field is valid, the one field is stored; the
    // session gets the form as it now stands.
    void OnFormChanged(int id);
    // Takes the list's selected key as the run's and stores its position.
    void StoreListChoice(CComboBox& list, int& vk, void (CAppSettings::*store)(int));
    void OnTarget();
    void OnExit(int id);

    // The tray icon and the menus (PellorDlgTray.cpp).
    LResult OnTrayNotify(WParam wParam, LParam lParam);
    LResult OnTaskbarCreated(WParam wParam, LParam lParam);
    void OnHideToTray();
    void OnTrayShow();
    // Screen coordinates; (-1, -1) when the menu was asked for from the keyboard.
    void OnContextMenu(Point point);
    void OnMenuButton();

    // The shortcut's two buttons go to m_shortcut; a change shows in the tray tip, and a clearing
    // stores the key list's choice again.
    void OnShortcutCommand(int id) { m_shortcut.OnCommand(id); }
    void OnShortcutChanged(bool bCleared) override;

    // The option dialogs and the side commands (PellorDlgCommands.cpp).
    void OnRandomDelay();
    void OnSimulationSettings();
    void OnInstanceMode(int id);
    void OnHelpTutorials();
    bool OnHelpInfo(WParam wParam, LParam lParam, LResult* result);
    void OnStartTapforce();
    void OnShare(int id);

    void OnScreenshotToClipboard() { m_screenshot.Start(); }
    // The profile commands of the menus, and a file name from a script, go to m_profiles.
    void OnProfileCommand(int id) { m_profiles.OnCommand(id); }
    bool OnCopyData(WParam, LParam lParam, LResult* result) { return m_profiles.OnCopyData(lParam, result); }
    void LoadFormFromSettings() override;

    void ShowSocialTips();

    static const MessageMapEntry s_messageEntries[];

    const Platform m_platform;
    CAppSettings& m_settings;

    CMenu m_ctxMenu;
    std::unique_ptr<CToolTipCtrl> m_pSocialTips;
    KeyboardState m_keyboardState{};
    LayoutHandle m_hKeyboardLayout = 0;
    int m_bTwittered = 0;
    int m_bFacebooked = 0;
    int m_bGoogled = 0;
    int m_nKeyVk = 0;
    int m_nModifierVk = 0;
    CMenu m_trayMenu;
    CTrayIcon m_trayIcon;
    int m_nTrayAddFailures = 0;
    CPressSession m_session;
    // No presses into a program of higher rights, which Windows would drop without a word.
    CTargetAccess m_targetAccess;
    // A start is asking the user (a prompt, the target selector).
    bool m_bStartAsking = false;
    CComboBox m_cbModifier;
    CComboBox m_cbKey;
    CStatic m_stStatus;
    CRunStatusView m_runView;
    CNamedHotKeyCtrl m_hotKey;
    int m_nDelayMinutes = 0;
    int m_nDelaySeconds = 0;
    int m_nDelayMilliseconds = 0;
    int m_nKeysToPress = 0;
    int m_bHoldKey = 0;
    IconHandle m_hIcon = 0;
    CScreenshotCommand m_screenshot;
    CStartStopShortcut m_shortcut;
    CProfileCommands m_profiles;
};
