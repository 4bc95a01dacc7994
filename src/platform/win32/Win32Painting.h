#pragma once
// IPainting over user32 and gdi32. BeginPaint and EndPaint are two calls of the port, so the paint
// record the system fills in is kept here between them, per window.
#include <cstdint>
#include <map>
#include <memory>

#include "ports/IPainting.h"

class Win32Painting : public IPainting {
public:
    Win32Painting();
    ~Win32Painting() override;

    Win32Painting(const Win32Painting&) = delete;
    Win32Painting& operator=(const Win32Painting&) = delete;

    DeviceContext BeginPaint(WindowHandle window) override;
    void EndPaint(WindowHandle window) override;
    bool DrawIcon(DeviceContext dc, int x, int y, IconHandle icon) override;
    DeviceContext GetWindowDC(WindowHandle window) override;
    int ReleaseDC(WindowHandle window, DeviceContext dc) override;
    bool PatBlt(DeviceContext dc, int x, int y, int width, int height, std::uint32_t rop) override;

private:
    struct PaintCycle;
    std::map<WindowHandle, std::unique_ptr<PaintCycle>> m_paintCycles;
};
