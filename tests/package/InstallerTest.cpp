// The installer a Windows user downloads, run as that user would run it silently: it installs for
// the user alone, the installed program starts, the system lists it, and the uninstaller removes
// what was installed while the user's settings stay.
#include <shlobj.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "Polling.h"
#include "ProcessGroup.h"
#include "ProgramPaths.h"
#include "TapwellCase.h"
#include "TapwellRegistry.h"
#include "TapwellVersion.h"
#include "WindowQueries.h"

namespace {
const wchar_t UNINSTALL_KEY[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tapwell";
const DWORD SETUP_TIMEOUT_MS = 60000;
const DWORD START_TIMEOUT_MS = 20000;

std::wstring KnownFolder(int nFolder) {
    wchar_t szPath[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, nFolder, nullptr, SHGFP_TYPE_CURRENT, szPath);
    return szPath;
}

bool Exists(const std::wstring& strPath) {
    return GetFileAttributesW(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::wstring> UninstallValue(const wchar_t* pszValue) {
    wchar_t szData[1024] = {};
    DWORD nSize = sizeof(szData);
    if (RegGetValueW(HKEY_CURRENT_USER, UNINSTALL_KEY, pszValue, RRF_RT_REG_SZ, nullptr, szData, &nSize) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(szData);
}

std::optional<std::wstring> ClassesValue(const wchar_t* pszKey) {
    wchar_t szData[1024] = {};
    DWORD nSize = sizeof(szData);
    if (RegGetValueW(HKEY_CURRENT_USER, (std::wstring(L"Software\\Classes\\") + pszKey).c_str(), nullptr,
                     RRF_RT_REG_SZ, nullptr, szData, &nSize) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(szData);
}

std::wstring FileVersionOf(const std::wstring& strPath) {
    DWORD nHandle = 0;
    std::vector<BYTE> info(GetFileVersionInfoSizeW(strPath.c_str(), &nHandle));
    wchar_t* pszVersion = nullptr;
    UINT nLength = 0;
    if (info.empty() ||
        !GetFileVersionInfoW(strPath.c_str(), 0, static_cast<DWORD>(info.size()), info.data()) ||
        !VerQueryValueW(info.data(), L"\\StringFileInfo\\040904b0\\FileVersion",
                        reinterpret_cast<void**>(&pszVersion), &nLength)) {
        return L"";
    }
    return pszVersion;
}

// Runs a command line until it and every process it started have ended (the uninstaller goes on in
// a copy of itself, so that it can remove its own file); its exit code, or nothing when that does
// not happen in time.
std::optional<DWORD> RunToEnd(const std::wstring& strCommandLine) {
    HANDLE hJob = CreateJobObjectW(nullptr, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    std::wstring strLine = strCommandLine;
    if (!hJob || !CreateProcessW(nullptr, &strLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                                 nullptr, &startup, &info)) {
        if (hJob) {
            CloseHandle(hJob);
        }
        return std::nullopt;
    }
    AssignProcessToJobObject(hJob, info.hProcess);
    ResumeThread(info.hThread);
    const bool bEnded = WaitUntil(
        [&] {
            JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
            QueryInformationJobObject(hJob, JobObjectBasicAccountingInformation, &accounting,
                                      sizeof(accounting), nullptr);
            return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0 && accounting.ActiveProcesses == 0;
        },
        SETUP_TIMEOUT_MS);
    DWORD nExitCode = STILL_ACTIVE;
    GetExitCodeProcess(info.hProcess, &nExitCode);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    CloseHandle(hJob);
    if (!bEnded) {
        return std::nullopt;
    }
    return nExitCode;
}

class Installer : public CTapwellCase {};
} // namespace

TEST_F(Installer, InstallsForTheUserStartsAndUninstallsKeepingTheSettings) {
    const std::wstring strInstallDir = KnownFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Tapwell";
    const std::wstring strExe = strInstallDir + L"\\Tapwell.exe";
    const std::wstring strShortcut = KnownFolder(CSIDL_PROGRAMS) + L"\\Tapwell by Tovrin.lnk";
    CProcessGroup processes;

    ASSERT_EQ(RunToEnd(CommandLine(WindowsPath(L"" TAPWELL_SETUP_PATH), L"/S")), 0u);
    ASSERT_TRUE(Exists(strExe)) << "not installed in "
                                << std::string(strInstallDir.begin(), strInstallDir.end());
    EXPECT_TRUE(Exists(strShortcut));
    EXPECT_EQ(FileVersionOf(strExe), L"" TAPWELL_VERSION_TEXT);
    EXPECT_EQ(UninstallValue(L"DisplayName"), L"Tapwell by Tovrin");
    EXPECT_EQ(UninstallValue(L"DisplayVersion"), L"" TAPWELL_VERSION_TEXT);
    EXPECT_EQ(UninstallValue(L"Publisher"), L"Tovrin");
    EXPECT_EQ(ClassesValue(L".tapwell"), L"Tapwell.Profile");
    EXPECT_EQ(ClassesValue(L"Tapwell.Profile\\shell\\open\\command"), L"\"" + strExe + L"\" /profile \"%1\"");
    const std::optional<std::wstring> strQuietUninstall = UninstallValue(L"QuietUninstallString");
    ASSERT_TRUE(strQuietUninstall.has_value());

    CChildProcess* pTapwell = processes.Start(CommandLine(strExe, L""));
    ASSERT_NE(pTapwell, nullptr);
    HWND hMain = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            hMain = FindTopLevelWindow(pTapwell->Id(), L"#32770", L"Tapwell by Tovrin");
            return hMain != nullptr && IsWindowVisible(hMain);
        },
        START_TIMEOUT_MS));
    // A Tapwell that does not answer: the uninstaller gives up on it and removes nothing.
    HANDLE hThread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, pTapwell->ThreadId());
    ASSERT_NE(hThread, nullptr);
    ASSERT_NE(SuspendThread(hThread), static_cast<DWORD>(-1));
    const std::optional<DWORD> nRefused = RunToEnd(*strQuietUninstall);
    ResumeThread(hThread);
    CloseHandle(hThread);
    EXPECT_TRUE(nRefused.has_value()) << "the uninstaller did not give up";
    EXPECT_TRUE(Exists(strExe));
    EXPECT_TRUE(Exists(strShortcut));
    EXPECT_EQ(UninstallValue(L"DisplayName"), L"Tapwell by Tovrin");

    PostMessageW(hMain, WM_CLOSE, 0, 0);
    ASSERT_TRUE(pTapwell->WaitForExit(START_TIMEOUT_MS));
    // The first start stored the (empty) key selection: the user's settings now exist.
    ASSERT_TRUE(ReadProfileDword(L"Settings 0", L"KeyIndexTobeAutomated").has_value());

    ASSERT_EQ(RunToEnd(*strQuietUninstall), 0u);
    EXPECT_FALSE(Exists(strInstallDir));
    EXPECT_FALSE(Exists(strShortcut));
    EXPECT_EQ(UninstallValue(L"DisplayName"), std::nullopt);
    EXPECT_EQ(ClassesValue(L".tapwell"), std::nullopt);
    EXPECT_TRUE(ReadProfileDword(L"Settings 0", L"KeyIndexTobeAutomated").has_value());
}
