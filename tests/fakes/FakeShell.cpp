#include "fakes/FakeShell.h"

void FakeShell::ShellExecute(WindowHandle owner, const std::wstring& verb, const std::wstring& file,
                             int showCommand) {
    m_log.Add("ShellExecute(" + Hex(owner) + ", \"" + Narrow(verb) + "\", \"" + Narrow(file) + "\", " +
              std::to_string(showCommand) + ")");
}

std::wstring FakeShell::GetModuleFileName(std::uint32_t bufferSize) {
    if (bufferSize == 0) {
        return L"";
    }
    return m_strModuleFileName.substr(0, bufferSize - 1);
}
