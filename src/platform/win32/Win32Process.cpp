#include "platform/win32/Win32Process.h"

#include "platform/win32/Win32Handles.h"

MutexHandle CWin32Process::CreateMutex(bool initialOwner, const std::wstring& name,
                                       std::uint32_t* lastError) {
    const HANDLE hMutex = ::CreateMutexW(nullptr, initialOwner ? TRUE : FALSE, name.c_str());
    // Read at once: any later call may overwrite the thread's last error.
    const DWORD nError = ::GetLastError();
    if (lastError != nullptr) {
        *lastError = nError;
    }
    return FromHandle(hMutex);
}

bool CWin32Process::CloseHandle(MutexHandle handle) {
    return ::CloseHandle(ToHandle<HANDLE>(handle)) != FALSE;
}

void CWin32Process::EnumWindows(const std::function<bool(WindowHandle)>& visit) {
    ::EnumWindows(VisitWindow, WindowVisitor(visit));
}

std::uint32_t CWin32Process::GetCurrentProcessId() {
    return ::GetCurrentProcessId();
}

bool CWin32Process::GetCreationTime(std::uint64_t* creationTime) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        return false;
    }
    if (creationTime != nullptr) {
        *creationTime = static_cast<std::uint64_t>(created.dwHighDateTime) << 32 | created.dwLowDateTime;
    }
    return true;
}

bool CWin32Process::InitCommonControls(std::uint32_t classes) {
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof init;
    init.dwICC = classes;
    return ::InitCommonControlsEx(&init) != FALSE;
}

bool CWin32Process::InitializeOle() {
    return SUCCEEDED(::OleInitialize(nullptr));
}
