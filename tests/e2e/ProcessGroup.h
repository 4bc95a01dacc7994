#pragma once
// Every program a test starts, in one job object that ends them all should the test program itself
// die; End() ends them in the normal course.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ChildProcess.h"

class CProcessGroup {
public:
    CProcessGroup();
    ~CProcessGroup();
    CProcessGroup(const CProcessGroup&) = delete;
    CProcessGroup& operator=(const CProcessGroup&) = delete;

    // The started process, or nullptr when it could not be started.
    CChildProcess* Start(const std::wstring& strCommandLine);
    // Terminates every process of the group that still runs and waits until each is gone.
    void EndAll();

private:
    HANDLE m_hJob = nullptr;
    std::vector<std::unique_ptr<CChildProcess>> m_processes;
};
