#pragma once
// Files in memory by path. Every replacement gives a new stamp; a read-only file cannot be replaced,
// an unreadable one cannot be read.
#include <map>
#include <string>

#include "ports/ISettingsFile.h"

class FakeSettingsFile : public ISettingsFile {
public:
    std::wstring ProgramFolder() override { return L"C:\\Portable\\"; }
    bool GetStamp(const std::wstring& path, FileStamp& stamp) override {
        stamp.nWriteTime = m_stamps.count(path) != 0 ? m_stamps[path] : 0;
        return stamp.nWriteTime != 0;
    }
    bool Read(const std::wstring& path, std::size_t, std::string& bytes, std::wstring& strError) override {
        strError = bUnreadable ? L"Access is denied." : L"";
        bytes = files[path];
        return !bUnreadable;
    }
    bool Replace(const std::wstring& path, const std::string& bytes, std::wstring& strError) override {
        strError = bReadOnly ? L"Access is denied." : L"";
        if (!bReadOnly) {
            Put(path, bytes);
        }
        return !bReadOnly;
    }
    // As another program writes it.
    void Put(const std::wstring& path, const std::string& bytes) {
        files[path] = bytes;
        m_stamps[path] = ++m_nLastStamp;
    }

    std::map<std::wstring, std::string> files;
    bool bReadOnly = false;
    bool bUnreadable = false;

private:
    std::map<std::wstring, std::uint64_t> m_stamps;
    std::uint64_t m_nLastStamp = 0;
};
