#pragma once
// SlowKeyboardHook.exe running for as long as this object lives: meanwhile every key event injected
// by any program waits 3 ms for its hook.
#include <windows.h>

#include "ChildProcess.h"
#include "ProcessGroup.h"

class CSlowHookProcess {
public:
    // Starts the program and waits until it has hooked the keyboard.
    CSlowHookProcess();
    // Asks the program to end, which removes the hook, and ends it outright if it does not.
    ~CSlowHookProcess();
    CSlowHookProcess(const CSlowHookProcess&) = delete;
    CSlowHookProcess& operator=(const CSlowHookProcess&) = delete;

    bool IsHooking() const { return m_pProcess && m_pProcess->IsRunning() && m_bReady; }

private:
    CProcessGroup m_group;
    CChildProcess* m_pProcess = nullptr;
    bool m_bReady = false;
};
