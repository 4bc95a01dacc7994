#include "ProgramPaths.h"

#include <windows.h>

#include <algorithm>

std::wstring WindowsPath(std::wstring strPath) {
    if (!strPath.empty() && strPath[0] == L'/') {
        strPath = L"Z:" + strPath;
    }
    std::replace(strPath.begin(), strPath.end(), L'/', L'\\');
    return strPath;
}

std::wstring TapwellExePath() {
    wchar_t szPath[MAX_PATH] = {};
    const DWORD nLength = GetEnvironmentVariableW(L"TAPWELL_EXE", szPath, MAX_PATH);
    if (nLength > 0 && nLength < MAX_PATH) {
        return WindowsPath(szPath);
    }
    return WindowsPath(L"" TAPWELL_EXE_PATH);
}

std::wstring RecorderExePath() {
    return WindowsPath(L"" RECORDER_EXE_PATH);
}

std::wstring SlowKeyboardHookExePath() {
    return WindowsPath(L"" SLOW_KEYBOARD_HOOK_EXE_PATH);
}

std::wstring CommandLine(const std::wstring& strProgram, const std::wstring& strArguments) {
    std::wstring strCommandLine = L"\"" + strProgram + L"\"";
    if (!strArguments.empty()) {
        strCommandLine += L" " + strArguments;
    }
    return strCommandLine;
}
