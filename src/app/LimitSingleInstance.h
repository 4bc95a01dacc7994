#pragma once
// The named mutex by which a starting process learns that another instance already runs. It is
// created or opened as soon as the object exists, whatever the instance mode, and its handle is
// held until the object goes away; the mutex itself disappears with the last process holding it.
#include <cstdint>
#include <string>

#include "ports/IProcess.h"
#include "ports/WinTypes.h"

// The last character is not a hexadecimal digit; other instances look for exactly this name. The
// "Global\" prefix puts it in the namespace shared by every user logged on at the same time.
constexpr wchar_t SINGLE_INSTANCE_MUTEX_NAME[] = L"Global\\{719967F0-DCC6-49b5-9C61-DE91175C318P}";

class CLimitSingleInstance {
public:
    CLimitSingleInstance(IProcess& process, const std::wstring& strMutexName);
    virtual ~CLimitSingleInstance();

    CLimitSingleInstance(const CLimitSingleInstance&) = delete;
    CLimitSingleInstance& operator=(const CLimitSingleInstance&) = delete;

    // Only ERROR_ALREADY_EXISTS counts: a mutex that could not be created or opened at all (another
    // user's, access denied) leaves this process free to run as the only instance.
    bool IsAlreadyRunning() const;
    // Lets go of the mutex for a process that ends without becoming a Tapwell (a script's command,
    // the list of switches): it must not look like one to a start meanwhile. IsAlreadyRunning still
    // answers what creation found.
    void Release();

private:
    IProcess& m_process;
    MutexHandle m_hMutex = 0;
    std::uint32_t m_dwCreateError = 0;
};
