#pragma once
// The process port with a scripted world: the answer CreateMutex gives (handle and last error) and
// the top-level windows EnumWindows visits, in order. Calls that change something are logged, into
// a log of the test's choosing so that they can be ordered against another fake's calls.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "fakes/CallLog.h"
#include "ports/IProcess.h"

class FakeProcess : public IProcess {
public:
    static constexpr MutexHandle kMutex = 0x0000'0A10;
    static constexpr std::uint32_t kProcessId = 1000; // FakeWindows::kOwnProcessId

    explicit FakeProcess(CCallLog* sharedLog = nullptr)
        : m_pLog(sharedLog != nullptr ? sharedLog : &m_ownLog) {}

    // "CreateMutex(TRUE, \"name\")"
    MutexHandle CreateMutex(bool initialOwner, const std::wstring& name, std::uint32_t* lastError) override;
    bool CloseHandle(MutexHandle handle) override;                             // "CloseHandle(0xA10)"
    void EnumWindows(const std::function<bool(WindowHandle)>& visit) override; // "EnumWindows()"
    std::uint32_t GetCurrentProcessId() override { return kProcessId; }
    bool InitCommonControls(std::uint32_t classes) override; // "InitCommonControls(0xFF)"
    bool InitializeOle() override;                           // "InitializeOle()"

    // --- Setting the scene ---
    // What the next CreateMutex returns: the handle (0 = failure) and GetLastError right after it.
    void SetMutexResult(MutexHandle handle, std::uint32_t lastError);
    // Another process already holds the mutex: a handle to the existing one and ERROR_ALREADY_EXISTS.
    void SetMutexExists();
    void SetTopLevelWindows(std::vector<WindowHandle> windows) { m_topLevelWindows = std::move(windows); }
    void SetOleResult(bool succeeds) { m_bOleSucceeds = succeeds; }

    // --- Inspection ---
    // Handles returned by CreateMutex and not closed yet.
    const std::vector<MutexHandle>& OpenHandles() const { return m_openHandles; }
    // Windows handed to the visitor by the last EnumWindows, in order.
    const std::vector<WindowHandle>& Visited() const { return m_visited; }
    CCallLog& Log() { return *m_pLog; }

private:
    CCallLog m_ownLog;
    CCallLog* m_pLog;
    MutexHandle m_hNextMutex = kMutex;
    std::uint32_t m_nNextError = 0;
    bool m_bOleSucceeds = true;
    std::vector<WindowHandle> m_topLevelWindows;
    std::vector<WindowHandle> m_visited;
    std::vector<MutexHandle> m_openHandles;
};
