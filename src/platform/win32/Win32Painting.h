#pragma once
// IPainting over user32 and gdi32. BeginPaint and EndPaint are two calls of the port, so the paint
// record the system fills in is kept here between them, per window.
#include <cstdint>
#include <map>
#include <memory>

#include "ports/IPainting.h"

class CWin32Painting : public IPainting {
public:
    CWin32Painting();
    ~CWin32Painting() override;

    CWin32Painting(const CWin32Painting&) = delete;
    CWin32Painting& operator=(const CWin32Painting&) = delete;

    DeviceContext BeginPaint(WindowHandle window) override;
    void EndPaint(WindowHandle window) override;
    bool DrawIcon(DeviceContext dc, int x, int y, IconHandle icon) override;
    DeviceContext GetWindowDC(WindowHandle window) override;
    int ReleaseDC(WindowHandle window, DeviceContext dc) override;
    bool PatBlt(DeviceContext dc, int x, int y, int width, int height, std::uint32_t rop) override;
    std::vector<std::uint8_t> CaptureWindow(WindowHandle window) override;

private:
    struct PaintCycle;
    std::map<WindowHandle, std::unique_ptr<PaintCycle>> m_paintCycles;
};
