#include "platform/win32/Win32Process.h"

#include <vector>

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

bool CWin32Process::GetIntegrityLevel(std::uint32_t processId, std::uint32_t* level) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        return false;
    }
    HANDLE token = nullptr;
    const BOOL opened = OpenProcessToken(process, TOKEN_QUERY, &token);
    ::CloseHandle(process);
    if (!opened) {
        return false;
    }
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    std::vector<BYTE> label(size);
    const bool read = size >= sizeof(TOKEN_MANDATORY_LABEL) &&
                      GetTokenInformation(token, TokenIntegrityLevel, label.data(), size, &size);
    ::CloseHandle(token);
    if (!read) {
        return false;
    }
    // The level is the last sub-authority of the label's SID (S-1-16-level).
    const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(label.data())->Label.Sid;
    if (!IsValidSid(sid) || *GetSidSubAuthorityCount(sid) == 0) {
        return false;
    }
    *level = *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1u);
    return true;
}

bool CWin32Process::SetPowerThrottlingOptOut(bool optOut) {
    // Looked up: systems before Windows 8 have no such function.
    using SetProcessInformationFunction = BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto setInformation =
        kernel != nullptr ? reinterpret_cast<SetProcessInformationFunction>(
                                reinterpret_cast<void*>(GetProcAddress(kernel, "SetProcessInformation")))
                          : nullptr;
    if (setInformation == nullptr) {
        return false;
    }
    // A mechanism taken in hand with its state bit clear is switched off; with nothing taken in hand the
    // system decides again, as by default.
    PROCESS_POWER_THROTTLING_STATE state{};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    state.ControlMask =
        optOut ? PROCESS_POWER_THROTTLING_EXECUTION_SPEED | PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION
               : 0;
    if (setInformation(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof(state))) {
        return true;
    }
    // Before Windows 11 the timer-resolution bit is unknown and the whole call refused: the speed alone.
    state.ControlMask = PROCESS_POWER_THROTTLING_EXECUTION_SPEED;
    return optOut && setInformation(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof(state));
}
