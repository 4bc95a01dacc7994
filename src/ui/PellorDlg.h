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
#include "settings/ProfileFile.h"
#include "ui/HotKeyStore.h"
#include "ui/NamedHotKeyCtrl.h"
#include "ui/RunStatusView.h"
#include "ui/ScreenshotCommand.h"
#include "ui/ToolTipCtrl.h"
#include "ui/TrayIcon.h"

// The message the shell broadcasts when the taskbar is created again, registered at initialisation.
extern std::uint32_t g_nTaskbarCreatedMsg;
// The message through which a script's command reaches this instance, registered at initialisation.
extern std::uint32_t g_nRemoteCommandMsg;

class CPellorDlg : public CDialog, private IPressSessionListener {
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
    static constexpr int START_STOP_HOTKEY_ID = 1;

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
    void OnTrayAddTimer(std::uintptr_t id);
    void RemoveTrayIcon();
    void UpdateTrayTip();

    // The run options (PellorDlgRunOptions.cpp): the countdown, the run's time and clock time, and
    // the pause while the focused window is not the run's own.
    void OnRunOptions();
    // The tray tip's line while a timed run goes, empty otherwise.
    std::wstring RunStateTip();

    // The start/stop shortcut (PellorDlgHotKey.cpp).
    // "<instance section> StartAutoClickHotkey": the stem of the shortcut's two profile entries.
    std::wstring HotKeyValueBase() const;
    StoredHotKey ReadStoredHotKey(const std::wstring& strBase) const;
    bool WriteStoredHotKey(const std::wstring& strBase, std::uint32_t nVk, std::uint32_t nModifiers) const;
    // Stores the control's pair; on failure tells the user with strFailureText.
    bool StoreHotKeyFromControl(const std::wstring& strBase, CHotKeyCtrl& control,
                                const std::wstring& strFailureText);
    // Shows the stored pair in the control and registers it under nId; a refused registration is
    // reported with strFailureText and clears the shortcut.
    void LoadAndRegisterHotKey(const std::wstring& strBase, int nId, CHotKeyCtrl& control,
                               const std::wstring& strFailureText);
    void UnregisterStartStopHotKey();

    // Profiles (PellorDlgProfiles.cpp). Opens the file into the form and the stored values, as if the
    // user had typed them; false, with the message for the user in strError, when the file is refused
    // (nothing is changed then) or a run is going on.
    bool OpenProfile(const std::wstring& strPath, std::wstring& strError);

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
    void TrackContextMenu(Point point);

    // The shortcut's buttons (PellorDlgHotKey.cpp).
    void OnSaveShortcutKey();
    void OnClearShortcutKey();
    // bMayRegister is false on the way back from a refused registration: the clearing may not have
    // been stored, and the pair still stored would only be refused again.
    void ClearShortcutKey(bool bMayRegister);
    void LoadAndRegisterHotKey(const std::wstring& strBase, int nId, CHotKeyCtrl& control,
                               const std::wstring& strFailureText, bool bMayRegister);

    // The option dialogs and the side commands (PellorDlgCommands.cpp).
    void OnRandomDelay();
    void OnSimulationSettings();
    void OnInstanceMode(int id);
    void OnHelpTutorials();
    bool OnHelpInfo(WParam wParam, LParam lParam, LResult* result);
    void OnStartTapforce();
    void OnShare(int id);

    void OnScreenshotToClipboard() { m_screenshot.Start(); }
    // Profiles (PellorDlgProfiles.cpp).
    void OnSaveProfile();
    void OnOpenProfile();
    template <int N> void OnRecentProfile() { OpenRecentProfile(N); }
    void OpenRecentProfile(int nIndex);
    // A file name from a script (WM_COPYDATA): opens the profile, and starts it when asked.
    bool OnCopyData(WParam wParam, LParam lParam, LResult* result);
    // Tells the user why the profile a script sent was refused, once the script has its answer.
    void OnProfileRefused();
    // Opens the file, telling the user when it is refused.
    void OpenProfileAndTell(const std::wstring& strPath);
    ProfileKeyNames KeyNamesOfLists();
    // Shows the stored run in the form, as the dialog's start does.
    void LoadFormFromSettings();
    void RememberProfile(const std::wstring& strPath);
    // Puts the recent profiles into menu before the item before; greyed while a run goes on.
    void ShowRecentProfiles(const CMenu& menu, std::uint32_t before);


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
    // Why the profile a script sent was refused, shown once its sender has the answer.
    std::wstring m_strProfileRefusal;
};
