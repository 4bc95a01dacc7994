#pragma once
// The shell as a record: what was opened, and where the program's own executable lives.
#include <cstdint>
#include <string>

#include "fakes/CallLog.h"
#include "ports/IShell.h"

class FakeShell : public IShell {
public:
    // "ShellExecute(0x1000, \"open\", \"C:\\Tapwell\\Tapforce.exe\", 1)"; returns m_nResult.
    std::intptr_t ShellExecute(WindowHandle owner, const std::wstring& verb, const std::wstring& file,
                               int showCommand) override {
        m_log.Add(Call("ShellExecute", {Hex(owner), "\"" + Narrow(verb) + "\"", "\"" + Narrow(file) + "\"",
                                        std::to_string(showCommand)}));
        return m_nResult;
    }
    // The path set below, cut to bufferSize - 1 units as GetModuleFileNameW cuts it.
    std::wstring GetModuleFileName(std::uint32_t bufferSize) override {
        return bufferSize == 0 ? L"" : m_strModuleFileName.substr(0, bufferSize - 1);
    }

    void SetModuleFileName(const std::wstring& path) { m_strModuleFileName = path; }
    CCallLog& Log() { return m_log; }

    std::intptr_t m_nResult = 42; // above 32: started

private:
    std::wstring m_strModuleFileName = L"C:\\Program Files\\Tapwell\\Tapwell.exe";
    CCallLog m_log;
};
