#pragma once
// The little drawing the program does itself (gdi32 and the paint cycle).
#include <cstdint>
#include <vector>

#include "ports/WinTypes.h"

using DeviceContext = std::uint32_t; // HDC

// The largest picture of a window the program makes itself: more than a full 8K screen, and little
// enough for a 32-bit process to hold it three times (capture, clipboard, check). A window stretched
// far beyond any screen is refused rather than run the process out of memory.
constexpr std::uint64_t MAX_CAPTURE_BYTES = std::uint64_t{128} << 20;

// The pixel rows of a 24-bit device-independent bitmap (each row padded to 4 bytes), in 64 bits so
// that no window size can overflow it.
inline std::uint64_t DibPixelBytes(std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0) {
        return 0;
    }
    return static_cast<std::uint64_t>((width * 3 + 3) & ~std::int64_t{3}) *
           static_cast<std::uint64_t>(height);
}

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
    // carries) of the window's size, copied from its window DC; empty when that fails or the picture
    // would be larger than MAX_CAPTURE_BYTES.
    virtual std::vector<std::uint8_t> CaptureWindow(WindowHandle window) = 0;
};
