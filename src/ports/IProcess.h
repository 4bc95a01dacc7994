#pragma once
// The process among others: the named mutex, the top-level windows, one-time initialisation, and
// whether another process still runs.
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
    // Closes a mutex or a process handle.
    virtual bool CloseHandle(MutexHandle handle) = 0;
    // EnumWindows: every top-level window, until visit returns false.
    virtual void EnumWindows(const std::function<bool(WindowHandle)>& visit) = 0;
    virtual std::uint32_t GetCurrentProcessId() = 0;
    // The pseudo handle GetCurrentProcess gives: never closed.
    virtual ProcessHandle GetCurrentProcess() = 0;
    // OpenProcess(access, no inheritance, processId); *lastError is GetLastError() right after it.
    virtual ProcessHandle OpenProcess(std::uint32_t access, std::uint32_t processId, std::uint32_t* lastError) = 0;
    // GetProcessTimes: the creation time, in 100 ns units since 1601.
    virtual bool GetProcessCreationTime(ProcessHandle process, std::uint64_t* creationTime) = 0;
    virtual bool GetExitCodeProcess(ProcessHandle process, std::uint32_t* exitCode) = 0;
    // InitCommonControlsEx with a structure of size 8 and the given class set.
    virtual bool InitCommonControls(std::uint32_t classes) = 0;
    virtual bool InitializeOle() = 0;
};
