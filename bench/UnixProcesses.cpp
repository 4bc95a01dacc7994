#include "UnixProcesses.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
const wchar_t PROC_ROOT[] = L"Z:\\proc\\";
const char WAITS_FIELD[] = "voluntary_ctxt_switches:";
const char PREFIX_VARIABLE[] = "WINEPREFIX=";

std::wstring ProcPath(DWORD nPid, const std::wstring& strRest) {
    return PROC_ROOT + std::to_wstring(nPid) + L"\\" + strRest;
}

// The whole file; /proc files report no size, so it is read until it ends.
bool ReadWholeFile(const std::wstring& strPath, std::string& strText) {
    HANDLE hFile = CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return false;
    }
    strText.clear();
    char buffer[4096];
    DWORD nRead = 0;
    while (ReadFile(hFile, buffer, sizeof(buffer), &nRead, nullptr) && nRead > 0) {
        strText.append(buffer, nRead);
    }
    CloseHandle(hFile);
    return !strText.empty();
}

// The numeric entries of a /proc directory: process ids, or the thread ids under a process's "task".
std::vector<DWORD> NumericEntries(const std::wstring& strDirectory) {
    std::vector<DWORD> ids;
    WIN32_FIND_DATAW found;
    HANDLE hFind = FindFirstFileW((strDirectory + L"*").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE) {
        return ids;
    }
    do {
        wchar_t* pEnd = nullptr;
        const unsigned long nId = std::wcstoul(found.cFileName, &pEnd, 10);
        if (nId != 0 && pEnd && *pEnd == L'\0') {
            ids.push_back(static_cast<DWORD>(nId));
        }
    } while (FindNextFileW(hFind, &found));
    FindClose(hFind);
    return ids;
}

std::vector<DWORD> Threads(DWORD nPid) {
    return NumericEntries(ProcPath(nPid, L"task\\"));
}

std::string Utf8(const std::wstring& strText) {
    const int nBytes = WideCharToMultiByte(CP_UTF8, 0, strText.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string strUtf8(nBytes > 0 ? nBytes : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, strText.c_str(), -1, &strUtf8[0], nBytes, nullptr, nullptr);
    strUtf8.resize(std::strlen(strUtf8.c_str()));
    return strUtf8;
}

// The first argument of the process's command line; Wine pads the one it shows with spaces.
std::string ProgramOf(DWORD nPid) {
    std::string strCommandLine;
    if (!ReadWholeFile(ProcPath(nPid, L"cmdline"), strCommandLine)) {
        return "";
    }
    std::string strProgram = strCommandLine.c_str();
    while (!strProgram.empty() && strProgram.back() == ' ') {
        strProgram.pop_back();
    }
    return strProgram;
}

bool RunsInOurPrefix(DWORD nPid) {
    char szPrefix[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("WINEPREFIX", szPrefix, MAX_PATH)) {
        return true; // nothing to tell the prefixes apart by
    }
    std::string strEnvironment;
    if (!ReadWholeFile(ProcPath(nPid, L"environ"), strEnvironment)) {
        return false;
    }
    const std::string strWanted = std::string(PREFIX_VARIABLE) + szPrefix;
    for (size_t nStart = 0; nStart < strEnvironment.size();
         nStart += std::strlen(&strEnvironment[nStart]) + 1) {
        if (strWanted == &strEnvironment[nStart]) {
            return true;
        }
    }
    return false;
}
} // namespace

double UnixCpuSeconds(DWORD nPid) {
    // Per thread: "<ns on a CPU> <ns waiting to run> <time slices>".
    double dSeconds = 0.0;
    bool bRead = false;
    for (DWORD nThread : Threads(nPid)) {
        std::string strStat;
        if (!ReadWholeFile(ProcPath(nPid, L"task\\" + std::to_wstring(nThread) + L"\\schedstat"), strStat)) {
            continue;
        }
        dSeconds += std::strtod(strStat.c_str(), nullptr) / 1e9;
        bRead = true;
    }
    return bRead ? dSeconds : -1.0;
}

long long UnixWaits(DWORD nPid, bool bMainThreadOnly) {
    long long nWaits = 0;
    bool bRead = false;
    for (DWORD nThread : Threads(nPid)) {
        if (bMainThreadOnly && nThread != nPid) {
            continue;
        }
        std::string strStatus;
        if (!ReadWholeFile(ProcPath(nPid, L"task\\" + std::to_wstring(nThread) + L"\\status"), strStatus)) {
            continue;
        }
        const size_t nField = strStatus.find(WAITS_FIELD);
        if (nField == std::string::npos) {
            continue;
        }
        nWaits += std::atoll(strStatus.c_str() + nField + sizeof(WAITS_FIELD) - 1);
        bRead = true;
    }
    return bRead ? nWaits : -1;
}

DWORD FindUnixProcess(const std::wstring& strProgramPath) {
    const std::string strWanted = Utf8(strProgramPath);
    for (DWORD nPid : NumericEntries(PROC_ROOT)) {
        if (_stricmp(ProgramOf(nPid).c_str(), strWanted.c_str()) == 0 && RunsInOurPrefix(nPid)) {
            return nPid;
        }
    }
    return 0;
}
