#include "fakes/FakeWindows.h"

#include <algorithm>
#include <utility>

#include "ports/Win32Constants.h"
#include "resource.h"

namespace {

std::wstring ClassNameOf(FakeControlKind kind) {
    switch (kind) {
    case FakeControlKind::Dialog:
        return L"#32770";
    case FakeControlKind::PushButton:
    case FakeControlKind::DefPushButton:
    case FakeControlKind::CheckBox:
    case FakeControlKind::Radio:
    case FakeControlKind::GroupBox:
        return L"Button";
    case FakeControlKind::Edit:
        return L"Edit";
    case FakeControlKind::ComboBox:
        return L"ComboBox";
    case FakeControlKind::Static:
        return L"Static";
    case FakeControlKind::HotKey:
        return L"msctls_hotkey32";
    case FakeControlKind::Window:
        break;
    }
    return L"";
}

FakeControlKind KindOfClass(const std::wstring& className) {
    for (FakeControlKind kind : {FakeControlKind::Edit, FakeControlKind::ComboBox, FakeControlKind::Static,
                                 FakeControlKind::HotKey, FakeControlKind::PushButton}) {
        if (ClassNameOf(kind) == className) {
            return kind;
        }
    }
    return FakeControlKind::Window;
}

WParam MakeWParam(int low, std::uint32_t high) {
    return static_cast<WParam>((static_cast<std::uint32_t>(low) & 0xFFFF) | ((high & 0xFFFF) << 16));
}

std::string Quoted(const std::wstring& text) {
    return "\"" + Narrow(text) + "\"";
}

// The most recently created of windows (in creation order) that is still alive, 0 when none.
WindowHandle NewestLive(const FakeWindowTree& tree, const std::vector<WindowHandle>& windows) {
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (tree.At(*it).IsLive()) {
            return *it;
        }
    }
    return 0;
}

} // namespace

FakeWindows::FakeWindows() {
    m_strings[IDS_APP_TITLE] = L"" TAPWELL_APP_TITLE;
    m_systemMetrics[SM_CXICON] = 32;
    m_systemMetrics[SM_CYICON] = 32;
    m_systemMetrics[SM_CXVIRTUALSCREEN] = 1280;
    m_systemMetrics[SM_CYVIRTUALSCREEN] = 1024;
}

FakeWindows::~FakeWindows() = default;

// --- Windows and dialogs ---

FakeWindow& FakeWindows::NewWindow(FakeControlKind kind, const std::wstring& className, WindowHandle parent,
                                   bool child) {
    FakeWindow& window = m_tree.Add(kind, className, parent, child);
    window.processId = kOwnProcessId;
    window.threadId = kOwnThreadId;
    return window;
}

WindowHandle FakeWindows::CreateDialogFromTemplate(std::uint32_t templateId, WindowHandle parent,
                                                   IWindowProcedure* procedure) {
    m_log.Add(Call("CreateDialogFromTemplate", {std::to_string(templateId), Hex(parent)}));
    const auto found = m_templates.find(templateId);
    if (found == m_templates.end() || (parent != 0 && FindLive(parent) == nullptr)) {
        return 0;
    }
    const FakeDialogTemplate dialogTemplate = found->second;

    FakeWindow& dialog =
        NewWindow(FakeControlKind::Dialog, ClassNameOf(FakeControlKind::Dialog), parent, false);
    dialog.text = dialogTemplate.caption;
    dialog.visible = dialogTemplate.visible;
    dialog.rect = dialogTemplate.rect;
    dialog.procedure = procedure;
    dialog.templateId = templateId;
    const WindowHandle handle = dialog.handle;
    for (const FakeControl& control : dialogTemplate.controls) {
        FakeWindow& window = NewWindow(control.kind, ClassNameOf(control.kind), handle, true);
        window.id = control.id;
        window.text = control.text;
        window.visible = control.visible;
        window.enabled = control.enabled;
        window.digitsOnly = control.digitsOnly;
        window.groupStart = control.groupStart;
        window.tabStop = control.tabStop;
        window.rect = control.rect;
    }

    const WindowHandle firstTabStop = m_tree.FirstTabStop(handle);
    LResult result = 0;
    const bool handled =
        procedure != nullptr && procedure->HandleMessage(handle, WM_INITDIALOG, firstTabStop, 0, &result);
    FakeWindow* created = FindLive(handle);
    if (created == nullptr) {
        return 0;
    }
    // FALSE from WM_INITDIALOG means the procedure has placed the focus itself.
    if (!handled || result != 0) {
        created->lastFocus = firstTabStop;
    }
    if (created->visible) {
        Activate(handle);
    }
    return handle;
}

bool FakeWindows::DestroyWindow(WindowHandle window) {
    FakeWindow* target = FindLive(window);
    if (target == nullptr || target->destroying) {
        return false;
    }
    m_log.Add(Call("DestroyWindow", {Hex(window)}));
    target->destroying = true;
    const bool focusInside = m_focus == window || IsChild(window, m_focus);

    // Owned windows go before their owner.
    for (WindowHandle other : m_tree.TopLevelWindows()) {
        const FakeWindow* owned = FindLive(other);
        if (owned != nullptr && !owned->child && owned->parent == window && !owned->destroying) {
            DestroyWindow(other);
        }
    }
    Deliver(window, WM_DESTROY, 0, 0);
    DestroyChildren(window);
    Deliver(window, WM_NCDESTROY, 0, 0);

    FakeWindow& gone = m_tree.At(window);
    gone.destroyed = true;
    if (focusInside) {
        m_focus = 0;
    }
    if (m_capture == window) {
        m_capture = 0;
    }
    if (m_active == window) {
        m_active = 0;
        const FakeWindow* owner = FindLive(gone.parent);
        if (!gone.child && owner != nullptr && owner->enabled && owner->visible) {
            Activate(gone.parent);
        }
    }
    return true;
}

void FakeWindows::DestroyChildren(WindowHandle window) {
    for (WindowHandle child : m_tree.ChildrenOf(window)) {
        FakeWindow& control = m_tree.At(child);
        control.destroying = true;
        Deliver(child, WM_DESTROY, 0, 0);
        DestroyChildren(child);
        Deliver(child, WM_NCDESTROY, 0, 0);
        m_tree.At(child).destroyed = true;
    }
}

void FakeWindows::AddDialogTemplate(std::uint32_t templateId, FakeDialogTemplate dialogTemplate) {
    m_templates[templateId] = std::move(dialogTemplate);
}

WindowHandle FakeWindows::AddTopLevelWindow(const std::wstring& title, const std::wstring& className,
                                            Rect rect, std::uint32_t processId, std::uint32_t threadId) {
    FakeWindow& window = NewWindow(FakeControlKind::Window, className, 0, false);
    window.text = title;
    window.rect = rect;
    window.processId = processId;
    window.threadId = threadId;
    return window.handle;
}

WindowHandle FakeWindows::AddChildWindow(WindowHandle parent, const std::wstring& className, int id,
                                         Rect rect, const std::wstring& text) {
    const FakeWindow& owner = Window(parent);
    const std::uint32_t processId = owner.processId;
    const std::uint32_t threadId = owner.threadId;
    FakeWindow& window = NewWindow(KindOfClass(className), className, parent, true);
    window.id = id;
    window.rect = rect;
    window.text = text;
    window.processId = processId;
    window.threadId = threadId;
    return window.handle;
}

// --- Messages ---

LResult FakeWindows::Deliver(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    FakeWindow* target = FindLive(window);
    if (target == nullptr) {
        return 0;
    }
    if (target->procedure != nullptr) {
        IWindowProcedure* procedure = target->procedure;
        LResult result = 0;
        if (procedure->HandleMessage(window, message, wParam, lParam, &result)) {
            return result;
        }
        return DefaultProcessing(window, message, wParam, lParam);
    }
    if (message == BM_CLICK) {
        ClickButton(window);
        return 0;
    }
    LResult result = 0;
    target->ControlMessage(message, wParam, lParam, &result);
    return result;
}

LResult FakeWindows::DefaultProcessing(WindowHandle window, std::uint32_t message, WParam wParam,
                                       LParam lParam) {
    m_defaultProcessed.push_back(Msg{window, message, wParam, lParam, 0, {}});
    switch (message) {
    case WM_CLOSE:
        // The system's dialog procedure turns the close box into the Cancel command, posted.
        Enqueue(Msg{window,
                    WM_COMMAND,
                    MakeWParam(IDCANCEL, BN_CLICKED),
                    static_cast<LParam>(GetDlgItem(window, IDCANCEL)),
                    0,
                    {}});
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            return Deliver(window, WM_CLOSE, 0, 0);
        }
        return 0;
    default: {
        LResult result = 0;
        m_tree.At(window).ControlMessage(message, wParam, lParam, &result);
        return result;
    }
    }
}

bool FakeWindows::GetMessage(Msg* msg) {
    for (;;) {
        if (!m_posted.empty()) {
            *msg = m_posted.front();
            m_posted.pop_front();
            return msg->message != WM_QUIT;
        }
        if (m_bQuitPending) {
            m_bQuitPending = false;
            *msg = Msg{0, WM_QUIT, static_cast<WParam>(m_nQuitCode), 0, 0, {}};
            return false;
        }
        if (!m_userActions.empty()) {
            std::function<void()> action = std::move(m_userActions.front());
            m_userActions.pop_front();
            action();
            // The input that carried the action is a message of its own, so the loop looks at its
            // state (EndDialog, a destroyed window) before it waits again.
            if (m_posted.empty() && !m_bQuitPending) {
                *msg = Msg{0, WM_NULL, 0, 0, 0, {}};
                return true;
            }
            continue;
        }
        *msg = Msg{};
        ++m_nRanDry;
        return false;
    }
}

void FakeWindows::TranslateMessage(const Msg&) {}

void FakeWindows::DispatchMessage(const Msg& msg) {
    if (msg.hwnd != 0) {
        Deliver(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    }
}

bool FakeWindows::IsDialogMessage(WindowHandle dialog, const Msg& msg) {
    if (FindLive(dialog) == nullptr || (msg.hwnd != dialog && !IsChild(dialog, msg.hwnd))) {
        return false;
    }
    if (msg.message == WM_KEYDOWN) {
        if (msg.wParam == VK_RETURN) {
            int id = IDOK;
            for (WindowHandle child : m_tree.ChildrenOf(dialog)) {
                const FakeWindow& control = m_tree.At(child);
                if (control.kind == FakeControlKind::DefPushButton && control.enabled) {
                    id = control.id;
                    break;
                }
            }
            Deliver(dialog, WM_COMMAND, MakeWParam(id, BN_CLICKED),
                    static_cast<LParam>(GetDlgItem(dialog, id)));
            return true;
        }
        if (msg.wParam == VK_ESCAPE) {
            Deliver(dialog, WM_COMMAND, MakeWParam(IDCANCEL, BN_CLICKED),
                    static_cast<LParam>(GetDlgItem(dialog, IDCANCEL)));
            return true;
        }
        if (msg.wParam == VK_TAB) {
            const WindowHandle next = m_tree.NextTabStop(dialog, m_focus);
            if (next != 0) {
                m_focus = next;
                m_tree.At(dialog).lastFocus = next;
            }
            return true;
        }
    }
    Deliver(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    return true;
}

void FakeWindows::PostQuitMessage(int exitCode) {
    m_log.Add(Call("PostQuitMessage", {std::to_string(exitCode)}));
    m_bQuitPending = true;
    m_nQuitCode = exitCode;
    m_quitCodes.push_back(exitCode);
}

LResult FakeWindows::SendMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    m_log.Add(
        Call("SendMessage", {Hex(window), Hex(message, 4), std::to_string(static_cast<std::intptr_t>(wParam)),
                             std::to_string(lParam)}));
    return Deliver(window, message, wParam, lParam);
}

bool FakeWindows::PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    m_log.Add(
        Call("PostMessage", {Hex(window), Hex(message, 4), std::to_string(static_cast<std::intptr_t>(wParam)),
                             std::to_string(lParam)}));
    if (window != 0 && FindLive(window) == nullptr) {
        return false;
    }
    Enqueue(Msg{window, message, wParam, lParam, 0, {}});
    return true;
}

std::uint32_t FakeWindows::RegisterWindowMessage(const std::wstring& name) {
    m_log.Add(Call("RegisterWindowMessage", {Quoted(name)}));
    const auto found = m_registeredMessages.find(name);
    if (found != m_registeredMessages.end()) {
        return found->second;
    }
    const std::uint32_t message = 0xC000 + static_cast<std::uint32_t>(m_registeredMessages.size());
    m_registeredMessages[name] = message;
    return message;
}

std::uint32_t FakeWindows::RegisteredMessage(const std::wstring& name) const {
    const auto found = m_registeredMessages.find(name);
    return found != m_registeredMessages.end() ? found->second : 0;
}

void FakeWindows::DispatchPosted() {
    while (!m_posted.empty()) {
        const Msg msg = m_posted.front();
        m_posted.pop_front();
        if (msg.message == WM_QUIT) {
            continue;
        }
        const WindowHandle top = m_tree.TopLevelOf(msg.hwnd);
        const FakeWindow* dialog = FindLive(top);
        if (dialog != nullptr && dialog->kind == FakeControlKind::Dialog && IsDialogMessage(top, msg)) {
            continue;
        }
        DispatchMessage(msg);
    }
}

void FakeWindows::NotifyParent(WindowHandle control, std::uint32_t code) {
    const FakeWindow* window = FindLive(control);
    if (window != nullptr && window->child) {
        Deliver(window->parent, WM_COMMAND, MakeWParam(window->id, code), static_cast<LParam>(control));
    }
}

void FakeWindows::ClickButton(WindowHandle button) {
    FakeWindow* window = FindLive(button);
    if (window == nullptr || !window->IsButton() || !window->enabled) {
        return;
    }
    if (window->kind == FakeControlKind::CheckBox) {
        window->check = window->check == static_cast<int>(BST_CHECKED) ? 0 : 1;
    } else if (window->kind == FakeControlKind::Radio) {
        for (WindowHandle member : m_tree.RadioGroupOf(button)) {
            m_tree.At(member).check = 0;
        }
        window->check = 1;
    }
    NotifyParent(button, BN_CLICKED);
}

// --- Window state ---

WindowHandle FakeWindows::GetDlgItem(WindowHandle dialog, int id) {
    return Control(dialog, id);
}

std::wstring FakeWindows::GetWindowText(WindowHandle window) {
    const FakeWindow* target = FindLive(window);
    if (target == nullptr) {
        return L"";
    }
    if (target->kind == FakeControlKind::ComboBox) {
        return target->curSel >= 0 ? target->items[static_cast<std::size_t>(target->curSel)].text : L"";
    }
    return target->text;
}

bool FakeWindows::SetWindowText(WindowHandle window, const std::wstring& text) {
    m_log.Add(Call("SetWindowText", {Hex(window), Quoted(text)}));
    FakeWindow* target = FindLive(window);
    if (target == nullptr) {
        return false;
    }
    target->text = text;
    if (target->kind == FakeControlKind::Edit) {
        target->selStart = 0;
        target->selEnd = 0;
        NotifyParent(window, EN_CHANGE);
    }
    return true;
}

bool FakeWindows::EnableWindow(WindowHandle window, bool enable) {
    m_log.Add(Call("EnableWindow", {Hex(window), BoolText(enable)}));
    FakeWindow* target = FindLive(window);
    if (target == nullptr) {
        return false;
    }
    const bool wasDisabled = !target->enabled;
    target->enabled = enable;
    if (!enable && m_focus == window) {
        m_focus = 0;
    }
    return wasDisabled;
}

bool FakeWindows::IsWindowEnabled(WindowHandle window) {
    const FakeWindow* target = FindLive(window);
    return target != nullptr && target->enabled;
}

bool FakeWindows::ShowWindow(WindowHandle window, int command) {
    m_log.Add(Call("ShowWindow", {Hex(window), std::to_string(command)}));
    FakeWindow* target = FindLive(window);
    if (target == nullptr) {
        return false;
    }
    const bool wasVisible = target->visible;
    bool activate = false;
    switch (command) {
    case SW_HIDE:
        target->visible = false;
        if (m_active == window) {
            m_active = 0;
            m_focus = 0;
        }
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        target->visible = true;
        target->iconic = true;
        break;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA:
        target->visible = true;
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        target->visible = true;
        target->iconic = false;
        activate = true;
        break;
    default:
        target->visible = true;
        activate = true;
        break;
    }
    if (activate && !target->child) {
        Activate(window);
    }
    return wasVisible;
}

bool FakeWindows::IsWindowVisible(WindowHandle window) {
    const FakeWindow* target = FindLive(window);
    while (target != nullptr && target->visible) {
        if (!target->child) {
            return true;
        }
        target = FindLive(target->parent);
    }
    return false;
}

bool FakeWindows::IsIconic(WindowHandle window) {
    const FakeWindow* target = FindLive(window);
    return target != nullptr && target->iconic;
}

bool FakeWindows::IsWindow(WindowHandle window) {
    return FindLive(window) != nullptr;
}

WindowHandle FakeWindows::SetFocus(WindowHandle window) {
    m_log.Add(Call("SetFocus", {Hex(window)}));
    const WindowHandle previous = m_focus;
    if (window != 0 && FindLive(window) == nullptr) {
        return 0;
    }
    GiveFocus(window);
    return previous;
}

void FakeWindows::GiveFocus(WindowHandle window) {
    m_focus = window;
    if (window == 0) {
        return;
    }
    const WindowHandle top = m_tree.TopLevelOf(window);
    if (top != window) {
        m_tree.At(top).lastFocus = window;
    }
    m_active = top;
}

WindowHandle FakeWindows::GetFocus() {
    return m_focus;
}

bool FakeWindows::SetForegroundWindow(WindowHandle window) {
    m_log.Add(Call("SetForegroundWindow", {Hex(window)}));
    if (FindLive(window) == nullptr) {
        return false;
    }
    m_foreground = window;
    Activate(window);
    return true;
}

WindowHandle FakeWindows::SetActiveWindow(WindowHandle window) {
    m_log.Add(Call("SetActiveWindow", {Hex(window)}));
    const WindowHandle previous = m_active;
    if (FindLive(window) == nullptr) {
        return 0;
    }
    Activate(window);
    return previous;
}

void FakeWindows::Activate(WindowHandle window) {
    m_active = window;
    const FakeWindow& target = m_tree.At(window);
    m_focus = FindLive(target.lastFocus) != nullptr && IsChild(window, target.lastFocus) ? target.lastFocus
                                                                                         : window;
}

WindowHandle FakeWindows::GetParent(WindowHandle window) {
    const FakeWindow* target = FindLive(window);
    return target != nullptr ? target->parent : 0;
}

bool FakeWindows::IsChild(WindowHandle parent, WindowHandle window) {
    return m_tree.IsChild(parent, window);
}

std::wstring FakeWindows::GetClassName(WindowHandle window, int maxCount) {
    const FakeWindow* target = FindLive(window);
    if (target == nullptr || maxCount <= 0) {
        return L"";
    }
    return target->className.substr(0, static_cast<std::size_t>(maxCount - 1));
}

WindowHandle FakeWindows::FindWindowByTitle(const std::wstring& title) {
    for (WindowHandle window : m_tree.TopLevelWindows()) {
        if (m_tree.At(window).text == title) {
            return window;
        }
    }
    return 0;
}

WindowHandle FakeWindows::FindWindow(const std::wstring& className, const std::wstring& title) {
    for (WindowHandle candidate : m_tree.TopLevelWindows()) {
        if (m_tree.At(candidate).className == className && m_tree.At(candidate).text == title) {
            return candidate;
        }
    }
    return 0;
}

// --- Geometry ---

bool FakeWindows::GetWindowRect(WindowHandle window, Rect* rect) {
    const FakeWindow* target = FindLive(window);
    if (target == nullptr) {
        return false;
    }
    *rect = m_tree.ScreenRect(*target);
    return true;
}

bool FakeWindows::GetClientRect(WindowHandle window, Rect* rect) {
    const FakeWindow* target = FindLive(window);
    if (target == nullptr) {
        return false;
    }
    *rect = Rect{0, 0, target->rect.right - target->rect.left, target->rect.bottom - target->rect.top};
    return true;
}

bool FakeWindows::ClientToScreen(WindowHandle window, Point* point) {
    const FakeWindow* target = FindLive(window);
    if (target == nullptr) {
        return false;
    }
    const Rect screen = m_tree.ScreenRect(*target);
    point->x += screen.left;
    point->y += screen.top;
    return true;
}

WindowHandle FakeWindows::WindowFromPoint(Point point) {
    return m_tree.WindowAt(point);
}

WindowHandle FakeWindows::GetWindow(WindowHandle window, std::uint32_t command) {
    return m_tree.Related(window, command);
}

std::uint32_t FakeWindows::GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId) {
    const FakeWindow* target = FindLive(window);
    if (target == nullptr) {
        return 0;
    }
    if (processId != nullptr) {
        *processId = target->processId;
    }
    return target->threadId;
}

void FakeWindows::EnumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) {
    for (WindowHandle child : m_tree.DescendantsOf(parent)) {
        if (!visit(child)) {
            return;
        }
    }
}

int FakeWindows::GetSystemMetrics(int index) {
    const auto found = m_systemMetrics.find(index);
    return found != m_systemMetrics.end() ? found->second : 0;
}

bool FakeWindows::GetCursorPos(Point* point) {
    *point = m_cursorPos;
    return true;
}

WindowHandle FakeWindows::SetCapture(WindowHandle window) {
    m_log.Add(Call("SetCapture", {Hex(window)}));
    return std::exchange(m_capture, window);
}

bool FakeWindows::ReleaseCapture() {
    m_log.Add("ReleaseCapture()");
    m_capture = 0;
    return true;
}

IconHandle FakeWindows::SetCursor(IconHandle cursor) {
    m_log.Add(Call("SetCursor", {Hex(cursor)}));
    return std::exchange(m_cursor, cursor);
}

IconHandle FakeWindows::LoadWaitCursor() {
    m_log.Add("LoadWaitCursor()");
    return kWaitCursor;
}

// --- Controls with text, tooltips, message boxes, resources ---

int FakeWindows::ComboAddString(WindowHandle combo, const std::wstring& text) {
    m_log.Add(Call("ComboAddString", {Hex(combo), Quoted(text)}));
    FakeWindow* target = FindLive(combo);
    if (target == nullptr || target->kind != FakeControlKind::ComboBox) {
        return CB_ERR;
    }
    target->items.push_back(FakeComboItem{text, 0});
    return static_cast<int>(target->items.size()) - 1;
}

std::wstring FakeWindows::ComboGetItemText(WindowHandle combo, int index) {
    const FakeWindow* target = FindLive(combo);
    if (target == nullptr || index < 0 || index >= static_cast<int>(target->items.size())) {
        return L"";
    }
    return target->items[static_cast<std::size_t>(index)].text;
}

WindowHandle FakeWindows::CreateToolTip(WindowHandle owner) {
    m_log.Add(Call("CreateToolTip", {Hex(owner)}));
    if (m_bToolTipsFail || FindLive(owner) == nullptr) {
        return 0;
    }
    FakeWindow& toolTip = NewWindow(FakeControlKind::Window, L"tooltips_class32", owner, false);
    toolTip.visible = false;
    return toolTip.handle;
}

bool FakeWindows::AddTool(WindowHandle toolTip, WindowHandle owner, WindowHandle tool,
                          const std::wstring& text) {
    m_log.Add(Call("AddTool", {Hex(toolTip), Hex(owner), Hex(tool), Quoted(text)}));
    FakeWindow* target = FindLive(toolTip);
    if (target == nullptr) {
        return false;
    }
    target->tools.push_back(FakeTool{owner, tool, text});
    return true;
}

int FakeWindows::MessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                            std::uint32_t type) {
    m_log.Add(Call("MessageBox", {Hex(owner), Quoted(text), Quoted(caption), Hex(type)}));
    m_messageBoxes.push_back(MessageBoxRecord{owner, text, caption, type});
    if (!m_messageBoxActions.empty()) {
        const std::function<void()> action = std::move(m_messageBoxActions.front());
        m_messageBoxActions.pop_front();
        action();
    }
    if (m_messageBoxAnswers.empty()) {
        return m_nDefaultAnswer;
    }
    const int answer = m_messageBoxAnswers.front();
    m_messageBoxAnswers.pop_front();
    return answer;
}

std::wstring FakeWindows::LoadString(std::uint32_t id) {
    const auto found = m_strings.find(id);
    return found != m_strings.end() ? found->second : L"";
}

IconHandle FakeWindows::LoadIcon(std::uint32_t id) {
    m_log.Add(Call("LoadIcon", {std::to_string(id)}));
    return IconOf(id);
}

IconHandle FakeWindows::LoadCursor(std::uint32_t id) {
    m_log.Add(Call("LoadCursor", {std::to_string(id)}));
    return CursorOf(id);
}

void FakeWindows::SetString(std::uint32_t id, const std::wstring& text) {
    m_strings[id] = text;
}

void FakeWindows::SetSystemMetric(int index, int value) {
    m_systemMetrics[index] = value;
}

void FakeWindows::SetCursorPos(Point point) {
    m_cursorPos = point;
}

void FakeWindows::SetWindowRect(WindowHandle window, Rect rect) {
    MutableWindow(window).rect = rect;
}

void FakeWindows::SetIconic(WindowHandle window, bool iconic) {
    MutableWindow(window).iconic = iconic;
}

// --- Inspection ---

const FakeWindow& FakeWindows::Window(WindowHandle window) const {
    const FakeWindow* target = m_tree.Find(window);
    if (target == nullptr) {
        ADD_FAILURE() << "no window " << Hex(window);
        return m_none;
    }
    return *target;
}

FakeWindow& FakeWindows::MutableWindow(WindowHandle window) {
    FakeWindow* target = m_tree.Find(window);
    if (target == nullptr) {
        ADD_FAILURE() << "no window " << Hex(window);
        return m_none;
    }
    return *target;
}

WindowHandle FakeWindows::TopDialog() const {
    return NewestLive(m_tree, m_tree.Dialogs());
}

WindowHandle FakeWindows::LastDialog(std::uint32_t templateId) const {
    return NewestLive(m_tree, DialogsCreated(templateId));
}

std::vector<WindowHandle> FakeWindows::DialogsCreated(std::uint32_t templateId) const {
    std::vector<WindowHandle> dialogs;
    for (WindowHandle handle : m_tree.Dialogs()) {
        if (m_tree.At(handle).templateId == templateId) {
            dialogs.push_back(handle);
        }
    }
    return dialogs;
}
