#pragma once
// Which window lies under a point, and the inverted outline that marks it on the screen. Only
// window queries and drawing through the ports, so the picking can run without a window system.
#include <array>
#include <cstdint>

#include "ports/IPainting.h"
#include "ports/IWindowQueries.h"
#include "ports/WinTypes.h"

// One bar of the outline: an origin and a signed extent, as PatBlt takes them.
struct FrameBar {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class CWindowPicker {
public:
    static constexpr int FRAME_THICKNESS = 3;

    CWindowPicker(IWindowQueries& windows, IPainting& painting);

    // The window to select at a screen point, 0 when the system reports none there. Among the hit
    // window and the siblings after it in z-order, the smallest visible one under the point wins,
    // so a group box gives way to the controls it frames.
    WindowHandle FindWindowAtPoint(Point ptScreen) const;
    // Inverts the outline of a window; drawn a second time on an unchanged window, it is gone.
    void InvertFrame(WindowHandle hWnd) const;

    // The four bars for a window whose outer rectangle in screen coordinates is screenRect, in the
    // coordinates of its window device context; false when nothing is to be drawn.
    static bool ComputeFrameBars(Rect screenRect, int virtualWidth, int virtualHeight,
                                 std::array<FrameBar, 4>* bars);

private:
    IWindowQueries& m_windows;
    IPainting& m_painting;
};
