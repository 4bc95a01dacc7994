#include "ProcessGroup.h"

CProcessGroup::CProcessGroup() {
    m_hJob = CreateJobObjectW(nullptr, nullptr);
    if (!m_hJob) {
        return;
    }
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(m_hJob, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
}

CProcessGroup::~CProcessGroup() {
    EndAll();
    if (m_hJob) {
        CloseHandle(m_hJob);
    }
}

CChildProcess* CProcessGroup::Start(const std::wstring& strCommandLine) {
    auto pProcess = std::make_unique<CChildProcess>();
    if (!pProcess->Start(strCommandLine, m_hJob)) {
        return nullptr;
    }
    m_processes.push_back(std::move(pProcess));
    return m_processes.back().get();
}

void CProcessGroup::EndAll() {
    for (auto& pProcess : m_processes) {
        pProcess->End();
    }
}
