#pragma once
// The settings file port over kernel32.
#include "ports/ISettingsFile.h"

class CWin32SettingsFile : public ISettingsFile {
public:
    std::wstring ProgramFolder() override;
    bool GetStamp(const std::wstring& path, FileStamp& stamp) override;
    bool Read(const std::wstring& path, std::size_t maxBytes, std::string& bytes,
              std::wstring& strError) override;
    bool Replace(const std::wstring& path, const std::string& bytes, std::wstring& strError) override;
};
