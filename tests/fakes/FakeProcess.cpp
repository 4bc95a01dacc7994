#include "fakes/FakeProcess.h"

#include <algorithm>

#include "ports/Win32Constants.h"

MutexHandle FakeProcess::CreateMutex(bool initialOwner, const std::wstring& name, std::uint32_t* lastError) {
    m_pLog->Add("CreateMutex(" + BoolText(initialOwner) + ", \"" + Narrow(name) + "\")");
    if (lastError != nullptr) {
        *lastError = m_nNextError;
    }
    if (m_hNextMutex != 0) {
        m_openHandles.push_back(m_hNextMutex);
    }
    return m_hNextMutex;
}

bool FakeProcess::CloseHandle(MutexHandle handle) {
    m_pLog->Add("CloseHandle(" + Hex(handle) + ")");
    const auto found = std::find(m_openHandles.begin(), m_openHandles.end(), handle);
    if (found == m_openHandles.end()) {
        return false;
    }
    m_openHandles.erase(found);
    return true;
}

void FakeProcess::EnumWindows(const std::function<bool(WindowHandle)>& visit) {
    m_pLog->Add("EnumWindows()");
    m_visited.clear();
    for (WindowHandle window : m_topLevelWindows) {
        m_visited.push_back(window);
        if (!visit(window)) {
            break;
        }
    }
}

bool FakeProcess::InitCommonControls(std::uint32_t classes) {
    m_pLog->Add("InitCommonControls(" + Hex(classes) + ")");
    return true;
}

bool FakeProcess::InitializeOle() {
    m_pLog->Add("InitializeOle()");
    return m_bOleSucceeds;
}

void FakeProcess::SetMutexResult(MutexHandle handle, std::uint32_t lastError) {
    m_hNextMutex = handle;
    m_nNextError = lastError;
}

void FakeProcess::SetMutexExists() {
    SetMutexResult(kMutex, ERROR_ALREADY_EXISTS);
}
