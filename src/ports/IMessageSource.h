#pragma once
// Where the program's own message loops take their next message from.
#include "ports/WinTypes.h"

class IMessageSource {
public:
    virtual ~IMessageSource() = default;

    // The next message, waiting for one; false once WM_QUIT is taken.
    virtual bool GetMessage(Msg* msg) = 0;
};
