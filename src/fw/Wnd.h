#pragma once
// A window of the program, seen through the window ports: message routing through the message map
// chain, dialog data exchange and the window operations handlers need, one port call each.
#include <cstdint>
#include <string>

#include "fw/DataExchangeFailure.h"
#include "fw/MessageMap.h"
#include "ports/IWindowProcedure.h"
#include "ports/Win32Constants.h"
#include "ports/WinTypes.h"
#include "ports/WindowPorts.h"

// Direction of UpdateData.
constexpr bool SAVE_AND_VALIDATE = true;
constexpr bool LOAD_CONTROLS = false;

class CDataExchange;

class CWnd : public IWindowProcedure {
public:
    explicit CWnd(const WindowPorts& windows);
    // Destroys a window it is still the procedure of, so that no message reaches a dead object.
    ~CWnd() override;

    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The window port's entry point: attaches m_hWnd on the first message, routes the message
    // through WindowProc and detaches at WM_NCDESTROY.
    bool HandleMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam,
                       LResult* result) override;

    // The message map chain first, then DefWindowProc. Control notifications (WM_COMMAND from a
    // control) are swallowed while UpdateData runs, so writing a member into an edit does not come
    // back as a change of the form.
    virtual bool WindowProc(std::uint32_t message, WParam wParam, LParam lParam, LResult* result);
    // Sees every message no map entry handled; false leaves it to the system's default processing.
    virtual bool DefWindowProc(std::uint32_t message, WParam wParam, LParam lParam, LResult* result);
    // Gives the window a look at a message before the loop dispatches it; true when consumed.
    virtual bool PreTranslateMessage(const Msg& msg);
    // Looks the message up in GetMessageMap() and its bases, derived class first.
    bool OnWndMsg(std::uint32_t message, WParam wParam, LParam lParam, LResult* result);
    virtual const MessageMap* GetMessageMap() const;

    // A handler of message threw: shows the user what failed, one box at a time. Windows that own
    // something the failure must not leave behind (held keys, a run) override it.
    virtual void OnMessageException(std::uint32_t message, const std::string& strWhat);

    // Dialog data exchange; false when a field failed (the failure has then been reported).
    bool UpdateData(bool saveAndValidate = SAVE_AND_VALIDATE);
    virtual void DoDataExchange(CDataExchange& dx);
    // Shows the standard prompt (warning icon, application title) and puts the focus on the field
    // with its whole text selected.
    virtual void OnDataExchangeFailure(const DataExchangeFailure& failure);

    // Binds the wrapper to an existing window without taking it over (control wrappers).
    void Attach(WindowHandle window) { m_hWnd = window; }
    WindowHandle Detach();
    WindowHandle GetSafeHwnd() const { return m_hWnd; }

    WindowHandle GetDlgItem(int id) const;
    std::wstring GetDlgItemText(int id) const;
    bool SetDlgItemText(int id, const std::wstring& text);
    bool SetWindowText(const std::wstring& text);
    // The icon of the title bar and of the task switcher (WM_SETICON, big and small).
    void SetIcon(IconHandle icon);
    std::wstring GetWindowText() const;
    bool ShowWindow(int command);
    bool EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    bool IsWindowVisible() const;
    bool IsIconic() const;
    bool GetClientRect(Rect* rect) const;
    WindowHandle SetFocus();
    bool SetForegroundWindow();
    bool DestroyWindow();
    bool PostMessage(std::uint32_t message, WParam wParam = 0, LParam lParam = 0);
    LResult SendMessage(std::uint32_t message, WParam wParam = 0, LParam lParam = 0);
    LResult SendDlgItemMessage(int id, std::uint32_t message, WParam wParam = 0, LParam lParam = 0);
    // An empty caption stands for the application title.
    int MessageBox(const std::wstring& text, const std::wstring& caption = L"", std::uint32_t type = MB_OK);
    std::wstring GetAppTitle() const;

    WindowHandle m_hWnd = 0;

protected:
    // Called after the window is gone and detached; the object may delete itself here.
    virtual void PostNcDestroy() {}

    IWindowQueries& m_windows;
    IMessageLoop& m_messages;
    IDialogControls& m_dialogs;

private:
    friend class CWinApp; // marks the main window

    void ReportMessageException(std::uint32_t message, const char* pszWhat);

    bool m_bOwnsWindow = false;         // attached by its first message, not by Attach
    bool m_bReportingException = false; // its box is up: a failure meanwhile shows no second one
    bool m_bNotificationsLocked = false;
    bool m_bMainWindow = false; // its destruction ends the message loop
};
