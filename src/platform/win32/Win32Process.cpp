#include "platform/win32/Win32Process.h"

#include "platform/win32/Win32Handles.h"

namespace {
// Long paths (\\?\ and beyond MAX_PATH) fit: the system gives at most 32,767 characters.
constexpr DWORD MAX_PATH_LENGTH = 32768;
} // namespace

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

void CWin32Process::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

std::wstring CWin32Process::GetProcessImageName(std::uint32_t processId) {
    const HANDLE hProcess = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (hProcess == nullptr) {
        return std::wstring();
    }
    std::wstring strPath(MAX_PATH_LENGTH, L'\0');
    DWORD nLength = MAX_PATH_LENGTH;
    const bool bFound = ::QueryFullProcessImageNameW(hProcess, 0, &strPath[0], &nLength) != FALSE;
    ::CloseHandle(hProcess);
    strPath.resize(bFound ? nLength : 0);
    return strPath;
}
