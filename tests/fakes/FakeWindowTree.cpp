#include "fakes/FakeWindowTree.h"

#include <algorithm>

#include "ports/Win32Constants.h"

namespace {

const std::pair<FakeControlKind, const wchar_t*> CLASS_NAMES[] = {
    {FakeControlKind::PushButton, L"Button"},      {FakeControlKind::DefPushButton, L"Button"},
    {FakeControlKind::CheckBox, L"Button"},        {FakeControlKind::Radio, L"Button"},
    {FakeControlKind::GroupBox, L"Button"},        {FakeControlKind::Edit, L"Edit"},
    {FakeControlKind::ComboBox, L"ComboBox"},      {FakeControlKind::Static, L"Static"},
    {FakeControlKind::HotKey, L"msctls_hotkey32"}, {FakeControlKind::Dialog, L"#32770"},
};

FakeControlKind KindOfClass(const std::wstring& className) {
    for (const auto& entry : CLASS_NAMES) {
        if (entry.second == className && entry.first != FakeControlKind::Dialog) {
            return entry.first;
        }
    }
    return FakeControlKind::Window;
}

bool Contains(const Rect& rect, Point point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

} // namespace

FakeWindow& FakeWindowTree::NewWindow(FakeControlKind kind, WindowHandle parent, bool child,
                                      const std::wstring& className) {
    FakeWindow window;
    window.handle = m_nextHandle;
    m_nextHandle += 4;
    window.kind = kind;
    window.className = className;
    for (const auto& entry : CLASS_NAMES) {
        if (className.empty() && entry.first == kind) {
            window.className = entry.second;
        }
    }
    window.parent = parent;
    window.child = child;
    window.processId = kOwnProcessId;
    window.threadId = kOwnThreadId;
    m_order.push_back(window.handle);
    return m_windows.emplace(window.handle, window).first->second;
}

WindowHandle FakeWindowTree::AddTopLevelWindow(const std::wstring& title, const std::wstring& className,
                                               Rect rect, std::uint32_t processId, std::uint32_t threadId) {
    FakeWindow& window = NewWindow(FakeControlKind::Window, 0, false, className);
    window.text = title;
    window.rect = rect;
    window.processId = processId;
    window.threadId = threadId;
    return window.handle;
}

WindowHandle FakeWindowTree::AddChildWindow(WindowHandle parent, const std::wstring& className, int id,
                                            Rect rect, const std::wstring& text) {
    const FakeWindow owner = Window(parent);
    FakeWindow& window = NewWindow(KindOfClass(className), parent, true, className);
    window.id = id;
    window.rect = rect;
    window.text = text;
    window.processId = owner.processId;
    window.threadId = owner.threadId;
    return window.handle;
}

bool FakeWindowTree::DestroyWindow(WindowHandle window) {
    FakeWindow* target = FindLive(window);
    if (target == nullptr || target->destroying) {
        return false;
    }
    m_log.Add(Call("DestroyWindow", {Hex(window)}));
    target->destroying = true;
    const bool focusInside = m_focus == window || IsDescendant(m_focus, window);
    for (WindowHandle other : TopLevelWindows()) {
        const FakeWindow& owned = m_windows.at(other);
        if (!owned.child && owned.parent == window && !owned.destroying) {
            DestroyWindow(other);
        }
    }
    Deliver(window, WM_DESTROY, 0, 0);
    DestroyChildren(window);
    Deliver(window, WM_NCDESTROY, 0, 0);

    FakeWindow& gone = m_windows.at(window);
    gone.destroyed = true;
    if (focusInside) {
        m_focus = 0;
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

void FakeWindowTree::DestroyChildren(WindowHandle window) {
    for (WindowHandle child : ChildrenOf(window)) {
        m_windows.at(child).destroying = true;
        Deliver(child, WM_DESTROY, 0, 0);
        DestroyChildren(child);
        Deliver(child, WM_NCDESTROY, 0, 0);
        m_windows.at(child).destroyed = true;
    }
}

LResult FakeWindowTree::Deliver(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    FakeWindow* target = FindLive(window);
    LResult result = 0;
    if (target == nullptr) {
        return 0;
    }
    if (target->procedure != nullptr) {
        if (target->procedure->HandleMessage(window, message, wParam, lParam, &result)) {
            return result;
        }
        return DefaultProcessing(window, message, wParam, lParam);
    }
    if (message == BM_CLICK) {
        ClickButton(window);
        return 0;
    }
    target->ControlMessage(message, wParam, lParam, &result);
    return result;
}

LResult FakeWindowTree::DefaultProcessing(WindowHandle window, std::uint32_t message, WParam wParam,
                                          LParam lParam) {
    m_defaultProcessed.push_back(Msg{window, message, wParam, lParam, 0, {}});
    if (message == WM_CLOSE) {
        // The system's dialog procedure turns the close box into the Cancel command, posted.
        const WindowHandle cancel = Control(window, IDCANCEL);
        Enqueue(
            Msg{window, WM_COMMAND, CommandWParam(IDCANCEL, BN_CLICKED), static_cast<LParam>(cancel), 0, {}});
        return 0;
    }
    if (message == WM_SYSCOMMAND) {
        return (wParam & 0xFFF0) == SC_CLOSE ? Deliver(window, WM_CLOSE, 0, 0) : 0;
    }
    LResult result = 0;
    m_windows.at(window).ControlMessage(message, wParam, lParam, &result);
    return result;
}

void FakeWindowTree::NotifyParent(WindowHandle control, std::uint32_t code) {
    const FakeWindow* window = FindLive(control);
    if (window != nullptr && window->child) {
        Deliver(window->parent, WM_COMMAND, CommandWParam(window->id, code), static_cast<LParam>(control));
    }
}

void FakeWindowTree::ClickButton(WindowHandle button) {
    FakeWindow* window = FindLive(button);
    if (window == nullptr || !window->IsButton() || !window->enabled) {
        return;
    }
    if (window->kind == FakeControlKind::CheckBox) {
        window->check = window->check == static_cast<int>(BST_CHECKED) ? 0 : 1;
    } else if (window->kind == FakeControlKind::Radio) {
        for (WindowHandle member : RadioGroupOf(button)) {
            m_windows.at(member).check = 0;
        }
        window->check = 1;
    }
    NotifyParent(button, BN_CLICKED);
}

void FakeWindowTree::GiveFocus(WindowHandle window) {
    m_focus = window;
    if (window == 0) {
        return;
    }
    const WindowHandle top = TopLevelOf(window);
    if (top != window) {
        m_windows.at(top).lastFocus = window;
    }
    m_active = top;
}

void FakeWindowTree::Activate(WindowHandle window) {
    m_active = window;
    const WindowHandle last = m_windows.at(window).lastFocus;
    m_focus = FindLive(last) != nullptr && IsDescendant(last, window) ? last : window;
}

const FakeWindow& FakeWindowTree::Window(WindowHandle window) const {
    const auto found = m_windows.find(window);
    if (found == m_windows.end()) {
        ADD_FAILURE() << "no window " << Hex(window);
        return m_none;
    }
    return found->second;
}

const FakeWindow* FakeWindowTree::FindLive(WindowHandle window) const {
    const auto found = m_windows.find(window);
    return found != m_windows.end() && found->second.IsLive() ? &found->second : nullptr;
}

std::vector<WindowHandle> FakeWindowTree::Dialogs(std::uint32_t templateId) const {
    std::vector<WindowHandle> dialogs;
    for (WindowHandle handle : m_order) {
        const FakeWindow& window = m_windows.at(handle);
        if (window.kind == FakeControlKind::Dialog && (templateId == 0 || window.templateId == templateId)) {
            dialogs.push_back(handle);
        }
    }
    return dialogs;
}

WindowHandle FakeWindowTree::NewestLive(const std::vector<WindowHandle>& windows) const {
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (m_windows.at(*it).IsLive()) {
            return *it;
        }
    }
    return 0;
}

WindowHandle FakeWindowTree::Control(WindowHandle dialog, int id) const {
    for (WindowHandle child : ChildrenOf(dialog)) {
        if (m_windows.at(child).id == id) {
            return child;
        }
    }
    return 0;
}

std::vector<WindowHandle> FakeWindowTree::ChildrenOf(WindowHandle parent) const {
    std::vector<WindowHandle> children;
    for (WindowHandle handle : m_order) {
        const FakeWindow& window = m_windows.at(handle);
        if (window.IsLive() && window.child && window.parent == parent) {
            children.push_back(handle);
        }
    }
    return children;
}

std::vector<WindowHandle> FakeWindowTree::DescendantsOf(WindowHandle parent) const {
    std::vector<WindowHandle> all;
    for (WindowHandle child : ChildrenOf(parent)) {
        all.push_back(child);
        const std::vector<WindowHandle> below = DescendantsOf(child);
        all.insert(all.end(), below.begin(), below.end());
    }
    return all;
}

std::vector<WindowHandle> FakeWindowTree::TopLevelWindows() const {
    std::vector<WindowHandle> windows;
    for (auto it = m_order.rbegin(); it != m_order.rend(); ++it) {
        const FakeWindow& window = m_windows.at(*it);
        if (window.IsLive() && !window.child) {
            windows.push_back(*it);
        }
    }
    return windows;
}

WindowHandle FakeWindowTree::TopLevelOf(WindowHandle window) const {
    while (Exists(window) && m_windows.at(window).child) {
        window = m_windows.at(window).parent;
    }
    return Exists(window) ? window : 0;
}

bool FakeWindowTree::IsDescendant(WindowHandle window, WindowHandle ancestor) const {
    while (Exists(window) && m_windows.at(window).child) {
        window = m_windows.at(window).parent;
        if (window == ancestor) {
            return true;
        }
    }
    return false;
}

std::vector<WindowHandle> FakeWindowTree::RadioGroupOf(WindowHandle radio) const {
    const std::vector<WindowHandle> siblings = ChildrenOf(m_windows.at(radio).parent);
    const auto isRadio = [&](std::size_t i) {
        return m_windows.at(siblings[i]).kind == FakeControlKind::Radio;
    };
    const auto startsGroup = [&](std::size_t i) { return m_windows.at(siblings[i]).groupStart; };
    const std::size_t self =
        static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), radio) - siblings.begin());
    std::size_t first = self;
    while (!startsGroup(first) && first > 0 && isRadio(first - 1)) {
        --first;
    }
    std::size_t last = self;
    while (last + 1 < siblings.size() && isRadio(last + 1) && !startsGroup(last + 1)) {
        ++last;
    }
    return std::vector<WindowHandle>(siblings.begin() + static_cast<std::ptrdiff_t>(first),
                                     siblings.begin() + static_cast<std::ptrdiff_t>(last + 1));
}

WindowHandle FakeWindowTree::NextTabStop(WindowHandle dialog, WindowHandle from) const {
    const std::vector<WindowHandle> children = ChildrenOf(dialog);
    const auto self = std::find(children.begin(), children.end(), from);
    const std::size_t start =
        self == children.end() ? children.size() - 1 : static_cast<std::size_t>(self - children.begin());
    for (std::size_t step = 1; step <= children.size(); ++step) {
        const WindowHandle candidate = children[(start + step) % children.size()];
        const FakeWindow& control = m_windows.at(candidate);
        if (control.tabStop && control.enabled && control.visible) {
            return candidate;
        }
    }
    return 0;
}

Rect FakeWindowTree::ScreenRect(const FakeWindow& window) const {
    if (!window.child) {
        return window.rect;
    }
    const Rect origin = Exists(window.parent) ? ScreenRect(m_windows.at(window.parent)) : Rect{};
    return Rect{origin.left + window.rect.left, origin.top + window.rect.top, origin.left + window.rect.right,
                origin.top + window.rect.bottom};
}

WindowHandle FakeWindowTree::DeepestChildAt(WindowHandle parent, Point point) const {
    for (WindowHandle child : ChildrenOf(parent)) {
        const FakeWindow& window = m_windows.at(child);
        if (window.visible && window.enabled && window.kind != FakeControlKind::GroupBox &&
            Contains(ScreenRect(window), point)) {
            return DeepestChildAt(child, point);
        }
    }
    return parent;
}

WindowHandle FakeWindowTree::WindowAt(Point point) const {
    for (WindowHandle handle : TopLevelWindows()) {
        const FakeWindow& window = m_windows.at(handle);
        if (window.visible && Contains(window.rect, point)) {
            return DeepestChildAt(handle, point);
        }
    }
    return 0;
}

WindowHandle FakeWindowTree::Related(WindowHandle window, std::uint32_t command) const {
    const FakeWindow* target = FindLive(window);
    if (target == nullptr) {
        return 0;
    }
    if (command == GW_CHILD) {
        const std::vector<WindowHandle> children = ChildrenOf(window);
        return children.empty() ? 0 : children.front();
    }
    if (command == GW_OWNER) {
        return target->child ? 0 : target->parent;
    }
    const std::vector<WindowHandle> siblings = target->child ? ChildrenOf(target->parent) : TopLevelWindows();
    const auto self = std::find(siblings.begin(), siblings.end(), window);
    switch (command) {
    case GW_HWNDFIRST:
        return siblings.front();
    case GW_HWNDLAST:
        return siblings.back();
    case GW_HWNDNEXT:
        return self + 1 != siblings.end() ? *(self + 1) : 0;
    case GW_HWNDPREV:
        return self != siblings.begin() ? *(self - 1) : 0;
    default:
        return 0;
    }
}
