#pragma once
// The shell port over shell32 and kernel32.
#include "ports/IShell.h"

class CWin32Shell : public IShell {
public:
    std::intptr_t ShellExecute(WindowHandle owner, const std::wstring& verb, const std::wstring& file,
                               int showCommand) override;
    std::wstring GetModuleFileName(std::uint32_t bufferSize) override;
};
