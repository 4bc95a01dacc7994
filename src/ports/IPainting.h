#pragma once
// The little drawing the program does itself (gdi32 and the paint cycle).
#include <cstdint>
#include <vector>

#include "ports/WinTypes.h"

using DeviceContext = std::uint32_t; // HDC

class IPainting {
public:
    virtual ~IPainting() = default;

    // BeginPaint / EndPaint around a WM_PAINT.
    virtual DeviceContext BeginPaint(WindowHandle window) = 0;
    virtual void EndPaint(WindowHandle window) = 0;
    virtual bool DrawIcon(DeviceContext dc, int x, int y, IconHandle icon) = 0;
    // GetWindowDC / ReleaseDC: a device context for the whole window, frame included.
    virtual DeviceContext GetWindowDC(WindowHandle window) = 0;
    virtual int ReleaseDC(WindowHandle window, DeviceContext dc) = 0;
    virtual bool PatBlt(DeviceContext dc, int x, int y, int width, int height, std::uint32_t rop) = 0;
    // The whole window, frame included, as a packed 24-bit device-independent bitmap (what CF_DIB
    // carries) of the window's size, copied from its window DC; empty when that fails.
    virtual std::vector<std::uint8_t> CaptureWindow(WindowHandle window) = 0;
};
