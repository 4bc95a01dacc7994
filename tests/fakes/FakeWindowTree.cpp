#include "fakes/FakeWindowTree.h"

#include <algorithm>

#include "ports/Win32Constants.h"

namespace {

bool Contains(const Rect& rect, Point point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

} // namespace

FakeWindow& FakeWindowTree::Add(FakeControlKind kind, const std::wstring& className, WindowHandle parent,
                                bool child) {
    FakeWindow window;
    window.handle = m_nextHandle;
    m_nextHandle += 4;
    window.kind = kind;
    window.className = className;
    window.parent = parent;
    window.child = child;
    m_order.push_back(window.handle);
    return m_windows.emplace(window.handle, window).first->second;
}

FakeWindow* FakeWindowTree::Find(WindowHandle window) {
    const auto found = m_windows.find(window);
    return found != m_windows.end() ? &found->second : nullptr;
}

const FakeWindow* FakeWindowTree::Find(WindowHandle window) const {
    const auto found = m_windows.find(window);
    return found != m_windows.end() ? &found->second : nullptr;
}

FakeWindow* FakeWindowTree::FindLive(WindowHandle window) {
    FakeWindow* target = Find(window);
    return target != nullptr && target->IsLive() ? target : nullptr;
}

const FakeWindow* FakeWindowTree::FindLive(WindowHandle window) const {
    const FakeWindow* target = Find(window);
    return target != nullptr && target->IsLive() ? target : nullptr;
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
    const FakeWindow* target = Find(window);
    while (target != nullptr && target->child) {
        window = target->parent;
        target = Find(window);
    }
    return target != nullptr ? window : 0;
}

bool FakeWindowTree::IsChild(WindowHandle parent, WindowHandle window) const {
    const FakeWindow* target = Find(window);
    while (target != nullptr && target->child) {
        if (target->parent == parent) {
            return true;
        }
        target = Find(target->parent);
    }
    return false;
}

WindowHandle FakeWindowTree::Control(WindowHandle dialog, int id) const {
    for (WindowHandle child : ChildrenOf(dialog)) {
        if (m_windows.at(child).id == id) {
            return child;
        }
    }
    return 0;
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

WindowHandle FakeWindowTree::FirstTabStop(WindowHandle dialog) const {
    for (WindowHandle child : ChildrenOf(dialog)) {
        const FakeWindow& control = m_windows.at(child);
        if (control.tabStop && control.enabled && control.visible) {
            return child;
        }
    }
    return 0;
}

WindowHandle FakeWindowTree::NextTabStop(WindowHandle dialog, WindowHandle from) const {
    const std::vector<WindowHandle> children = ChildrenOf(dialog);
    if (children.empty()) {
        return 0;
    }
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
    const FakeWindow* parent = Find(window.parent);
    const Rect origin = parent != nullptr ? ScreenRect(*parent) : Rect{};
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

std::vector<WindowHandle> FakeWindowTree::Dialogs() const {
    std::vector<WindowHandle> dialogs;
    for (WindowHandle handle : m_order) {
        if (m_windows.at(handle).kind == FakeControlKind::Dialog) {
            dialogs.push_back(handle);
        }
    }
    return dialogs;
}
