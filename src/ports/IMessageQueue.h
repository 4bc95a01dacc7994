#pragma once
// This thread's message queue at its lowest, for the message pump: take what is waiting, or wait
// until something may be, or until a moment on the clock of ITimers::Now.
#include "ports/ITimers.h"
#include "ports/WinTypes.h"

class IMessageQueue {
public:
    virtual ~IMessageQueue() = default;

    // Takes the first message waiting, WM_QUIT like any other; false when none is.
    virtual bool PeekMessage(Msg* msg) = 0;
    // Blocks until a message is waiting (one seen already counts) or, when hasDue, until due comes;
    // true when due ended the wait.
    virtual bool WaitForMessage(bool hasDue, Microseconds due) = 0;
};
