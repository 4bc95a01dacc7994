#pragma once
// The shell: opening documents and programs, and where the program itself lives.
#include <cstdint>
#include <string>

#include "ports/WinTypes.h"

class IShell {
public:
    virtual ~IShell() = default;

    // ShellExecuteW(owner, verb, file, no parameters, no directory, showCommand); its result, greater
    // than 32 when it worked.
    virtual std::intptr_t ShellExecute(WindowHandle owner, const std::wstring& verb, const std::wstring& file,
                                       int showCommand) = 0;
    // GetModuleFileNameW(NULL, ...) into a buffer of bufferSize units.
    virtual std::wstring GetModuleFileName(std::uint32_t bufferSize) = 0;
};
