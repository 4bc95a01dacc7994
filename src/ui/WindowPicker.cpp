#include "ui/WindowPicker.h"

#include <cstdint>

#include "ports/Win32Constants.h"

namespace {

bool PtInRect(const Rect& rect, Point point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

std::int64_t Area(const Rect& rect) {
    return static_cast<std::int64_t>(rect.right - rect.left) * (rect.bottom - rect.top);
}

} // namespace

CWindowPicker::CWindowPicker(IWindowQueries& windows, IPainting& painting)
    : m_windows(windows), m_painting(painting) {}

WindowHandle CWindowPicker::FindWindowAtPoint(Point ptScreen) const {
    const WindowHandle hit = m_windows.WindowFromPoint(ptScreen);
    if (hit == 0) {
        return 0;
    }
    WindowHandle best = hit;
    Rect bestRect;
    m_windows.GetWindowRect(hit, &bestRect);
    const WindowHandle parent = m_windows.GetParent(hit);
    if (parent == 0) {
        return hit;
    }
    // The system hands out the topmost window under the point, which may be a group box or a frame
    // lying over the controls it surrounds; those follow it in z-order.
    for (WindowHandle sibling = hit; sibling != 0; sibling = m_windows.GetWindow(sibling, GW_HWNDNEXT)) {
        Rect rect;
        if (!m_windows.GetWindowRect(sibling, &rect) || !PtInRect(rect, ptScreen)) {
            continue;
        }
        if (m_windows.GetParent(sibling) == parent && m_windows.IsWindowVisible(sibling) &&
            Area(rect) < Area(bestRect)) {
            best = sibling;
            bestRect = rect;
        }
    }
    return best;
}

bool CWindowPicker::ComputeFrameBars(Rect screenRect, int virtualWidth, int virtualHeight,
                                     std::array<FrameBar, 4>* bars) {
    // Window coordinates, except that what lies beyond the screen's left and top edges stays out,
    // so that the outline of a window partly off the screen is still seen.
    const int dx = (screenRect.left < 0 ? -screenRect.left : 0) - screenRect.left;
    const int dy = (screenRect.top < 0 ? -screenRect.top : 0) - screenRect.top;
    Rect rc{screenRect.left + dx, screenRect.top + dy, screenRect.right + dx, screenRect.bottom + dy};
    if (rc.right > virtualWidth) {
        rc.right = virtualWidth + FRAME_THICKNESS;
    }
    if (rc.bottom > virtualHeight) {
        rc.bottom = virtualHeight + FRAME_THICKNESS;
    }
    if (rc.right <= rc.left || rc.bottom <= rc.top) {
        return false;
    }
    const int t = FRAME_THICKNESS;
    (*bars)[0] = FrameBar{rc.left, rc.top, rc.right - rc.left, t};
    (*bars)[1] = FrameBar{rc.left, rc.bottom - t, t, rc.top - rc.bottom + 2 * t};
    (*bars)[2] = FrameBar{rc.right - t, rc.top + t, t, rc.bottom - rc.top - 2 * t};
    (*bars)[3] = FrameBar{rc.right, rc.bottom - t, rc.left - rc.right, t};
    return true;
}

void CWindowPicker::InvertFrame(WindowHandle hWnd) const {
    // No rectangle, no drawing: for a null window GetWindowDC would hand out the whole screen.
    Rect rect;
    if (!m_windows.GetWindowRect(hWnd, &rect)) {
        return;
    }
    std::array<FrameBar, 4> bars;
    if (!ComputeFrameBars(rect, m_windows.GetSystemMetrics(SM_CXVIRTUALSCREEN),
                          m_windows.GetSystemMetrics(SM_CYVIRTUALSCREEN), &bars)) {
        return;
    }
    const DeviceContext dc = m_painting.GetWindowDC(hWnd);
    if (dc == 0) {
        return;
    }
    for (const FrameBar& bar : bars) {
        m_painting.PatBlt(dc, bar.x, bar.y, bar.width, bar.height, DSTINVERT);
    }
    m_painting.ReleaseDC(hWnd, dc);
}
