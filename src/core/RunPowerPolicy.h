#pragma once
// While a run goes on, the system is asked not to throttle this process: Windows 11 may otherwise
// slow it and ignore its timer resolution while all its windows are hidden, as they are when it runs
// from the tray. At the end of the run the system decides again, as by default.
#include "ports/IProcess.h"

class CRunPowerPolicy {
public:
    explicit CRunPowerPolicy(IProcess& process);
    ~CRunPowerPolicy();
    CRunPowerPolicy(const CRunPowerPolicy&) = delete;
    CRunPowerPolicy& operator=(const CRunPowerPolicy&) = delete;

    void RunStarted();
    void RunEnded();

private:
    IProcess& m_process;
    // Only what the system took is given back: where it has no such setting, nothing happens.
    bool m_bOptedOut = false;
};
