#pragma once
// Where the injector learns, at every press, which window the user selected as the target.
#include "ports/WinTypes.h"

class ISelectedWindowSource {
public:
    virtual ~ISelectedWindowSource() = default;

    // The stored handle of the selected window, 0 when none was selected.
    virtual WindowHandle GetSeekedWindow() = 0;
};
