#pragma once
// The files port over comdlg32, kernel32 and user32.
#include "ports/IFiles.h"

class CWin32Files : public IFiles {
public:
    bool GetOpenFileName(WindowHandle owner, const std::wstring& filterName, const std::wstring& extension,
                         std::wstring& path) override;
    bool GetSaveFileName(WindowHandle owner, const std::wstring& filterName, const std::wstring& extension,
                         std::wstring& path) override;
    bool ReadFile(const std::wstring& path, std::size_t maxBytes, std::string& bytes,
                  std::wstring& strError) override;
    bool WriteFile(const std::wstring& path, const std::string& bytes, std::wstring& strError) override;
    bool GetStamp(const std::wstring& path, FileStamp& stamp) override;
    std::wstring ProgramFolder() override;
    std::wstring GetFullPathName(const std::wstring& path) override;
    bool SendCopyData(WindowHandle window, WindowHandle sender, std::uintptr_t dwData,
                      const std::wstring& text, std::uint32_t timeoutMs, LResult* result) override;
};
