#include "platform/win32/Win32Windows.h"

#include "platform/win32/Win32Handles.h"

namespace {

HINSTANCE Module() {
    return GetModuleHandleW(nullptr);
}

Rect FromNative(const RECT& native) {
    return Rect{native.left, native.top, native.right, native.bottom};
}

// What a dialog procedure returns for a message: most results travel in DWLP_MSGRESULT with TRUE
// for "handled", but these few are returned directly.
INT_PTR DialogProcedureResult(HWND dialog, UINT message, bool handled, LResult result) {
    switch (message) {
    case WM_INITDIALOG:
        // Left alone, the system gives the focus to the first control, as TRUE asks.
        return handled ? result : TRUE;
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return handled ? result : FALSE;
    case WM_NCDESTROY:
        return handled ? TRUE : FALSE; // the window is gone: nowhere to store a result
    default:
        if (!handled) {
            return FALSE;
        }
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
        return TRUE;
    }
}

// The one dialog procedure of every dialog: the procedure object arrives as the creation
// parameter with WM_INITDIALOG and is kept in the dialog's DWLP_USER slot until WM_NCDESTROY.
INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    IWindowProcedure* procedure = nullptr;
    if (message == WM_INITDIALOG) {
        procedure = reinterpret_cast<IWindowProcedure*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(procedure));
        lParam = 0; // the creation parameter belongs to this adapter
    } else {
        procedure = reinterpret_cast<IWindowProcedure*>(GetWindowLongPtrW(dialog, DWLP_USER));
    }
    if (procedure == nullptr) {
        // Messages before WM_INITDIALOG (WM_SETFONT, WM_NOTIFYFORMAT from the controls being made)
        // come before the object is known: the system's default dialog processing handles them.
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
    }
    LResult result = 0;
    const bool handled = procedure->HandleMessage(FromHandle(dialog), message, wParam, lParam, &result);
    return DialogProcedureResult(dialog, message, handled, result);
}

} // namespace

WindowHandle CWin32Windows::CreateDialogFromTemplate(std::uint32_t templateId, WindowHandle parent,
                                                     IWindowProcedure* procedure) {
    return FromHandle(CreateDialogParamW(Module(), MAKEINTRESOURCEW(templateId), ToHwnd(parent),
                                         DialogProcedure, reinterpret_cast<LPARAM>(procedure)));
}

bool CWin32Windows::DestroyWindow(WindowHandle window) {
    return ::DestroyWindow(ToHwnd(window)) != FALSE;
}

CWin32Windows::CWin32Windows(IMessageSource* source) : m_pSource(source) {}

bool CWin32Windows::GetMessage(Msg* msg) {
    if (m_pSource != nullptr) {
        return m_pSource->GetMessage(msg);
    }
    MSG native{};
    // 0 for WM_QUIT, -1 for an error: either ends the loop.
    const BOOL result = GetMessageW(&native, nullptr, 0, 0);
    *msg = FromNative(native);
    return result > 0;
}

void CWin32Windows::TranslateMessage(const Msg& msg) {
    const MSG native = ToNative(msg);
    ::TranslateMessage(&native);
}

void CWin32Windows::DispatchMessage(const Msg& msg) {
    const MSG native = ToNative(msg);
    DispatchMessageW(&native);
}

bool CWin32Windows::IsDialogMessage(WindowHandle dialog, const Msg& msg) {
    MSG native = ToNative(msg);
    return IsDialogMessageW(ToHwnd(dialog), &native) != FALSE;
}

void CWin32Windows::PostQuitMessage(int exitCode) {
    ::PostQuitMessage(exitCode);
}

LResult CWin32Windows::SendMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    return SendMessageW(ToHwnd(window), message, wParam, lParam);
}

bool CWin32Windows::PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    return PostMessageW(ToHwnd(window), message, wParam, lParam) != FALSE;
}

std::uint32_t CWin32Windows::RegisterWindowMessage(const std::wstring& name) {
    return RegisterWindowMessageW(name.c_str());
}

WindowHandle CWin32Windows::GetDlgItem(WindowHandle dialog, int id) {
    return FromHandle(::GetDlgItem(ToHwnd(dialog), id));
}

std::wstring CWin32Windows::GetWindowText(WindowHandle window) {
    const int length = GetWindowTextLengthW(ToHwnd(window));
    if (length <= 0) {
        return std::wstring();
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(ToHwnd(window), &text[0], length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

bool CWin32Windows::SetWindowText(WindowHandle window, const std::wstring& text) {
    return SetWindowTextW(ToHwnd(window), text.c_str()) != FALSE;
}

bool CWin32Windows::EnableWindow(WindowHandle window, bool enable) {
    return ::EnableWindow(ToHwnd(window), enable ? TRUE : FALSE) != FALSE;
}

bool CWin32Windows::IsWindowEnabled(WindowHandle window) {
    return ::IsWindowEnabled(ToHwnd(window)) != FALSE;
}

bool CWin32Windows::ShowWindow(WindowHandle window, int command) {
    return ::ShowWindow(ToHwnd(window), command) != FALSE;
}

bool CWin32Windows::IsWindowVisible(WindowHandle window) {
    return ::IsWindowVisible(ToHwnd(window)) != FALSE;
}

bool CWin32Windows::IsIconic(WindowHandle window) {
    return ::IsIconic(ToHwnd(window)) != FALSE;
}

int CWin32Windows::GetDlgCtrlID(WindowHandle window) {
    return ::GetDlgCtrlID(ToHwnd(window));
}

bool CWin32Windows::IsWindow(WindowHandle window) {
    return ::IsWindow(ToHwnd(window)) != FALSE;
}

WindowHandle CWin32Windows::GetForegroundWindow() {
    return FromHandle(::GetForegroundWindow());
}

WindowHandle CWin32Windows::SetFocus(WindowHandle window) {
    return FromHandle(::SetFocus(ToHwnd(window)));
}

WindowHandle CWin32Windows::GetFocus() {
    return FromHandle(::GetFocus());
}

bool CWin32Windows::SetForegroundWindow(WindowHandle window) {
    return ::SetForegroundWindow(ToHwnd(window)) != FALSE;
}

WindowHandle CWin32Windows::SetActiveWindow(WindowHandle window) {
    return FromHandle(::SetActiveWindow(ToHwnd(window)));
}

WindowHandle CWin32Windows::GetParent(WindowHandle window) {
    return FromHandle(::GetParent(ToHwnd(window)));
}

bool CWin32Windows::IsChild(WindowHandle parent, WindowHandle window) {
    return ::IsChild(ToHwnd(parent), ToHwnd(window)) != FALSE;
}

std::wstring CWin32Windows::GetClassName(WindowHandle window, int maxCount) {
    if (maxCount <= 0) {
        return std::wstring();
    }
    std::wstring name(static_cast<std::size_t>(maxCount), L'\0');
    const int copied = GetClassNameW(ToHwnd(window), &name[0], maxCount);
    name.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return name;
}

WindowHandle CWin32Windows::FindWindowByTitle(const std::wstring& title) {
    return FromHandle(FindWindowW(nullptr, title.c_str()));
}

WindowHandle CWin32Windows::FindWindow(const std::wstring& className, const std::wstring& title) {
    return FromHandle(FindWindowW(className.c_str(), title.c_str()));
}

bool CWin32Windows::GetWindowRect(WindowHandle window, Rect* rect) {
    RECT native{};
    const bool ok = ::GetWindowRect(ToHwnd(window), &native) != FALSE;
    *rect = FromNative(native);
    return ok;
}

bool CWin32Windows::GetClientRect(WindowHandle window, Rect* rect) {
    RECT native{};
    const bool ok = ::GetClientRect(ToHwnd(window), &native) != FALSE;
    *rect = FromNative(native);
    return ok;
}

bool CWin32Windows::ClientToScreen(WindowHandle window, Point* point) {
    POINT native{point->x, point->y};
    const bool ok = ::ClientToScreen(ToHwnd(window), &native) != FALSE;
    point->x = native.x;
    point->y = native.y;
    return ok;
}

WindowHandle CWin32Windows::WindowFromPoint(Point point) {
    return FromHandle(::WindowFromPoint(POINT{point.x, point.y}));
}

WindowHandle CWin32Windows::GetWindow(WindowHandle window, std::uint32_t command) {
    return FromHandle(::GetWindow(ToHwnd(window), command));
}

std::uint32_t CWin32Windows::GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId) {
    DWORD process = 0;
    const DWORD thread = ::GetWindowThreadProcessId(ToHwnd(window), &process);
    if (processId != nullptr) {
        *processId = process;
    }
    return thread;
}

void CWin32Windows::EnumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) {
    ::EnumChildWindows(ToHwnd(parent), VisitWindow, WindowVisitor(visit));
}

int CWin32Windows::GetSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}

bool CWin32Windows::GetCursorPos(Point* point) {
    POINT native{};
    const bool ok = ::GetCursorPos(&native) != FALSE;
    point->x = native.x;
    point->y = native.y;
    return ok;
}

WindowHandle CWin32Windows::SetCapture(WindowHandle window) {
    return FromHandle(::SetCapture(ToHwnd(window)));
}

bool CWin32Windows::ReleaseCapture() {
    return ::ReleaseCapture() != FALSE;
}

IconHandle CWin32Windows::SetCursor(IconHandle cursor) {
    return FromHandle(::SetCursor(ToHandle<HCURSOR>(cursor)));
}

IconHandle CWin32Windows::LoadWaitCursor() {
    return FromHandle(LoadCursorW(nullptr, IDC_WAIT));
}

int CWin32Windows::ComboAddString(WindowHandle combo, const std::wstring& text) {
    return static_cast<int>(
        SendMessageW(ToHwnd(combo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

std::wstring CWin32Windows::ComboGetItemText(WindowHandle combo, int index) {
    const LRESULT length = SendMessageW(ToHwnd(combo), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) {
        return std::wstring();
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(ToHwnd(combo), CB_GETLBTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

WindowHandle CWin32Windows::CreateToolTip(WindowHandle owner) {
    return FromHandle(CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, ToHwnd(owner), nullptr, Module(),
                                      nullptr));
}

bool CWin32Windows::AddTool(WindowHandle toolTip, WindowHandle owner, WindowHandle tool,
                            const std::wstring& text) {
    // The tool is a window; its mouse messages are relayed by the owner (TTM_RELAYEVENT), not
    // subclassed. The first version of the record is understood by every comctl32.
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = ToHwnd(owner);
    info.uId = static_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    return SendMessageW(ToHwnd(toolTip), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

int CWin32Windows::MessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                              std::uint32_t type) {
    return MessageBoxW(ToHwnd(owner), text.c_str(), caption.c_str(), type);
}

std::wstring CWin32Windows::LoadString(std::uint32_t id) {
    // With a zero buffer size LoadStringW hands out a read-only pointer into the resource itself.
    const wchar_t* resource = nullptr;
    const int length = LoadStringW(Module(), id, reinterpret_cast<LPWSTR>(&resource), 0);
    return length > 0 && resource != nullptr ? std::wstring(resource, static_cast<std::size_t>(length))
                                             : std::wstring();
}

IconHandle CWin32Windows::LoadIcon(std::uint32_t id) {
    return FromHandle(LoadIconW(Module(), MAKEINTRESOURCEW(id)));
}

IconHandle CWin32Windows::LoadCursor(std::uint32_t id) {
    return FromHandle(LoadCursorW(Module(), MAKEINTRESOURCEW(id)));
}
