#pragma once
// The process among others: the named mutex, the top-level windows, one-time initialisation.
#include <cstdint>
#include <functional>
#include <string>

#include "ports/WinTypes.h"

class IProcess {
public:
    virtual ~IProcess() = default;

    // CreateMutexW(no security, initialOwner, name); *lastError is GetLastError() right after it.
    virtual MutexHandle CreateMutex(bool initialOwner, const std::wstring& name,
                                    std::uint32_t* lastError) = 0;
    virtual bool CloseHandle(MutexHandle handle) = 0;
    // EnumWindows: every top-level window, until visit returns false.
    virtual void EnumWindows(const std::function<bool(WindowHandle)>& visit) = 0;
    virtual std::uint32_t GetCurrentProcessId() = 0;
    // GetProcessTimes of this process: its creation time, in 100 ns units since 1601. (Asked of
    // another process, Wine answers with the caller's own times.)
    virtual bool GetCreationTime(std::uint64_t* creationTime) = 0;
    // InitCommonControlsEx with a structure of size 8 and the given class set.
    virtual bool InitCommonControls(std::uint32_t classes) = 0;
    virtual bool InitializeOle() = 0;
    // Sleep: this thread waits, its messages unserved (only for a process without windows).
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // QueryFullProcessImageNameW of another process (opened with PROCESS_QUERY_LIMITED_INFORMATION):
    // the full path of its program file; empty when it cannot be asked.
    virtual std::wstring GetProcessImageName(std::uint32_t processId) = 0;
    // The mandatory integrity level (a SECURITY_MANDATORY_*_RID) of a process's token, opened with
    // PROCESS_QUERY_LIMITED_INFORMATION; false when the process or its token cannot be read.
    virtual bool GetIntegrityLevel(std::uint32_t processId, std::uint32_t* level) = 0;
    // SetProcessInformation(ProcessPowerThrottling) for this process: opted out of having its speed and
    // its timer resolution throttled, or back to the system's default. False where there is no such
    // setting.
    virtual bool SetPowerThrottlingOptOut(bool optOut) = 0;
};
