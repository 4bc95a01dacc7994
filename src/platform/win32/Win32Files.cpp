#include "platform/win32/Win32Files.h"

#include <cstddef>
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
    const HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        strError = SystemReason(::GetLastError());
        return false;
    }
    std::string data(maxBytes + 1, '\0');
    std::size_t nTotal = 0;
    bool bOk = true;
    while (nTotal < data.size()) {
        DWORD nRead = 0;
        if (!::ReadFile(hFile, &data[nTotal], static_cast<DWORD>(data.size() - nTotal), &nRead, nullptr)) {
            strError = SystemReason(::GetLastError());
            bOk = false;
            break;
        }
        if (nRead == 0) {
            break;
        }
        nTotal += nRead;
    }
    ::CloseHandle(hFile);
    if (bOk) {
        data.resize(nTotal);
        bytes.swap(data);
    }
    return bOk;
}

bool CWin32Files::WriteFile(const std::wstring& path, const std::string& bytes, std::wstring& strError) {
    const std::wstring strTemporary = path + L".saving";
    const HANDLE hFile = ::CreateFileW(strTemporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        strError = SystemReason(::GetLastError());
        return false;
    }
    DWORD nWritten = 0;
    bool bOk = ::WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &nWritten, nullptr) &&
               nWritten == bytes.size() && ::FlushFileBuffers(hFile);
    DWORD nError = bOk ? ERROR_SUCCESS : ::GetLastError();
    ::CloseHandle(hFile);
    if (bOk && !::MoveFileExW(strTemporary.c_str(), path.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        bOk = false;
        nError = ::GetLastError();
    }
    if (!bOk) {
        ::DeleteFileW(strTemporary.c_str());
        strError = SystemReason(nError);
    }
    return bOk;
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
