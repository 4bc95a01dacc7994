#include "ProgramPaths.h"

#include <algorithm>

namespace {
std::wstring WindowsPath(std::wstring strPath) {
    std::replace(strPath.begin(), strPath.end(), L'/', L'\\');
    return strPath;
}
} // namespace

std::wstring TapwellExePath() {
    return WindowsPath(L"" TAPWELL_EXE_PATH);
}

std::wstring RecorderExePath() {
    return WindowsPath(L"" RECORDER_EXE_PATH);
}

std::wstring CommandLine(const std::wstring& strProgram, const std::wstring& strArguments) {
    std::wstring strCommandLine = L"\"" + strProgram + L"\"";
    if (!strArguments.empty())
        strCommandLine += L" " + strArguments;
    return strCommandLine;
}
