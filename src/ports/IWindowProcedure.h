#pragma once
// Where a window adapter delivers the messages of a window that portable code owns.
#include <cstdint>

#include "ports/WinTypes.h"

class IWindowProcedure {
public:
    virtual ~IWindowProcedure() = default;

    // Returns true when the message was handled and *result is its result; false leaves the
    // message to the system's default dialog processing.
    virtual bool HandleMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam,
                               LResult* result) = 0;
};
