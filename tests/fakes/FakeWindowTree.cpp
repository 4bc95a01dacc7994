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
    return target->ControlMessage(message, wParam, lParam);
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
    return m_windows.at(window).ControlMessage(message, wParam, lParam);
}

void FakeWindowTree::ClickButton(WindowHandle button) {
    FakeWindow* window = FindLive(button);
    if (window == nullptr || !window->IsButton() || !window->enabled) {
        return;
    }
    if (window->kind == FakeControlKind::CheckBox) {
        window->check = window->check == static_cast<int>(BST_CHECKED) ? 0 : 1;
    } else if (window->kind == FakeControlKind::Radio) {
        // Its group: the run of radio siblings around it, split where a button starts a group.
        std::vector<WindowHandle> group;
        for (WindowHandle sibling : ChildrenOf(window->parent)) {
            const FakeWindow& other = m_windows.at(sibling);
            const bool radio = other.kind == FakeControlKind::Radio;
            if (!radio || other.groupStart) {
                if (std::find(group.begin(), group.end(), button) != group.end()) {
                    break;
                }
                group.clear();
            }
            if (radio) {
                group.push_back(sibling);
            }
        }
        for (WindowHandle member : group) {
            m_windows.at(member).check = 0;
        }
        window->check = 1;
    }
    NotifyParent(button, BN_CLICKED);
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
