#include "ui/PellorDlg.h"

#include "core/KeyTable.h"
#include "fw/DataExchange.h"
#include "ports/Win32Constants.h"
#include "resource.h"
#include "ui/AboutDlg.h"
#include "ui/ComboKeyList.h"
#include "ui/DlgWindowSelector.h"

std::uint32_t g_nTaskbarCreatedMsg = 0;

namespace {

constexpr wchar_t TASKBAR_CREATED_MESSAGE[] = L"TaskbarCreated";

constexpr wchar_t TWITTER_TIP[] = L"Tweet About Tovrin Tapwell On Twitter";
constexpr wchar_t FACEBOOK_TIP[] = L"Share Tovrin Tapwell Link On Facebook";
constexpr wchar_t GOOGLE_TIP[] = L"Give Tovrin Tapwell a Plus+ On Google Plus";

// The system keeps the low four bits of a system command for itself.
constexpr WParam SYSTEM_COMMAND_MASK = 0xFFF0;

// Decimal text within the range of the value the field is stored as.
void ExchangeInRange(CDataExchange& dx, int id, int& field, const StoredInt& value) {
    dx.Int(id, field, value.nMin, value.nMax);
}

} // namespace

const MessageMapEntry CPellorDlg::s_messageEntries[] = {
    MessageEntry<&CPellorDlg::OnSysCommand>(WM_SYSCOMMAND),
    MessageEntry<&CPellorDlg::OnPaint>(WM_PAINT),
    MessageEntry<&CPellorDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
    MessageEntry<&CPellorDlg::OnClose>(WM_CLOSE),
    MessageEntry<&CPellorDlg::OnDestroy>(WM_DESTROY),
    MessageEntry<&CPellorDlg::OnEndSession>(WM_ENDSESSION),
    MessageEntry<&CPellorDlg::OnTimer>(WM_TIMER),
    NotifyEntry<&CPellorDlg::OnFormChanged>(EN_CHANGE, IDC_DELAY_MINUTES),
    NotifyEntry<&CPellorDlg::OnFormChanged>(EN_CHANGE, IDC_DELAY_SECONDS),
    NotifyEntry<&CPellorDlg::OnFormChanged>(EN_CHANGE, IDC_DELAY_MILLISECONDS),
    NotifyEntry<&CPellorDlg::OnFormChanged>(EN_CHANGE, IDC_KEYS_TO_PRESS),
    NotifyEntry<&CPellorDlg::OnFormChanged>(BN_CLICKED, IDC_HOLD_KEY),
    NotifyEntry<&CPellorDlg::OnSelchangeKeyList>(CBN_SELCHANGE, IDC_KEY_LIST),
    NotifyEntry<&CPellorDlg::OnSelchangeModifierList>(CBN_SELCHANGE, IDC_MODIFIER_LIST),
    CommandEntry<&CPellorDlg::OnStartKeyPressing>(IDC_START_KEYPRESSING),
    CommandEntry<&CPellorDlg::OnStopKeyPressing>(IDC_STOP_KEYPRESSING),
    CommandEntry<&CPellorDlg::OnTarget>(IDC_TARGET),
    CommandEntry<&CPellorDlg::RefreshKeyLists>(IDC_REFRESH_KEYS),
    CommandEntry<&CPellorDlg::OnExit>(ID_TRAY_EXIT),
    CommandEntry<&CPellorDlg::OnExit>(ID_CONTEXT_EXIT),
    CommandEntry<&CPellorDlg::RefreshKeyLists>(ID_CONTEXT_REFRESH_KEYS),
    MessageEntry<&CPellorDlg::OnTrayNotify>(WM_TRAYNOTIFY),
    RegisteredMessageEntry<&CPellorDlg::OnTaskbarCreated>(&g_nTaskbarCreatedMsg),
    RegisteredMessageEntry<&CPellorDlg::OnRemoteCommand>(&g_nRemoteCommandMsg),
    PointEntry<&CPellorDlg::OnContextMenu>(WM_CONTEXTMENU),
    CommandEntry<&CPellorDlg::OnHideToTray>(IDC_HIDE_TO_TRAY),
    CommandEntry<&CPellorDlg::OnMenuButton>(IDC_MENU),
    CommandEntry<&CPellorDlg::OnTrayShow>(ID_TRAY_SHOW),
    CommandEntry<&CPellorDlg::OnInstanceMode>(ID_CONTEXT_INSTANCE_MODE),
    CommandEntry<&CPellorDlg::OnShortcutCommand>(IDC_SAVE_SHORTCUT_KEY),
    CommandEntry<&CPellorDlg::OnShortcutCommand>(IDC_CLEAR_SHORTCUT_KEY),
    CommandEntry<&CPellorDlg::OnScreenshotToClipboard>(ID_CONTEXT_SCREENSHOT),
    CommandEntry<&CPellorDlg::OnHelpTutorials>(ID_CONTEXT_HELP_TUTORIALS),
    CommandEntry<&CPellorDlg::OnSimulationSettings>(ID_CONTEXT_SIMULATION_SETTINGS),
    CommandEntry<&CPellorDlg::OnRunOptions>(ID_CONTEXT_RUN_OPTIONS),
    CommandEntry<&CPellorDlg::OnStartTapforce>(ID_CONTEXT_START_TAPFORCE),
    CommandEntry<&CPellorDlg::OnShare>(ID_CONTEXT_SHARE_FACEBOOK),
    CommandEntry<&CPellorDlg::OnShare>(IDC_SHARE_FACEBOOK),
    CommandEntry<&CPellorDlg::OnShare>(ID_CONTEXT_SHARE_TWITTER),
    CommandEntry<&CPellorDlg::OnShare>(IDC_SHARE_TWITTER),
    CommandEntry<&CPellorDlg::OnInstanceMode>(IDC_INSTANCE_MODE),
    CommandEntry<&CPellorDlg::OnInstanceMode>(IDC_INSTANCE_MODE_S),
    CommandEntry<&CPellorDlg::OnRandomDelay>(IDC_RANDOM_DELAY),
    MessageEntry<&CPellorDlg::OnHelpInfo>(WM_HELP),
    CommandEntry<&CPellorDlg::OnProfileCommand>(ID_CONTEXT_SAVE_PROFILE),
    CommandEntry<&CPellorDlg::OnProfileCommand>(ID_CONTEXT_OPEN_PROFILE),
    CommandEntry<&CPellorDlg::OnProfileCommand>(ID_PROFILE_REFUSED),
    CommandEntry<&CPellorDlg::OnProfileCommand>(ID_RECENT_PROFILE_FIRST),
    CommandEntry<&CPellorDlg::OnProfileCommand>(ID_RECENT_PROFILE_FIRST + 1),
    CommandEntry<&CPellorDlg::OnProfileCommand>(ID_RECENT_PROFILE_FIRST + 2),
    CommandEntry<&CPellorDlg::OnProfileCommand>(ID_RECENT_PROFILE_FIRST + 3),
    CommandEntry<&CPellorDlg::OnProfileCommand>(ID_RECENT_PROFILE_FIRST + 4),
    MessageEntry<&CPellorDlg::OnCopyData>(WM_COPYDATA),
};

const MessageMap* CPellorDlg::GetMessageMap() const {
    return ChainMessageMap<CDialog, s_messageEntries>(*this);
}

CPellorDlg::CPellorDlg(const Platform& platform, CAppSettings& settings)
    : CDialog(IDD_MAIN_DIALOG, nullptr, platform.windows), m_platform(platform), m_settings(settings),
      m_ctxMenu(platform.menus), m_trayMenu(platform.menus), m_trayIcon(platform.tray, m_trayMenu),
      m_session(platform.timers, platform.random, platform.input, platform.windows.queries, platform.registry,
                platform.process, settings),
      m_targetAccess(platform.windows.queries, platform.process, m_session.PressValues()),
      m_cbModifier(platform.windows), m_cbKey(platform.windows), m_stStatus(platform.windows),
      m_runView(*this, platform.windows.dialogs, m_stStatus), m_hotKey(platform.windows, platform.layout),
      m_screenshot(*this, m_platform), m_shortcut(*this, *this, m_platform, settings, m_hotKey, m_cbKey),
      m_profiles(*this, *this, m_platform, settings, m_session, m_cbKey, m_cbModifier) {
    m_session.AddListener(m_runView);
    m_session.AddListener(*this);
    m_session.AddCheck(m_targetAccess);
}

CPellorDlg::~CPellorDlg() {
    // Past this destructor the window's messages would only reach the base class: destroy it while
    // its WM_DESTROY can still remove the tray icon and the shortcut and release held keys.
    if (m_hWnd != 0) {
        DestroyWindow();
    }
}

void CPellorDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    dx.Control(IDC_MODIFIER_LIST, m_cbModifier);
    dx.Control(IDC_KEY_LIST, m_cbKey);
    dx.Control(IDC_STATUS, m_stStatus);
    dx.Control(IDC_SHORTCUT_KEY, m_hotKey);
    ExchangeInRange(dx, IDC_DELAY_MINUTES, m_nDelayMinutes, AUTO_CLICKS_DELAY_MINS);
    ExchangeInRange(dx, IDC_DELAY_SECONDS, m_nDelaySeconds, AUTO_CLICKS_DELAY_SECONDS);
    ExchangeInRange(dx, IDC_DELAY_MILLISECONDS, m_nDelayMilliseconds, AUTO_CLICKS_DELAY_MILLI_SECONDS);
    ExchangeInRange(dx, IDC_KEYS_TO_PRESS, m_nKeysToPress, SET_NUMBER_OF_CLICKS_TO_AUTOMATE);
    dx.Check(IDC_HOLD_KEY, m_bHoldKey);
}

bool CPellorDlg::PreTranslateMessage(const Msg& msg) {
    if (m_pSocialTips) {
        m_pSocialTips->RelayEvent(msg);
    }
    return CDialog::PreTranslateMessage(msg);
}

bool CPellorDlg::DefWindowProc(std::uint32_t message, WParam wParam, LParam lParam, LResult* result) {
    if (message == WM_HOTKEY) {
        ToggleKeyPressing(static_cast<std::uint32_t>(wParam));
    }
    return CDialog::DefWindowProc(message, wParam, lParam, result);
}

bool CPellorDlg::OnInitDialog() {
    m_nDelayMinutes = m_settings.GetAutoClicksDelayMins();
    m_nDelayMilliseconds = m_settings.GetAutoClicksDelayMilliSeconds();
    m_nDelaySeconds = m_settings.GetAutoClicksDelaySeconds();
    m_nKeysToPress = m_settings.GetSetNumberOfClicksToAutomate();
    m_bHoldKey = m_settings.GetHoldKey();

    CaptureKeyboardState();
    CDialog::OnInitDialog();
    m_session.SetTimerWindow(m_hWnd);

    m_bTwittered = m_settings.Get(TWITTERED);
    m_bFacebooked = m_settings.Get(FACEBOOKED);
    m_bGoogled = m_settings.Get(GOOGLED);
    ShowSocialTips();
    const struct {
        int nFlag;
        int nButton;
    } shareButtons[] = {
        {m_bTwittered, IDC_SHARE_TWITTER},
        {m_bFacebooked, IDC_SHARE_FACEBOOK},
        {m_bGoogled, IDC_SHARE_GOOGLE},
    };
    for (const auto& share : shareButtons) {
        if (share.nFlag != 0) {
            m_dialogs.ShowWindow(GetDlgItem(share.nButton), SW_HIDE);
        }
    }

    g_nTaskbarCreatedMsg = m_messages.RegisterWindowMessage(TASKBAR_CREATED_MESSAGE);
    g_nRemoteCommandMsg = m_messages.RegisterWindowMessage(REMOTE_COMMAND_MESSAGE);
    m_hIcon = m_dialogs.LoadIcon(IDI_TAPWELL);
    AddTrayIcon();
    SetWindowText(GetAppTitle());

    CMenu systemMenu = CMenu::Borrow(m_platform.menus, m_platform.menus.GetSystemMenu(m_hWnd, false));
    if (systemMenu.m_hMenu != 0) {
        const std::wstring strAboutMenu = m_dialogs.LoadString(IDS_ABOUT_MENU_ITEM);
        if (!strAboutMenu.empty()) {
            systemMenu.AppendMenu(MF_SEPARATOR, 0, L"");
            systemMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SetIcon(m_hIcon);

    m_shortcut.LoadAndRegister();

    FillKeyLists();
    m_cbKey.SetCurSel(m_settings.GetKeyIndexTobeAutomated());
    m_cbModifier.SetCurSel(m_settings.GetModKeyIndexTobeAutomated());
    OnSelchangeKeyList();
    OnSelchangeModifierList();
    UpdateTrayTip();

    m_ctxMenu.LoadMenu(IDR_CONTEXT_MENU);
    // The lists are filled once more when the message loop has taken over.
    PostMessage(WM_COMMAND, ID_CONTEXT_REFRESH_KEYS, 0);
    return true;
}

void CPellorDlg::ShowSocialTips() {
    if (m_bTwittered != 0 && m_bFacebooked != 0 && m_bGoogled != 0) {
        return;
    }
    m_pSocialTips = std::make_unique<CToolTipCtrl>(m_platform.windows);
    if (!m_pSocialTips->Create(*this)) {
        return;
    }
    const struct {
        int nFlag;
        int nButton;
        const wchar_t* pszTip;
    } tips[] = {
        {m_bTwittered, IDC_SHARE_TWITTER, TWITTER_TIP},
        {m_bFacebooked, IDC_SHARE_FACEBOOK, FACEBOOK_TIP},
        {m_bGoogled, IDC_SHARE_GOOGLE, GOOGLE_TIP},
    };
    bool bAdded = false;
    for (const auto& tip : tips) {
        if (tip.nFlag == 0 && m_pSocialTips->AddTool(*this, GetDlgItem(tip.nButton), tip.pszTip)) {
            bAdded = true;
        }
    }
    if (bAdded) {
        m_pSocialTips->Activate(true);
    }
}

void CPellorDlg::OnOK() {}

void CPellorDlg::OnCancel() {
    DestroyWindow();
}

bool CPellorDlg::CaptureKeyboardState() {
    const IconHandle hPreviousCursor = m_platform.pointer.SetCursor(m_platform.pointer.LoadWaitCursor());
    const bool bCaptured = m_platform.layout.GetKeyboardState(&m_keyboardState);
    if (bCaptured) {
        m_hKeyboardLayout = m_platform.layout.GetKeyboardLayout(0);
    }
    m_platform.pointer.SetCursor(hPreviousCursor);
    return bCaptured;
}

void CPellorDlg::FillKeyLists() {
    CComboKeyList modifierList(m_cbModifier);
    CComboKeyList keyList(m_cbKey);
    CKeyTable(m_platform.layout, m_keyboardState, m_hKeyboardLayout).FillKeyLists(modifierList, keyList);
}

void CPellorDlg::RefreshKeyLists() {
    CaptureKeyboardState();
    const int nModifier = m_cbModifier.GetCurSel();
    const int nKey = m_cbKey.GetCurSel();
    FillKeyLists();
    if (nModifier >= 0) {
        m_cbModifier.SetCurSel(nModifier);
    }
    if (nKey >= 0) {
        m_cbKey.SetCurSel(nKey);
    }
}

void CPellorDlg::OnSelchangeKeyList() {
    // A refused shortcut at start-up clears it before the lists are filled: an empty list has no
    // selection to store, and the stored one is still to be selected.
    if (m_cbKey.GetCount() <= 0) {
        return;
    }
    StoreListChoice(m_cbKey, m_nKeyVk, &CAppSettings::SetKeyIndexTobeAutomated);
}

void CPellorDlg::OnSelchangeModifierList() {
    StoreListChoice(m_cbModifier, m_nModifierVk, &CAppSettings::SetModKeyIndexTobeAutomated);
}

// The position is stored as -1 first, so that a list without a selection leaves -1 stored.
void CPellorDlg::StoreListChoice(CComboBox& list, int& vk, void (CAppSettings::*store)(int)) {
    vk = 0;
    (m_settings.*store)(-1);
    const int nIndex = list.GetCurSel();
    if (nIndex >= 0) {
        vk = static_cast<int>(list.GetItemData(nIndex));
        (m_settings.*store)(nIndex);
        UpdateTrayTip();
    }
    m_session.Update(Form());
}

void CPellorDlg::OnFormChanged(int id) {
    // Each change reads and checks the whole form, and stores only the field that changed.
    const struct {
        int nControl;
        void (CAppSettings::*store)(int);
        const int& field;
    } fields[] = {
        {IDC_DELAY_MINUTES, &CAppSettings::SetAutoClicksDelayMins, m_nDelayMinutes},
        {IDC_DELAY_SECONDS, &CAppSettings::SetAutoClicksDelaySeconds, m_nDelaySeconds},
        {IDC_DELAY_MILLISECONDS, &CAppSettings::SetAutoClicksDelayMilliSeconds, m_nDelayMilliseconds},
        {IDC_KEYS_TO_PRESS, &CAppSettings::SetSetNumberOfClicksToAutomate, m_nKeysToPress},
        {IDC_HOLD_KEY, &CAppSettings::SetHoldKey, m_bHoldKey},
    };
    if (UpdateData(SAVE_AND_VALIDATE)) {
        for (const auto& field : fields) {
            if (field.nControl == id) {
                (m_settings.*field.store)(field.field);
            }
        }
    }
    m_session.Update(Form());
}

void CPellorDlg::LoadFormFromSettings() {
    m_nDelayMinutes = m_settings.GetAutoClicksDelayMins();
    m_nDelaySeconds = m_settings.GetAutoClicksDelaySeconds();
    m_nDelayMilliseconds = m_settings.GetAutoClicksDelayMilliSeconds();
    m_nKeysToPress = m_settings.GetSetNumberOfClicksToAutomate();
    m_bHoldKey = m_settings.GetHoldKey();
    UpdateData(LOAD_CONTROLS);
    m_cbKey.SetCurSel(m_settings.GetKeyIndexTobeAutomated());
    m_cbModifier.SetCurSel(m_settings.GetModKeyIndexTobeAutomated());
    OnSelchangeKeyList();
    OnSelchangeModifierList();
    UpdateTrayTip();
}

void CPellorDlg::OnShortcutChanged(bool bCleared) {
    if (bCleared) {
        OnSelchangeKeyList();
    }
    UpdateTrayTip();
}

bool CPellorDlg::OnSysCommand(WParam wParam, LParam, LResult* result) {
    if ((wParam & SYSTEM_COMMAND_MASK) != IDM_ABOUTBOX) {
        return false;
    }
    CAboutDlg dlgAbout(this, m_platform);
    dlgAbout.DoModal();
    *result = 0;
    return true;
}

bool CPellorDlg::OnPaint(WParam, LParam, LResult* result) {
    if (!IsIconic()) {
        return false;
    }
    const DeviceContext dc = m_platform.painting.BeginPaint(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, static_cast<WParam>(dc), 0);
    Rect rect;
    GetClientRect(&rect);
    const int cxIcon = m_windows.GetSystemMetrics(SM_CXICON);
    const int cyIcon = m_windows.GetSystemMetrics(SM_CYICON);
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    m_platform.painting.DrawIcon(dc, x, y, m_hIcon);
    m_platform.painting.EndPaint(m_hWnd);
    *result = 0;
    return true;
}

LResult CPellorDlg::OnQueryDragIcon(WParam, LParam) {
    return static_cast<LResult>(m_hIcon);
}

void CPellorDlg::OnClose(WParam, LParam) {
    PostMessage(WM_COMMAND, ID_TRAY_EXIT, 0);
}

// The context menu's "Exit" goes the close box's way; the tray menu's ends at once.
void CPellorDlg::OnExit(int id) {
    if (id == ID_CONTEXT_EXIT) {
        PostMessage(WM_CLOSE, 0, 0);
    } else {
        DestroyWindow();
    }
}

bool CPellorDlg::OnDestroy(WParam, LParam, LResult*) {
    // A run still going must not leave its keys held down.
    m_session.Stop();
    m_pSocialTips.reset();
    m_trayIcon.Remove(m_hWnd);
    m_shortcut.Unregister();
    return false;
}

bool CPellorDlg::OnEndSession(WParam wParam, LParam, LResult*) {
    // The session may end without our windows being destroyed: nothing may stay held down past it.
    if (wParam != 0) {
        m_session.Stop();
    }
    return false;
}

void CPellorDlg::OnTarget() {
    auto pDlg = std::make_unique<CDlgWindowSelector>(this, m_platform, m_settings);
    pDlg->DoModal();
}
