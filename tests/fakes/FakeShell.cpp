#include "fakes/FakeShell.h"

std::intptr_t FakeShell::ShellExecute(WindowHandle owner, const std::wstring& verb, const std::wstring& file,
                                      int showCommand) {
    m_log.Add("ShellExecute(" + Hex(owner) + ", \"" + Narrow(verb) + "\", \"" + Narrow(file) + "\", " +
              std::to_string(showCommand) + ")");
    return m_nResult;
}

std::wstring FakeShell::GetModuleFileName(std::uint32_t bufferSize) {
    if (bufferSize == 0) {
        return L"";
    }
    return m_strModuleFileName.substr(0, bufferSize - 1);
}
