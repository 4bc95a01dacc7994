#pragma once
// The windows of FakeWindows and the questions about their arrangement: parents and owners,
// children in z-order, tab order, screen positions and hit testing. No messages here.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fakes/FakeWindow.h"
#include "ports/WinTypes.h"

class FakeWindowTree {
public:
    FakeWindow& Add(FakeControlKind kind, const std::wstring& className, WindowHandle parent, bool child);

    FakeWindow* Find(WindowHandle window);
    const FakeWindow* Find(WindowHandle window) const;
    // Null for a destroyed window.
    FakeWindow* FindLive(WindowHandle window);
    const FakeWindow* FindLive(WindowHandle window) const;
    FakeWindow& At(WindowHandle window) { return m_windows.at(window); }
    const FakeWindow& At(WindowHandle window) const { return m_windows.at(window); }

    // Live children in z-order; among dialog controls the first one created is on top.
    std::vector<WindowHandle> ChildrenOf(WindowHandle parent) const;
    // Every live descendant, depth first, as EnumChildWindows visits them.
    std::vector<WindowHandle> DescendantsOf(WindowHandle parent) const;
    // Live top-level windows in z-order, newest on top.
    std::vector<WindowHandle> TopLevelWindows() const;
    WindowHandle TopLevelOf(WindowHandle window) const;
    bool IsChild(WindowHandle parent, WindowHandle window) const;
    WindowHandle Control(WindowHandle dialog, int id) const;
    // The radio buttons clicked together with radio: its run of radio siblings, split where a
    // button starts a group.
    std::vector<WindowHandle> RadioGroupOf(WindowHandle radio) const;

    WindowHandle FirstTabStop(WindowHandle dialog) const;
    WindowHandle NextTabStop(WindowHandle dialog, WindowHandle from) const;

    Rect ScreenRect(const FakeWindow& window) const;
    // The deepest visible, enabled window under point (group boxes let the point through).
    WindowHandle WindowAt(Point point) const;
    // GetWindow: GW_CHILD, GW_OWNER and the sibling commands.
    WindowHandle Related(WindowHandle window, std::uint32_t command) const;

    // Dialogs created from a template, newest last; dead ones included.
    std::vector<WindowHandle> Dialogs() const;

private:
    WindowHandle DeepestChildAt(WindowHandle parent, Point point) const;

    std::map<WindowHandle, FakeWindow> m_windows;
    std::vector<WindowHandle> m_order; // creation order
    WindowHandle m_nextHandle = 0x1000;
};
