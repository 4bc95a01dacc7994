#pragma once
// One program started by the driver: its handles, its end and the figures the benchmark reads.
#include <windows.h>

#include <optional>
#include <string>

class CChildProcess {
public:
    CChildProcess() = default;
    ~CChildProcess();
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    // Starts the command line suspended, puts the process into hJob (if given), then lets it run, so
    // that nothing it starts itself escapes the job.
    bool Start(const std::wstring& strCommandLine, HANDLE hJob);

    DWORD Id() const { return m_info.dwProcessId; }
    // The first thread's, where a program without windows takes its messages.
    DWORD ThreadId() const { return m_info.dwThreadId; }
    bool IsRunning() const;
    // True once the process has ended, at most nTimeoutMs from now.
    bool WaitForExit(DWORD nTimeoutMs) const;
    // The exit code, once the process has ended.
    std::optional<DWORD> ExitCode() const;
    // True once the process waits for input in its message loop (start-up is over).
    bool WaitForInputIdle(DWORD nTimeoutMs) const;
    // Terminates the process if it still runs and waits until it is gone.
    void End();

    double CpuSeconds() const;
    SIZE_T PeakWorkingSetBytes() const;

private:
    PROCESS_INFORMATION m_info = {};
};
