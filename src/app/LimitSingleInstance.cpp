#include "app/LimitSingleInstance.h"

#include "ports/Win32Constants.h"

CLimitSingleInstance::CLimitSingleInstance(IProcess& process, const std::wstring& strMutexName)
    : m_process(process) {
    m_hMutex = m_process.CreateMutex(true, strMutexName, &m_dwCreateError);
}

CLimitSingleInstance::~CLimitSingleInstance() {
    // Never released explicitly: the ownership taken at creation ends with the process.
    Release();
}

void CLimitSingleInstance::Release() {
    // The last handle closed, the mutex is gone, owned or not.
    if (m_hMutex != 0) {
        m_process.CloseHandle(m_hMutex);
        m_hMutex = 0;
    }
}

bool CLimitSingleInstance::IsAlreadyRunning() const {
    return m_dwCreateError == ERROR_ALREADY_EXISTS;
}
