#pragma once
// Questions about the windows of a FakeWindowTree, answered from its state; the system metrics are
// the test's to set.
#include <algorithm>
#include <functional>
#include <map>
#include <string>

#include "fakes/FakeWindowTree.h"
#include "ports/IWindowQueries.h"
#include "ports/Win32Constants.h"

class FakeWindowQueries : public IWindowQueries {
public:
    explicit FakeWindowQueries(FakeWindowTree& tree) : m_tree(tree) {}

    bool IsWindow(WindowHandle window) override { return m_tree.FindLive(window) != nullptr; }
    std::wstring GetWindowText(WindowHandle window) override {
        const FakeWindow* target = m_tree.FindLive(window);
        if (target == nullptr || (target->kind == FakeControlKind::ComboBox && target->curSel < 0)) {
            return L"";
        }
        return target->kind == FakeControlKind::ComboBox
                   ? target->items[static_cast<std::size_t>(target->curSel)].text
                   : target->text;
    }
    std::wstring GetClassName(WindowHandle window, int maxCount) override {
        const FakeWindow* target = m_tree.FindLive(window);
        return target != nullptr && maxCount > 0
                   ? target->className.substr(0, static_cast<std::size_t>(maxCount - 1))
                   : L"";
    }
    WindowHandle GetParent(WindowHandle window) override {
        const FakeWindow* target = m_tree.FindLive(window);
        return target != nullptr ? target->parent : 0;
    }
    bool IsChild(WindowHandle parent, WindowHandle window) override {
        return m_tree.IsDescendant(window, parent);
    }
    WindowHandle FindWindowByTitle(const std::wstring& title) override {
        for (WindowHandle window : m_tree.TopLevelWindows()) {
            if (m_tree.Window(window).text == title) {
                return window;
            }
        }
        return 0;
    }
    WindowHandle FindWindow(const std::wstring& className, const std::wstring& title) override {
        for (WindowHandle window : m_tree.TopLevelWindows()) {
            if (m_tree.Window(window).className == className && m_tree.Window(window).text == title) {
                return window;
            }
        }
        return 0;
    }
    bool GetWindowRect(WindowHandle window, Rect* rect) override {
        const FakeWindow* target = m_tree.FindLive(window);
        if (target != nullptr) {
            *rect = ScreenRect(*target);
        }
        return target != nullptr;
    }
    bool GetClientRect(WindowHandle window, Rect* rect) override {
        const FakeWindow* target = m_tree.FindLive(window);
        if (target != nullptr) {
            *rect =
                Rect{0, 0, target->rect.right - target->rect.left, target->rect.bottom - target->rect.top};
        }
        return target != nullptr;
    }
    bool ClientToScreen(WindowHandle window, Point* point) override {
        Rect screen;
        if (!GetWindowRect(window, &screen)) {
            return false;
        }
        point->x += screen.left;
        point->y += screen.top;
        return true;
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
        const FakeWindow* target = m_tree.FindLive(window);
        if (target != nullptr && processId != nullptr) {
            *processId = target->processId;
        }
        return target != nullptr ? target->threadId : 0;
    }
    void EnumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) override {
        VisitDescendants(parent, visit);
    }
    // Visible when it and every parent up to its top-level window are.
    bool IsWindowVisible(WindowHandle window) override {
        const FakeWindow* target = m_tree.FindLive(window);
        while (target != nullptr && target->visible && target->child) {
            target = m_tree.FindLive(target->parent);
        }
        return target != nullptr && target->visible;
    }
    bool IsWindowEnabled(WindowHandle window) override {
        const FakeWindow* target = m_tree.FindLive(window);
        return target != nullptr && target->enabled;
    }
    bool IsIconic(WindowHandle window) override {
        const FakeWindow* target = m_tree.FindLive(window);
        return target != nullptr && target->iconic;
    }
    int GetSystemMetrics(int index) override { return m_systemMetrics[index]; }

    void SetSystemMetric(int index, int value) { m_systemMetrics[index] = value; }

private:
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
