#pragma once
// The program's own settings file beside its executable: whether it is there, its bytes, a write
// that replaces it whole, and a stamp that changes whenever the file is replaced.
#include <cstddef>
#include <cstdint>
#include <string>

// Last write time, creation time (a replaced file is a new file) and size.
struct FileStamp {
    std::uint64_t nWriteTime = 0;
    std::uint64_t nCreationTime = 0;
    std::uint64_t nSize = 0;

    bool operator==(const FileStamp& other) const {
        return nWriteTime == other.nWriteTime && nCreationTime == other.nCreationTime && nSize == other.nSize;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

class ISettingsFile {
public:
    virtual ~ISettingsFile() = default;

    // The folder of the running executable (GetModuleFileNameW), with a trailing backslash.
    virtual std::wstring ProgramFolder() = 0;
    // The stamp of a file (not a folder); false when there is no such file.
    virtual bool GetStamp(const std::wstring& path, FileStamp& stamp) = 0;
    // The whole file, or false (with the system's reason) when it cannot be read or is longer than
    // maxBytes.
    virtual bool Read(const std::wstring& path, std::size_t maxBytes, std::string& bytes,
                      std::wstring& strError) = 0;
    // Writes the bytes to a new file beside path and moves it over path, so that a write that fails
    // or is cut short leaves the old file whole. False, with the system's reason, when it failed.
    virtual bool Replace(const std::wstring& path, const std::string& bytes, std::wstring& strError) = 0;
};
