#include "ui/DlgWindowSelector.h"

#include <cstdint>

#include "core/EditControls.h"
#include "core/PickedWindow.h"
#include "fw/DataExchange.h"
#include "resource.h"

namespace {

constexpr int CLASS_NAME_LIMIT = 199; // the described window

bool PtInRect(const Rect& rect, Point point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

// Shows the system's wait cursor until the scope ends, then puts the previous one back.
class CWaitCursorScope {
public:
    explicit CWaitCursorScope(IPointer& pointer)
        : m_pointer(pointer), m_hPrevious(pointer.SetCursor(pointer.LoadWaitCursor())) {}
    ~CWaitCursorScope() { m_pointer.SetCursor(m_hPrevious); }
    CWaitCursorScope(const CWaitCursorScope&) = delete;
    CWaitCursorScope& operator=(const CWaitCursorScope&) = delete;

private:
    IPointer& m_pointer;
    IconHandle m_hPrevious;
};

} // namespace

const MessageMapEntry CDlgWindowSelector::s_messageEntries[] = {
    PointEntry<&CDlgWindowSelector::OnLButtonDown>(WM_LBUTTONDOWN),
    PointEntry<&CDlgWindowSelector::OnLButtonUp>(WM_LBUTTONUP),
    CommandEntry<&CDlgWindowSelector::OnWindowWithoutControls>(IDC_WINDOW_WITHOUT_CONTROLS),
    CommandEntry<&CDlgWindowSelector::OnDisplaysCharactersClicked>(IDC_SEND_CHARS),
    MessageEntry<&CDlgWindowSelector::OnDestroy>(WM_DESTROY),
};

CDlgWindowSelector::CDlgWindowSelector(CWnd* pParent, const Platform& platform, CAppSettings& settings)
    : CDialog(IDD_WINDOW_SELECTOR, pParent, platform.windows), m_settings(settings),
      m_process(platform.process), m_pointer(platform.pointer),
      m_picker(platform.windows.queries, platform.painting), m_editInfo(platform.windows),
      m_stTarget(platform.windows) {}

const MessageMap* CDlgWindowSelector::GetMessageMap() const {
    return ChainMessageMap<CDialog, s_messageEntries>(*this);
}

void CDlgWindowSelector::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_WINDOW_DESCRIPTION, m_editInfo);
    dx.Control(IDC_SIGHT, m_stTarget);
    dx.Radio({IDC_RECEIVER_ACTIVE_WINDOW, IDC_RECEIVER_SELECTED_WINDOW}, m_nReceiver);
    dx.Check(IDC_SEND_TO_FIRST_EDIT, m_bFirstEdit);
    dx.Check(IDC_SEND_KEY_UPS, m_bSendKeyUp);
    dx.Check(IDC_SEND_CHARS, m_bSendChars);
}

bool CDlgWindowSelector::OnInitDialog() {
    m_nReceiver = m_settings.GetSendKeysToActiveWindow() != 0 ? 0 : 1;
    m_hSelected = m_settings.GetSeekedWindow();
    m_bFirstEdit = m_settings.GetSendKeysToFirstEditOfSelectedWindow();
    m_bSendChars = m_settings.GetSendChars();
    m_bSendKeyUp = m_settings.GetSendKeyUps();

    CDialog::OnInitDialog();

    m_hIcon = m_dialogs.LoadIcon(IDI_TAPWELL);
    SetIcon(m_hIcon);

    m_strText = L"Target Selector - " + GetAppTitle();
    SetWindowText(m_strText);

    m_hIconTarget = m_dialogs.LoadIcon(IDI_TARGET);
    m_hIconEmpty = m_dialogs.LoadIcon(IDI_TARGET_EMPTY);
    m_hCursorTarget = m_pointer.LoadCursor(IDCUR_SIGHT);

    DescribeWindow(m_hSelected);
    return true;
}

void CDlgWindowSelector::OnOK() {
    CWaitCursorScope waitCursor(m_pointer);
    UpdateData(SAVE_AND_VALIDATE);
    m_settings.SetSendKeysToActiveWindow(m_nReceiver == 0 ? 1 : 0);
    // Kept even when the active window is chosen, so that going back to "Selected Window" later
    // finds the earlier pick.
    m_settings.SetSeekedWindow(m_hSelected);
    // Beside the handle, which Windows reuses, what the window is: so a run finds it again.
    m_settings.SetTargetIdentity(CPickedWindow(m_windows, m_process).Identify(m_hSelected));
    m_settings.SetSendKeysToFirstEditOfSelectedWindow(m_bFirstEdit);
    m_settings.SetSendChars(m_bSendChars);
    m_settings.SetSendKeyUps(m_bSendKeyUp);
    CDialog::OnOK();
}

bool CDlgWindowSelector::PreTranslateMessage(const Msg& msg) {
    // The modal loop shows us every message of the thread; only moves that reach this dialog (all
    // of them while it holds the capture) belong to the drag.
    if (m_bDragging != 0 && msg.message == WM_MOUSEMOVE &&
        (msg.hwnd == m_hWnd || m_windows.IsChild(m_hWnd, msg.hwnd))) {
        OnDragMove(msg);
    }
    return CDialog::PreTranslateMessage(msg);
}

bool CDlgWindowSelector::OnLButtonDown(Point point) {
    m_windows.ClientToScreen(m_hWnd, &point);
    Rect sight;
    if (m_windows.GetWindowRect(GetDlgItem(IDC_SIGHT), &sight) && PtInRect(sight, point)) {
        m_stTarget.SetIcon(m_hIconEmpty);
        m_pointer.SetCursor(m_hCursorTarget);
        m_pointer.SetCapture(m_hWnd);
        m_bDragging = 1;
    }
    return false;
}

bool CDlgWindowSelector::OnLButtonUp(Point) {
    if (m_bDragging != 0) {
        m_stTarget.SetIcon(m_hIconTarget);
        m_pointer.ReleaseCapture();
        RemoveOutline();
        m_bDragging = 0;
        UpdateData(SAVE_AND_VALIDATE);
        m_nReceiver = 1;
        UpdateData(LOAD_CONTROLS);
    }
    return false;
}

bool CDlgWindowSelector::OnDestroy(WParam, LParam, LResult*) {
    // Escape or Enter in the middle of a drag closes the dialog with the button still down: the
    // outline must not stay behind in the other program's window.
    RemoveOutline();
    m_bDragging = 0;
    return false;
}

void CDlgWindowSelector::OnWindowWithoutControls() {
    UpdateData(SAVE_AND_VALIDATE);
    m_bSendChars = 0;
    m_bSendKeyUp = 1;
    m_bFirstEdit = 0;
    UpdateData(LOAD_CONTROLS);
}

void CDlgWindowSelector::OnDisplaysCharactersClicked() {
    UpdateData(SAVE_AND_VALIDATE);
    m_dialogs.EnableWindow(GetDlgItem(IDC_SEND_KEY_UPS), m_bSendChars == 0);
    UpdateData(LOAD_CONTROLS);
}

void CDlgWindowSelector::OnDragMove(const Msg& msg) {
    Point point = PointFromLParam(msg.lParam);
    m_windows.ClientToScreen(msg.hwnd, &point);
    m_hSelected = FindWindowAtPoint(point);

    // Our own windows (this dialog among them) may be picked, but are neither outlined nor
    // described: the outline would be drawn over the dialog the user is looking at.
    std::uint32_t processId = 0;
    m_windows.GetWindowThreadProcessId(m_hSelected, &processId);
    if (m_hSelected != 0 && processId == m_process.GetCurrentProcessId()) {
        return;
    }
    if (m_hSelected == m_hHighlighted) {
        return;
    }
    RemoveOutline();
    InvertFrame(m_hSelected);
    m_hHighlighted = m_hSelected;
    DescribeWindow(m_hSelected);
}

void CDlgWindowSelector::RemoveOutline() {
    if (m_hHighlighted != 0) {
        InvertFrame(m_hHighlighted);
        m_hHighlighted = 0;
    }
}

WindowHandle CDlgWindowSelector::FindWindowAtPoint(Point ptScreen) const {
    return m_picker.FindWindowAtPoint(ptScreen);
}

void CDlgWindowSelector::InvertFrame(WindowHandle hWnd) {
    m_picker.InvertFrame(hWnd);
}

void CDlgWindowSelector::DescribeWindow(WindowHandle hWnd) {
    if (!m_windows.IsWindow(hWnd)) {
        m_editInfo.SetWindowText(L"Drag Circle to Desired Window / Control to Select Target Window.");
        return;
    }
    m_szClassName = m_windows.GetClassName(hWnd, CLASS_NAME_LIMIT);
    m_strWindowText = m_windows.GetWindowText(hWnd);
    m_rcWindow = Rect{};
    m_windows.GetWindowRect(hWnd, &m_rcWindow);
    m_strSize = L"Width = " + std::to_wstring(m_rcWindow.right - m_rcWindow.left) + L", Height = " +
                std::to_wstring(m_rcWindow.bottom - m_rcWindow.top);

    m_nControls = 0;
    m_bHasEdit = 0;
    m_windows.EnumChildWindows(hWnd, [this](WindowHandle hChild) { return OnEnumChild(hChild); });

    m_dialogs.EnableWindow(GetDlgItem(IDC_SEND_TO_FIRST_EDIT), m_bHasEdit != 0);
    UpdateData(SAVE_AND_VALIDATE);
    if (m_bHasEdit == 0) {
        m_bFirstEdit = 0;
    }
    UpdateData(LOAD_CONTROLS);

    m_strText = m_strWindowText + L", " + m_szClassName + L", " + m_strSize + L", Control(s) : " +
                std::to_wstring(m_nControls);
    m_editInfo.SetWindowText(m_strText);
}

bool CDlgWindowSelector::OnEnumChild(WindowHandle hChild) {
    ++m_nControls;
    if (EditKindOf(m_windows, hChild) != EditKind::None) {
        m_bHasEdit = 1;
    }
    return true;
}
