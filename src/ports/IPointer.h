#pragma once
// The mouse pointer: where it is, which window captures it, and its shape (user32).
#include <cstdint>

#include "ports/WinTypes.h"

class IPointer {
public:
    virtual ~IPointer() = default;

    virtual bool GetCursorPos(Point* point) = 0;
    virtual WindowHandle SetCapture(WindowHandle window) = 0;
    virtual bool ReleaseCapture() = 0;
    virtual IconHandle SetCursor(IconHandle cursor) = 0;
    virtual IconHandle LoadWaitCursor() = 0;             // the system's IDC_WAIT
    virtual IconHandle LoadCursor(std::uint32_t id) = 0; // a cursor of the program's own module
};
