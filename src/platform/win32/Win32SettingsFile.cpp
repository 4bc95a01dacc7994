#include "platform/win32/Win32SettingsFile.h"

#include "platform/win32/Win32Sdk.h"

namespace {

constexpr DWORD PATH_CAPACITY = 32768;

std::uint64_t Join(DWORD nHigh, DWORD nLow) {
    return static_cast<std::uint64_t>(nHigh) << 32 | nLow;
}

// The system's text for the last error, without its line break.
std::wstring LastErrorText() {
    const DWORD nError = GetLastError();
    wchar_t* pText = nullptr;
    const DWORD nLength = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                             FORMAT_MESSAGE_IGNORE_INSERTS,
                                         nullptr, nError, 0, reinterpret_cast<wchar_t*>(&pText), 0, nullptr);
    std::wstring text =
        nLength != 0 ? std::wstring(pText, nLength) : L"Error " + std::to_wstring(nError) + L".";
    if (pText != nullptr) {
        LocalFree(pText);
    }
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n')) {
        text.pop_back();
    }
    return text;
}

class CFileHandle {
public:
    explicit CFileHandle(HANDLE hFile) : m_hFile(hFile) {}
    ~CFileHandle() { Close(); }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    HANDLE Get() const { return m_hFile; }
    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    bool Close() {
        const bool bClosed = !IsOpen() || CloseHandle(m_hFile) != 0;
        m_hFile = INVALID_HANDLE_VALUE;
        return bClosed;
    }

private:
    HANDLE m_hFile;
};

} // namespace

std::wstring CWin32SettingsFile::ProgramFolder() {
    std::wstring path(PATH_CAPACITY, L'\0');
    const DWORD nLength = GetModuleFileNameW(nullptr, path.data(), PATH_CAPACITY);
    path.resize(nLength < PATH_CAPACITY ? nLength : 0);
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

bool CWin32SettingsFile::GetStamp(const std::wstring& path, FileStamp& stamp) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    stamp.nWriteTime = Join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
    stamp.nCreationTime = Join(data.ftCreationTime.dwHighDateTime, data.ftCreationTime.dwLowDateTime);
    stamp.nSize = Join(data.nFileSizeHigh, data.nFileSizeLow);
    return true;
}

bool CWin32SettingsFile::Read(const std::wstring& path, std::size_t maxBytes, std::string& bytes,
                              std::wstring& strError) {
    CFileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!file.IsOpen() || !GetFileSizeEx(file.Get(), &size)) {
        strError = LastErrorText();
        return false;
    }
    if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes) {
        strError = L"The file is longer than " + std::to_wstring(maxBytes / 1024) + L" KiB.";
        return false;
    }
    std::string buffer(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD nRead = 0;
    if (!buffer.empty() &&
        (!ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &nRead, nullptr) ||
         nRead != buffer.size())) {
        strError = LastErrorText();
        return false;
    }
    bytes.swap(buffer);
    return true;
}

bool CWin32SettingsFile::Replace(const std::wstring& path, const std::string& bytes, std::wstring& strError) {
    // Windows refuses to move a file over a read-only one; said here, so that every system does.
    const DWORD nAttributes = GetFileAttributesW(path.c_str());
    if (nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        strError = LastErrorText();
        return false;
    }
    // Named after this process, so that two instances writing at once do not share the new file.
    const std::wstring temporary = path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    CFileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        strError = LastErrorText();
        return false;
    }
    DWORD nWritten = 0;
    const bool bWritten =
        (bytes.empty() ||
         (WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &nWritten, nullptr) &&
          nWritten == bytes.size())) &&
        FlushFileBuffers(file.Get()) && file.Close();
    if (!bWritten ||
        !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        strError = LastErrorText();
        file.Close();
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}
