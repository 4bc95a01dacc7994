#pragma once
// Questions about the windows of a FakeWindowTree; the system metrics are the test's to set.
#include <functional>

#include "fakes/FakeWindowTree.h"
#include "ports/IWindowQueries.h"

class FakeWindowQueries : public IWindowQueries {
public:
    explicit FakeWindowQueries(FakeWindowTree& tree) : m_tree(tree) {}

    bool IsWindow(WindowHandle window) override { return m_tree.FindLive(window) != nullptr; }
    // A combo box's text is its selected item's.
    std::wstring GetWindowText(WindowHandle window) override {
        const FakeWindow& target = m_tree.Live(window);
        if (target.kind != FakeControlKind::ComboBox) {
            return target.text;
        }
        return target.curSel >= 0 ? target.items[static_cast<std::size_t>(target.curSel)].text : L"";
    }
    std::wstring GetClassName(WindowHandle window, int maxCount) override {
        return maxCount > 0 ? m_tree.Live(window).className.substr(0, static_cast<std::size_t>(maxCount - 1))
                            : L"";
    }
    WindowHandle GetParent(WindowHandle window) override { return m_tree.Live(window).parent; }
    bool IsChild(WindowHandle parent, WindowHandle window) override {
        return m_tree.IsDescendant(window, parent);
    }
    WindowHandle FindWindowByTitle(const std::wstring& title) override {
        return FindTopLevel(nullptr, title);
    }
    WindowHandle FindWindow(const std::wstring& className, const std::wstring& title) override {
        return FindTopLevel(&className, title);
    }
    bool GetWindowRect(WindowHandle window, Rect* rect) override {
        *rect = IsWindow(window) ? ScreenRect(m_tree.Live(window)) : *rect;
        return IsWindow(window);
    }
    bool GetClientRect(WindowHandle window, Rect* rect) override {
        const Rect& own = m_tree.Live(window).rect;
        *rect = IsWindow(window) ? Rect{0, 0, own.right - own.left, own.bottom - own.top} : *rect;
        return IsWindow(window);
    }
    bool ClientToScreen(WindowHandle window, Point* point) override {
        Rect screen;
        const bool known = GetWindowRect(window, &screen);
        *point = known ? Point{point->x + screen.left, point->y + screen.top} : *point;
        return known;
    }
    // The deepest visible, enabled window under point (group boxes let the point through).
    WindowHandle WindowFromPoint(Point point) override {
        for (WindowHandle window : m_tree.TopLevelWindows()) {
            if (m_tree.Window(window).visible && Contains(m_tree.Window(window).rect, point)) {
                return DeepestChildAt(window, point);
            }
        }
        return 0;
    }
    // Only GW_HWNDNEXT, the one command the program gives: the next sibling in z-order.
    WindowHandle GetWindow(WindowHandle window, std::uint32_t command) override {
        const FakeWindow* target = m_tree.FindLive(window);
        if (target == nullptr || command != GW_HWNDNEXT) {
            return 0;
        }
        const auto siblings = target->child ? m_tree.ChildrenOf(target->parent) : m_tree.TopLevelWindows();
        const auto next = std::find(siblings.begin(), siblings.end(), window) + 1;
        return next != siblings.end() ? *next : 0;
    }
    std::uint32_t GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId) override {
        if (processId != nullptr) {
            *processId = m_tree.Live(window).processId;
        }
        return m_tree.Live(window).threadId;
    }
    int GetDlgCtrlID(WindowHandle window) override { return m_tree.Live(window).id; }
    void EnumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) override {
        VisitDescendants(parent, visit);
    }
    // Visible when it and every parent up to its top-level window are.
    bool IsWindowVisible(WindowHandle window) override {
        const FakeWindow* target = &m_tree.Live(window);
        while (target->visible && target->child) {
            target = &m_tree.Live(target->parent);
        }
        return target->visible;
    }
    bool IsWindowEnabled(WindowHandle window) override { return m_tree.Live(window).enabled; }
    bool IsIconic(WindowHandle window) override { return m_tree.Live(window).iconic; }
    WindowHandle GetForegroundWindow() override { return m_tree.ForegroundWindow(); }
    int GetSystemMetrics(int index) override { return m_systemMetrics[index]; }

    void SetSystemMetric(int index, int value) { m_systemMetrics[index] = value; }

private:
    // The newest top-level window with the title (and the class, when one is given).
    WindowHandle FindTopLevel(const std::wstring* className, const std::wstring& title) {
        for (WindowHandle window : m_tree.TopLevelWindows()) {
            const FakeWindow& target = m_tree.Window(window);
            if (target.text == title && (className == nullptr || target.className == *className)) {
                return window;
            }
        }
        return 0;
    }
    static bool Contains(const Rect& rect, Point point) {
        return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
    }
    Rect ScreenRect(const FakeWindow& window) const {
        const Rect origin =
            window.child && m_tree.Exists(window.parent) ? ScreenRect(m_tree.Window(window.parent)) : Rect{};
        return Rect{origin.left + window.rect.left, origin.top + window.rect.top,
                    origin.left + window.rect.right, origin.top + window.rect.bottom};
    }
    WindowHandle DeepestChildAt(WindowHandle parent, Point point) const {
        for (WindowHandle child : m_tree.ChildrenOf(parent)) {
            const FakeWindow& window = m_tree.Window(child);
            if (window.visible && window.enabled && window.kind != FakeControlKind::GroupBox &&
                Contains(ScreenRect(window), point)) {
                return DeepestChildAt(child, point);
            }
        }
        return parent;
    }
    // Depth first, until visit returns false.
    bool VisitDescendants(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) {
        for (WindowHandle child : m_tree.ChildrenOf(parent)) {
            if (!visit(child) || !VisitDescendants(child, visit)) {
                return false;
            }
        }
        return true;
    }

    FakeWindowTree& m_tree;
    std::map<int, int> m_systemMetrics{
        {SM_CXICON, 32}, {SM_CYICON, 32}, {SM_CXVIRTUALSCREEN, 1280}, {SM_CYVIRTUALSCREEN, 1024}};
};
