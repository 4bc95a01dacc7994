#pragma once
// The process port over kernel32, user32, comctl32 and ole32.
#include "ports/IProcess.h"

class CWin32Process : public IProcess {
public:
    MutexHandle CreateMutex(bool initialOwner, const std::wstring& name, std::uint32_t* lastError) override;
    bool CloseHandle(MutexHandle handle) override;
    void EnumWindows(const std::function<bool(WindowHandle)>& visit) override;
    std::uint32_t GetCurrentProcessId() override;
    bool GetCreationTime(std::uint64_t* creationTime) override;
    bool InitCommonControls(std::uint32_t classes) override;
    bool InitializeOle() override;
    void Sleep(std::uint32_t milliseconds) override;
    std::wstring GetProcessImageName(std::uint32_t processId) override;
    bool GetIntegrityLevel(std::uint32_t processId, std::uint32_t* level) override;
    bool SetPowerThrottlingOptOut(bool optOut) override;
};
