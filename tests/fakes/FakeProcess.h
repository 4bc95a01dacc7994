#pragma once
// The process port with a scripted world: the answer CreateMutex gives (handle and last error) and
// the top-level windows EnumWindows visits, in order. Calls that change something are logged
// ("CreateMutex(TRUE, \"name\")", "CloseHandle(0xA10)", "EnumWindows()", "InitCommonControls(0xFF)",
// "InitializeOle()"), into a log of the test's choosing so that they can be ordered against another
// fake's calls.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fakes/CallLog.h"
#include "ports/IProcess.h"
#include "ports/Win32Constants.h"

class FakeProcess : public IProcess {
public:
    static constexpr MutexHandle MUTEX = 0x0000'0A10;

    explicit FakeProcess(CCallLog* sharedLog = nullptr)
        : m_pLog(sharedLog != nullptr ? sharedLog : &m_ownLog) {}

    MutexHandle CreateMutex(bool initialOwner, const std::wstring& name, std::uint32_t* lastError) override {
        m_pLog->Add("CreateMutex(" + BoolText(initialOwner) + ", \"" + Narrow(name) + "\")");
        if (lastError != nullptr) {
            *lastError = m_nNextError;
        }
        if (m_hNextMutex != 0) {
            m_openHandles.push_back(m_hNextMutex);
        }
        return m_hNextMutex;
    }
    bool CloseHandle(MutexHandle handle) override {
        m_pLog->Add("CloseHandle(" + Hex(handle) + ")");
        const auto found = std::find(m_openHandles.begin(), m_openHandles.end(), handle);
        if (found == m_openHandles.end()) {
            return false;
        }
        m_openHandles.erase(found);
        return true;
    }
    void EnumWindows(const std::function<bool(WindowHandle)>& visit) override {
        m_pLog->Add("EnumWindows()");
        m_visited.clear();
        for (WindowHandle window : m_topLevelWindows) {
            m_visited.push_back(window);
            if (!visit(window)) {
                break;
            }
        }
    }
    std::uint32_t GetCurrentProcessId() override { return 1000; } // FakeWindows::OWN_PROCESS_ID
    bool GetCreationTime(std::uint64_t* creationTime) override {
        *creationTime = 5000;
        return true;
    }
    bool InitCommonControls(std::uint32_t classes) override {
        m_pLog->Add("InitCommonControls(" + Hex(classes) + ")");
        return true;
    }
    bool InitializeOle() override {
        m_pLog->Add("InitializeOle()");
        return m_bOleSucceeds;
    }
    void Sleep(std::uint32_t milliseconds) override {
        m_nSlept += milliseconds;
        if (m_duringSleep) {
            m_duringSleep();
        }
    }
    std::wstring GetProcessImageName(std::uint32_t processId) override { return m_imageNames[processId]; }

    // Integrity levels by process: medium unless set here; 0 stands for a process that cannot be read.
    // Each question is counted.
    bool GetIntegrityLevel(std::uint32_t processId, std::uint32_t* level) override {
        ++m_nIntegrityQueries;
        const auto found = m_integrityLevels.find(processId);
        *level = found != m_integrityLevels.end() ? found->second : SECURITY_MANDATORY_MEDIUM_RID;
        return *level != 0;
    }
    std::map<std::uint32_t, std::uint32_t> m_integrityLevels;
    int m_nIntegrityQueries = 0;
    // The system's power throttling of this process: "default", "opted out", or "none" (no such setting).
    bool SetPowerThrottlingOptOut(bool optOut) override {
        if (m_strPowerThrottling == "none") {
            return false;
        }
        m_strPowerThrottling = optOut ? "opted out" : "default";
        return true;
    }
    std::string m_strPowerThrottling = "default";

    // What the next CreateMutex returns: the handle (0 = failure) and GetLastError right after it.
    void SetMutexResult(MutexHandle handle, std::uint32_t lastError) {
        m_hNextMutex = handle;
        m_nNextError = lastError;
    }
    // Another process already holds the mutex: a handle to the existing one and ERROR_ALREADY_EXISTS.
    void SetMutexExists() { SetMutexResult(MUTEX, ERROR_ALREADY_EXISTS); }
    void SetTopLevelWindows(std::vector<WindowHandle> windows) { m_topLevelWindows = std::move(windows); }
    void SetOleResult(bool succeeds) { m_bOleSucceeds = succeeds; }
    // What changes in the world while the caller sleeps; the milliseconds slept so far.
    void DuringSleep(std::function<void()> action) { m_duringSleep = std::move(action); }
    std::uint32_t Slept() const { return m_nSlept; }
    // The program file of a process (none: the process cannot be asked).
    void SetImageName(std::uint32_t processId, std::wstring path) {
        m_imageNames[processId] = std::move(path);
    }

    // Handles returned by CreateMutex and not closed yet.
    const std::vector<MutexHandle>& OpenHandles() const { return m_openHandles; }
    // Windows handed to the visitor by the last EnumWindows, in order.
    const std::vector<WindowHandle>& Visited() const { return m_visited; }
    CCallLog& Log() { return *m_pLog; }

private:
    CCallLog m_ownLog;
    CCallLog* m_pLog;
    MutexHandle m_hNextMutex = MUTEX;
    std::uint32_t m_nNextError = 0;
    bool m_bOleSucceeds = true;
    std::vector<WindowHandle> m_topLevelWindows;
    std::vector<WindowHandle> m_visited;
    std::vector<MutexHandle> m_openHandles;
    std::function<void()> m_duringSleep;
    std::uint32_t m_nSlept = 0;
    std::map<std::uint32_t, std::wstring> m_imageNames;
};
