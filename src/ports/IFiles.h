#pragma once
// Files: the system's open and save dialogs for the files the user names, a whole small file read or
// replaced (a profile, or the settings file beside the program), and a file name handed to another
// program's window.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ports/WinTypes.h"

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

// COPYDATASTRUCT, field for field: what WM_COPYDATA's lParam points at while the message is handled.
struct CopyDataRecord {
    std::uintptr_t dwData;
    std::uint32_t cbData;
    const void* lpData;
};

class IFiles {
public:
    virtual ~IFiles() = default;

    // GetOpenFileNameW / GetSaveFileNameW (the latter asking before it replaces a file) offering the
    // files "*.<extension>" as filterName, and all files. path is the name the dialog starts with and,
    // when it returns true, the one chosen; false when the user cancelled.
    virtual bool GetOpenFileName(WindowHandle owner, const std::wstring& filterName,
                                 const std::wstring& extension, std::wstring& path) = 0;
    virtual bool GetSaveFileName(WindowHandle owner, const std::wstring& filterName,
                                 const std::wstring& extension, std::wstring& path) = 0;
    // At most maxBytes + 1 bytes of the file, so that a longer file shows as longer. false with the
    // system's reason in strError when the file cannot be read.
    virtual bool ReadFile(const std::wstring& path, std::size_t maxBytes, std::string& bytes,
                          std::wstring& strError) = 0;
    // Writes the bytes to a new file beside path (named after this process, so that two instances do
    // not share it) and moves it over path, so that a write that fails or is cut short leaves the old
    // file whole. false, with the system's reason, when it failed; a read-only file is not replaced.
    virtual bool WriteFile(const std::wstring& path, const std::string& bytes, std::wstring& strError) = 0;
    // The stamp of a file (not a folder); false when there is no such file.
    virtual bool GetStamp(const std::wstring& path, FileStamp& stamp) = 0;
    // The folder of the running executable (GetModuleFileNameW), with a trailing backslash.
    virtual std::wstring ProgramFolder() = 0;
    // GetFullPathNameW: a name relative to the current directory made absolute.
    virtual std::wstring GetFullPathName(const std::wstring& path) = 0;
    // WM_COPYDATA with the text's UTF-16 units (no terminating zero), through SendMessageTimeoutW so
    // that a hung window cannot hold the sender; false when it was not handled in time.
    virtual bool SendCopyData(WindowHandle window, WindowHandle sender, std::uintptr_t dwData,
                              const std::wstring& text, std::uint32_t timeoutMs, LResult* result) = 0;
};
