#include "ChildProcess.h"

// After <windows.h>, which they need.
#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <vector>

namespace {
const DWORD END_TIMEOUT_MS = 10000;
const UINT TERMINATED_EXIT_CODE = 0xE2E;
const size_t PROCESS_LIST_INITIAL_BYTES = 256 * 1024;
const NTSTATUS STATUS_INFO_LENGTH_MISMATCH = static_cast<NTSTATUS>(0xC0000004L);
} // namespace

CChildProcess::~CChildProcess() {
    if (m_info.hThread) {
        CloseHandle(m_info.hThread);
    }
    if (m_info.hProcess) {
        CloseHandle(m_info.hProcess);
    }
}

bool CChildProcess::Start(const std::wstring& strCommandLine, HANDLE hJob) {
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::vector<wchar_t> commandLine(strCommandLine.begin(), strCommandLine.end());
    commandLine.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    // No standard handles: a program holding the test runner's output pipe, or passing it on to a
    // process Wine starts for it, would keep the runner waiting after the test has ended.
    startup.dwFlags = STARTF_USESTDHANDLES;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &m_info)) {
        return false;
    }
    if (hJob) {
        AssignProcessToJobObject(hJob, m_info.hProcess);
    }
    ResumeThread(m_info.hThread);
    return true;
}

bool CChildProcess::IsRunning() const {
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool CChildProcess::WaitForExit(DWORD nTimeoutMs) const {
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, nTimeoutMs) == WAIT_OBJECT_0;
}

std::optional<DWORD> CChildProcess::ExitCode() const {
    DWORD nCode = 0;
    if (IsRunning() || !m_info.hProcess || !GetExitCodeProcess(m_info.hProcess, &nCode)) {
        return std::nullopt;
    }
    return nCode;
}

bool CChildProcess::WaitForInputIdle(DWORD nTimeoutMs) const {
    return m_info.hProcess && ::WaitForInputIdle(m_info.hProcess, nTimeoutMs) == 0;
}

void CChildProcess::End() {
    if (!IsRunning()) {
        return;
    }
    TerminateProcess(m_info.hProcess, TERMINATED_EXIT_CODE);
    WaitForSingleObject(m_info.hProcess, END_TIMEOUT_MS);
}

double CChildProcess::CpuSeconds() const {
    // Not GetProcessTimes: for another process Wine 8 answers with the caller's own times. The
    // system's process list carries every process's own, under Windows and Wine alike.
    ULONG nSize = 0;
    std::vector<BYTE> buffer(PROCESS_LIST_INITIAL_BYTES);
    NTSTATUS nStatus;
    while ((nStatus = NtQuerySystemInformation(SystemProcessInformation, buffer.data(),
                                               static_cast<ULONG>(buffer.size()), &nSize)) ==
           STATUS_INFO_LENGTH_MISMATCH) {
        buffer.resize(std::max<size_t>(buffer.size() * 2, nSize));
    }
    if (!NT_SUCCESS(nStatus)) {
        return -1.0;
    }
    for (size_t nOffset = 0;;) {
        const auto* pEntry = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(buffer.data() + nOffset);
        if (reinterpret_cast<ULONG_PTR>(pEntry->UniqueProcessId) == m_info.dwProcessId) {
            return static_cast<double>(pEntry->UserTime.QuadPart + pEntry->KernelTime.QuadPart) / 1e7;
        }
        if (pEntry->NextEntryOffset == 0) {
            return -1.0;
        }
        nOffset += pEntry->NextEntryOffset;
    }
}

SIZE_T CChildProcess::PeakWorkingSetBytes() const {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(m_info.hProcess, &counters, sizeof(counters))) {
        return 0;
    }
    return counters.PeakWorkingSetSize;
}
