#include "platform/win32/Win32Files.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/win32/Win32Handles.h"

static_assert(sizeof(CopyDataRecord) == sizeof(COPYDATASTRUCT), "CopyDataRecord mirrors COPYDATASTRUCT");
static_assert(offsetof(CopyDataRecord, lpData) == offsetof(COPYDATASTRUCT, lpData),
              "CopyDataRecord mirrors COPYDATASTRUCT");

namespace {

// Long paths are the user's to choose; the dialogs take this many units.
constexpr DWORD PATH_BUFFER_UNITS = 32768;

std::wstring SystemReason(DWORD nError) {
    wchar_t* pText = nullptr;
    const DWORD nLength = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        nError, 0, reinterpret_cast<wchar_t*>(&pText), 0, nullptr);
    std::wstring strReason = nLength != 0 && pText != nullptr ? std::wstring(pText, nLength) : L"";
    ::LocalFree(pText);
    while (!strReason.empty() && (strReason.back() == L'\n' || strReason.back() == L'\r')) {
        strReason.pop_back();
    }
    return strReason.empty() ? L"Error " + std::to_wstring(nError) + L"." : strReason;
}

std::uint64_t Join(DWORD nHigh, DWORD nLow) {
    return static_cast<std::uint64_t>(nHigh) << 32 | nLow;
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
        const bool bClosed = !IsOpen() || ::CloseHandle(m_hFile) != 0;
        m_hFile = INVALID_HANDLE_VALUE;
        return bClosed;
    }

private:
    HANDLE m_hFile;
};

bool RunFileDialog(bool bSave, WindowHandle owner, const std::wstring& filterName,
                   const std::wstring& extension, std::wstring& path) {
    const std::wstring strPattern = L"*." + extension;
    std::wstring strFilter = filterName + L" (" + strPattern + L")" + L'\0' + strPattern + L'\0' +
                             L"All Files" + L'\0' + L"*.*" + L'\0' + L'\0';
    std::vector<wchar_t> buffer(PATH_BUFFER_UNITS, L'\0');
    path.copy(buffer.data(), path.size() < PATH_BUFFER_UNITS ? path.size() : PATH_BUFFER_UNITS - 1);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = ToHwnd(owner);
    ofn.lpstrFilter = strFilter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = PATH_BUFFER_UNITS;
    ofn.lpstrDefExt = extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                (bSave ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL bChosen = bSave ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
    if (!bChosen) {
        return false;
    }
    path = buffer.data();
    return true;
}

} // namespace

bool CWin32Files::GetOpenFileName(WindowHandle owner, const std::wstring& filterName,
                                  const std::wstring& extension, std::wstring& path) {
    return RunFileDialog(false, owner, filterName, extension, path);
}

bool CWin32Files::GetSaveFileName(WindowHandle owner, const std::wstring& filterName,
                                  const std::wstring& extension, std::wstring& path) {
    return RunFileDialog(true, owner, filterName, extension, path);
}

bool CWin32Files::ReadFile(const std::wstring& path, std::size_t maxBytes, std::string& bytes,
                           std::wstring& strError) {
    // Shared for deletion too: another instance may move a new settings file over this one meanwhile.
    CFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        strError = SystemReason(::GetLastError());
        return false;
    }
    std::string data(maxBytes + 1, '\0');
    std::size_t nTotal = 0;
    while (nTotal < data.size()) {
        DWORD nRead = 0;
        if (!::ReadFile(file.Get(), &data[nTotal], static_cast<DWORD>(data.size() - nTotal), &nRead,
                        nullptr)) {
            strError = SystemReason(::GetLastError());
            return false;
        }
        if (nRead == 0) {
            break;
        }
        nTotal += nRead;
    }
    data.resize(nTotal);
    bytes.swap(data);
    return true;
}

bool CWin32Files::WriteFile(const std::wstring& path, const std::string& bytes, std::wstring& strError) {
    // Windows refuses to move a file over a read-only one; said here, so that every system does.
    const DWORD nAttributes = ::GetFileAttributesW(path.c_str());
    if (nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
        strError = SystemReason(ERROR_ACCESS_DENIED);
        return false;
    }
    const std::wstring temporary = path + L"." + std::to_wstring(::GetCurrentProcessId()) + L".tmp";
    CFileHandle file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        strError = SystemReason(::GetLastError());
        return false;
    }
    DWORD nWritten = 0;
    const bool bWritten =
        (bytes.empty() ||
         (::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &nWritten, nullptr) &&
          nWritten == bytes.size())) &&
        ::FlushFileBuffers(file.Get()) && file.Close();
    if (!bWritten ||
        !::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        strError = SystemReason(::GetLastError());
        file.Close();
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

bool CWin32Files::GetStamp(const std::wstring& path, FileStamp& stamp) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    stamp.nWriteTime = Join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
    stamp.nCreationTime = Join(data.ftCreationTime.dwHighDateTime, data.ftCreationTime.dwLowDateTime);
    stamp.nSize = Join(data.nFileSizeHigh, data.nFileSizeLow);
    return true;
}

std::wstring CWin32Files::ProgramFolder() {
    std::wstring path(PATH_BUFFER_UNITS, L'\0');
    const DWORD nLength = ::GetModuleFileNameW(nullptr, path.data(), PATH_BUFFER_UNITS);
    path.resize(nLength < PATH_BUFFER_UNITS ? nLength : 0);
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring CWin32Files::GetFullPathName(const std::wstring& path) {
    const DWORD nUnits = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (nUnits == 0) {
        return path;
    }
    std::vector<wchar_t> buffer(nUnits, L'\0');
    const DWORD nLength = ::GetFullPathNameW(path.c_str(), nUnits, buffer.data(), nullptr);
    return nLength != 0 && nLength < nUnits ? std::wstring(buffer.data(), nLength) : path;
}

bool CWin32Files::SendCopyData(WindowHandle window, WindowHandle sender, std::uintptr_t dwData,
                               const std::wstring& text, std::uint32_t timeoutMs, LResult* result) {
    COPYDATASTRUCT data{};
    data.dwData = dwData;
    data.cbData = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(text.data());
    DWORD_PTR nResult = 0;
    const LRESULT bDone =
        ::SendMessageTimeoutW(ToHwnd(window), WM_COPYDATA, static_cast<WPARAM>(sender),
                              reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, timeoutMs, &nResult);
    *result = static_cast<LResult>(nResult);
    return bDone != 0;
}
