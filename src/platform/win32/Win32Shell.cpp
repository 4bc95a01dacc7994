#include "platform/win32/Win32Shell.h"

#include <vector>

#include "platform/win32/Win32Handles.h"

std::intptr_t CWin32Shell::ShellExecute(WindowHandle owner, const std::wstring& verb,
                                        const std::wstring& file, int showCommand) {
    const HINSTANCE hResult =
        ::ShellExecuteW(ToHwnd(owner), verb.c_str(), file.c_str(), nullptr, nullptr, showCommand);
    return reinterpret_cast<std::intptr_t>(hResult);
}

std::wstring CWin32Shell::GetModuleFileName(std::uint32_t bufferSize) {
    if (bufferSize == 0) {
        return std::wstring();
    }
    std::vector<wchar_t> buffer(bufferSize, L'\0');
    // A path longer than the buffer comes back cut to bufferSize - 1 units and terminated (the
    // length returned is then bufferSize), never past the buffer.
    const DWORD nLength = ::GetModuleFileNameW(nullptr, buffer.data(), bufferSize);
    const std::size_t nCopied = nLength < bufferSize ? nLength : bufferSize - 1;
    return std::wstring(buffer.data(), nCopied);
}
