#include "fw/Wnd.h"

#include <cstdio>
#include <exception>

#include "fw/DataExchange.h"
#include "resource.h"

namespace {

// "<title> met an unexpected error and has stopped what it was doing.\n\nWhat failed: <what> (window
// message 0x0113)." The exception's text is the library's, in plain ASCII as a rule.
std::wstring MessageExceptionText(const std::wstring& strTitle, std::uint32_t message,
                                  const std::string& strWhat) {
    wchar_t szMessage[16] = {};
    std::swprintf(szMessage, sizeof szMessage / sizeof szMessage[0], L"0x%04X",
                  static_cast<unsigned>(message));
    std::wstring strText =
        strTitle + L" met an unexpected error and has stopped what it was doing.\n\nWhat failed: ";
    for (const char ch : strWhat) {
        strText += static_cast<wchar_t>(static_cast<unsigned char>(ch));
    }
    return strText + L" (window message " + szMessage + L").";
}

} // namespace

CWnd::CWnd(const WindowPorts& windows)
    : m_windows(windows.queries), m_messages(windows.messages), m_dialogs(windows.dialogs) {}

CWnd::~CWnd() {
    if (m_bOwnsWindow && m_hWnd != 0) {
        // The derived parts are gone already: the last messages of the window only reach CWnd.
        m_bMainWindow = false;
        m_dialogs.DestroyWindow(m_hWnd);
    }
}

bool CWnd::HandleMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam,
                         LResult* result) {
    if (m_hWnd == 0) {
        m_hWnd = window;
        m_bOwnsWindow = true;
    }
    *result = 0;
    // Left false by a handler that throws: the message then goes on to default processing.
    bool handled = false;
    // Nothing may leave a handler for the system's frames, which cannot carry it: the program would
    // end there with whatever keys it holds still down.
    try {
        handled = WindowProc(message, wParam, lParam, result);
    } catch (const std::exception& failure) {
        *result = 0;
        ReportMessageException(message, failure.what());
    } catch (...) {
        *result = 0;
        ReportMessageException(message, "an unknown error");
    }
    if (message == WM_NCDESTROY) {
        m_hWnd = 0;
        m_bOwnsWindow = false;
        if (m_bMainWindow) {
            m_messages.PostQuitMessage(0);
        }
        PostNcDestroy();
    }
    return handled;
}

bool CWnd::WindowProc(std::uint32_t message, WParam wParam, LParam lParam, LResult* result) {
    if (message == WM_COMMAND && lParam != 0 && m_bNotificationsLocked) {
        *result = 0;
        return true;
    }
    if (OnWndMsg(message, wParam, lParam, result)) {
        return true;
    }
    return DefWindowProc(message, wParam, lParam, result);
}

void CWnd::OnMessageException(std::uint32_t message, const std::string& strWhat) {
    if (m_bReportingException) {
        return;
    }
    m_bReportingException = true;
    MessageBox(MessageExceptionText(GetAppTitle(), message, strWhat), L"", MB_OK | MB_ICONERROR);
    m_bReportingException = false;
}

void CWnd::ReportMessageException(std::uint32_t message, const char* pszWhat) {
    // A report that fails as well is dropped: the message is over either way.
    try {
        OnMessageException(message, pszWhat);
    } catch (...) {
    }
}

bool CWnd::DefWindowProc(std::uint32_t, WParam, LParam, LResult*) {
    return false;
}

bool CWnd::PreTranslateMessage(const Msg&) {
    return false;
}

bool CWnd::OnWndMsg(std::uint32_t message, WParam wParam, LParam lParam, LResult* result) {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageMapEntry& entry = map->entries[i];
            if (MessageMapEntryMatches(entry, message, wParam) &&
                entry.dispatch(*this, wParam, lParam, result)) {
                return true;
            }
        }
    }
    return false;
}

const MessageMap* CWnd::GetMessageMap() const {
    static const MessageMap map{nullptr, nullptr, 0};
    return &map;
}

bool CWnd::UpdateData(bool saveAndValidate) {
    const bool wasLocked = m_bNotificationsLocked;
    m_bNotificationsLocked = true;
    CDataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    m_bNotificationsLocked = wasLocked;
    return !dx.Failed();
}

void CWnd::DoDataExchange(CDataExchange&) {}

void CWnd::OnDataExchangeFailure(const DataExchangeFailure& failure) {
    MessageBox(failure.Prompt(), L"", MB_OK | MB_ICONEXCLAMATION);
    const WindowHandle field = GetDlgItem(failure.id);
    if (field != 0) {
        m_dialogs.SetFocus(field);
        m_messages.SendMessage(field, EM_SETSEL, 0, -1);
    }
}

WindowHandle CWnd::Detach() {
    const WindowHandle window = m_hWnd;
    m_hWnd = 0;
    m_bOwnsWindow = false;
    return window;
}

WindowHandle CWnd::GetDlgItem(int id) const {
    return m_dialogs.GetDlgItem(m_hWnd, id);
}

std::wstring CWnd::GetDlgItemText(int id) const {
    return m_windows.GetWindowText(GetDlgItem(id));
}

bool CWnd::SetDlgItemText(int id, const std::wstring& text) {
    return m_dialogs.SetWindowText(GetDlgItem(id), text);
}

bool CWnd::SetWindowText(const std::wstring& text) {
    return m_dialogs.SetWindowText(m_hWnd, text);
}

void CWnd::SetIcon(IconHandle icon) {
    SendMessage(WM_SETICON, ICON_BIG, static_cast<LParam>(icon));
    SendMessage(WM_SETICON, ICON_SMALL, static_cast<LParam>(icon));
}

std::wstring CWnd::GetWindowText() const {
    return m_windows.GetWindowText(m_hWnd);
}

bool CWnd::ShowWindow(int command) {
    return m_dialogs.ShowWindow(m_hWnd, command);
}

bool CWnd::EnableWindow(bool enable) {
    return m_dialogs.EnableWindow(m_hWnd, enable);
}

bool CWnd::IsWindowEnabled() const {
    return m_windows.IsWindowEnabled(m_hWnd);
}

bool CWnd::IsWindowVisible() const {
    return m_windows.IsWindowVisible(m_hWnd);
}

bool CWnd::IsIconic() const {
    return m_windows.IsIconic(m_hWnd);
}

bool CWnd::GetClientRect(Rect* rect) const {
    return m_windows.GetClientRect(m_hWnd, rect);
}

WindowHandle CWnd::SetFocus() {
    return m_dialogs.SetFocus(m_hWnd);
}

bool CWnd::SetForegroundWindow() {
    return m_dialogs.SetForegroundWindow(m_hWnd);
}

bool CWnd::DestroyWindow() {
    return m_hWnd != 0 && m_dialogs.DestroyWindow(m_hWnd);
}

bool CWnd::PostMessage(std::uint32_t message, WParam wParam, LParam lParam) {
    return m_messages.PostMessage(m_hWnd, message, wParam, lParam);
}

LResult CWnd::SendMessage(std::uint32_t message, WParam wParam, LParam lParam) {
    return m_messages.SendMessage(m_hWnd, message, wParam, lParam);
}

LResult CWnd::SendDlgItemMessage(int id, std::uint32_t message, WParam wParam, LParam lParam) {
    return m_messages.SendMessage(GetDlgItem(id), message, wParam, lParam);
}

int CWnd::MessageBox(const std::wstring& text, const std::wstring& caption, std::uint32_t type) {
    return m_dialogs.MessageBox(m_hWnd, text, caption.empty() ? GetAppTitle() : caption, type);
}

std::wstring CWnd::GetAppTitle() const {
    return m_dialogs.LoadString(IDS_APP_TITLE);
}
