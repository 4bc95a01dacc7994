#pragma once
// The application's one main window: the form of a run (key, modifier, delay, count, Hold Key,
// shortcut), the status line, and the run itself. Every value of the form is loaded from the
// settings when the dialog starts and written back the moment the user changes it; nothing is
// written when it closes, and destroying it ends the application.
#include <cstdint>
#include <memory>
#include <string>

#include "core/MouseClickManager.h"
#include "core/PressRun.h"
#include "core/RunPowerPolicy.h"
#include "core/StoredSelectedWindow.h"
#include "core/TargetAccess.h"
#include "fw/ComboBox.h"
#include "fw/Dialog.h"
#include "fw/Menu.h"
#include "fw/Static.h"
#include "ports/IKeyboardLayout.h"
#include "ports/Platform.h"
#include "settings/AppSettings.h"
#include "settings/PressSettings.h"
#include "ui/HotKeyStore.h"
#include "ui/NamedHotKeyCtrl.h"
#include "ui/ToolTipCtrl.h"
#include "ui/TrayIcon.h"

// The message the shell broadcasts when the taskbar is created again, registered at initialisation.
extern std::uint32_t g_nTaskbarCreatedMsg;
// The message through which a script's command reaches this instance, registered at initialisation.
extern std::uint32_t g_nRemoteCommandMsg;

class CPellorDlg : public CDialog {
public:
    // The run's window timers: a fixed delay armed once, or a random one re-armed at every press.
    static constexpr std::uintptr_t IDT_PRESS_FIXED = 1;
    static constexpr std::uintptr_t IDT_PRESS_RANDOM = 2;
    // The screenshot's two steps: the Alt+Print Screen keys, then the check of the clipboard.
    static constexpr std::uintptr_t IDT_SCREENSHOT_KEYS = 4;
    static constexpr std::uintptr_t IDT_SCREENSHOT_CHECK = 5;
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

    // The run (PellorDlgRun.cpp).
    void OnStartKeyPressing();
    void OnStopKeyPressing();
    void ToggleKeyPressing(std::uint32_t id);
    // A command from a script (PellorDlgRemoteCommand.cpp): acts as the button, shortcut or menu
    // item of the same name would; anything not addressed to this instance is ignored.
    void OnRemoteCommand(WParam wParam, LParam lParam);
    void OnTimer(std::uintptr_t id);
    // The run's timer went off: does what the run says is due by the clock (a key-up, a press, the
    // end) and sets the next deadline.
    void OnRunDeadline();
    void PressKeyOnce();
    int ComputeNextDelay();
    int DrawRandomExtraDelay(int low, int high);
    // Draws the period that follows the press being made.
    void RestartRandomDelayTimer();
    // Whether keys have somewhere to go; opens the target selector when the stored window is gone.
    bool EnsureTargetWindow();

    // The notification-area icon and the menus (PellorDlgTray.cpp).
    void AddTrayIcon();
    void OnTrayAddTimer(std::uintptr_t id);
    void RemoveTrayIcon();
    void UpdateTrayTip();

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

    // Every key still down because of the run goes up: the last thing done before the process dies.
    void ReleaseKeysAtExit();
    // Keys that ended Tapwells left down go up, as they went down: the first thing done at start.
    void ReleaseKeysOfEndedInstances();

    // The screenshot to the clipboard (PellorDlgScreenshot.cpp): the timer handling passes every
    // timer on; this takes only its own two.
    void OnScreenshotTimer(std::uintptr_t id);

private:
    bool OnSysCommand(WParam wParam, LParam lParam, LResult* result);
    bool OnPaint(WParam wParam, LParam lParam, LResult* result);
    LResult OnQueryDragIcon(WParam wParam, LParam lParam);
    void OnClose(WParam wParam, LParam lParam);
    bool OnDestroy(WParam wParam, LParam lParam, LResult* result);
    bool OnEndSession(WParam wParam, LParam lParam, LResult* result);
    bool OnTimerMessage(WParam wParam, LParam lParam, LResult* result);
    void OnChangeDelayMinutes();
    void OnChangeDelaySeconds();
    void OnChangeDelayMilliseconds();
    void OnChangeKeysToPress();
    void OnHoldKeyClicked();
    // Reads the form and, when every field is valid, stores the one field through the setter.
    void StoreWhenFormValid(void (CAppSettings::*store)(int), const int& field);
    // Takes the list's selected key as the run's and stores its position.
    void StoreListChoice(CComboBox& list, int& vk, void (CAppSettings::*store)(int));
    void OnTarget();
    void OnExitCommand();
    void OnContextExit();

    // The tray icon and the menus (PellorDlgTray.cpp).
    LResult OnTrayNotify(WParam wParam, LParam lParam);
    LResult OnTaskbarCreated(WParam wParam, LParam lParam);
    void OnHideToTray();
    void OnTrayShow();
    // Screen coordinates; (-1, -1) when the menu was asked for from the keyboard.
    void OnContextMenu(Point point);
    void OnMenuButton();
    void OnContextInstanceMode();
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
    void OnInstanceMode();
    void OnHelpTutorials();
    bool OnHelpInfo(WParam wParam, LParam lParam, LResult* result);
    void OnStartTapforce();
    void OnShareFacebook();
    void OnShareTwitter();
    void ShareOn(int nButton, const StoredInt& flag, const std::wstring& strAddress);
    void OpenAddress(const std::wstring& strAddress);

    // The screenshot (PellorDlgScreenshot.cpp).
    void OnScreenshotToClipboard();
    void SendScreenshotKeys();
    // Whether the clipboard now holds a picture of this window, taken by the system or by us.
    bool EnsureScreenshotOnClipboard();

    void ShowSocialTips();
    void EnableDlgItem(int id, bool enable);
    // Sets the run's timer for the deadline the run gives, or ends the run when it says so.
    void FollowRun(const CPressRun::Answer& answer);
    // Shows m_strStatus if it has changed since it was last shown.
    void ShowStatus();
    // A run starts or ends, as far as Windows' own rules go (PellorDlgWindowsRules.cpp).
    void OnRunStarting();
    void OnRunEnded();
    // A press due into a window that would drop it is not made: its place on the grid passes without
    // a count, and the status says why. True when so.
    bool SkipPressRefusedByTarget(bool activeWindow);
    // Shows the refusal when the target refuses presses.
    bool TargetRefusesPresses(bool activeWindow);
    void KillRunTimers();
    // A run still going when the window is destroyed must not leave its keys held down.
    void EndRunWithWindow();

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
    std::wstring m_strStatus;
    bool m_bRunning = false;
    std::uint32_t m_nKeyedCount = 0;
    // The run's timer (which of the two, chosen at start) and what is due when.
    std::uintptr_t m_nRunTimerId = IDT_PRESS_FIXED;
    CPressRun m_run;
    // How often the count of a fast run is redrawn, and when it last was.
    static constexpr Microseconds STATUS_REFRESH = 500000;
    Microseconds m_nStatusShownAt = 0;
    bool m_bStatusPending = false;
    CMenu m_trayMenu;
    CTrayIcon m_trayIcon;
    int m_nTrayAddFailures = 0;
    // What a press reads from the settings, kept between presses while a run watches the registry.
    CPressSettings m_pressSettings;
    CStoredSelectedWindow m_selectedWindow;
    CKeyJournal m_keyJournal;
    CMouseClickManager m_keyInjector;
    // What only Windows enforces on a run: no presses into a program of higher rights, no throttling.
    CTargetAccess m_targetAccess;
    CRunPowerPolicy m_powerPolicy;
    CComboBox m_cbModifier;
    CComboBox m_cbKey;
    CStatic m_stStatus;
    CNamedHotKeyCtrl m_hotKey;
    int m_nDelayMinutes = 0;
    int m_nDelaySeconds = 0;
    int m_nDelayMilliseconds = 0;
    int m_nKeysToPress = 0;
    int m_bHoldKey = 0;
    IconHandle m_hIcon = 0;
    // The clipboard's sequence number when the screenshot was asked for.
    std::uint32_t m_nScreenshotClipboardSequence = 0;
};
