#include "core/RunPowerPolicy.h"

CRunPowerPolicy::CRunPowerPolicy(IProcess& process) : m_process(process) {}

CRunPowerPolicy::~CRunPowerPolicy() {
    RunEnded();
}

void CRunPowerPolicy::RunStarted() {
    if (!m_bOptedOut) {
        m_bOptedOut = m_process.SetPowerThrottlingOptOut(true);
    }
}

void CRunPowerPolicy::RunEnded() {
    if (m_bOptedOut) {
        m_process.SetPowerThrottlingOptOut(false);
        m_bOptedOut = false;
    }
}
