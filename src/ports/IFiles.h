#pragma once
// Files the user names: the system's open and save dialogs, a whole small file read or written, and
// a file name handed to another program's window.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ports/WinTypes.h"

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
    // Replaces the file with bytes, through a file beside it, so that a failed write leaves the old one.
    virtual bool WriteFile(const std::wstring& path, const std::string& bytes, std::wstring& strError) = 0;
    // GetFullPathNameW: a name relative to the current directory made absolute.
    virtual std::wstring GetFullPathName(const std::wstring& path) = 0;
    // WM_COPYDATA with the text's UTF-16 units (no terminating zero), through SendMessageTimeoutW so
    // that a hung window cannot hold the sender; false when it was not handled in time.
    virtual bool SendCopyData(WindowHandle window, WindowHandle sender, std::uintptr_t dwData,
                              const std::wstring& text, std::uint32_t timeoutMs, LResult* result) = 0;
};
