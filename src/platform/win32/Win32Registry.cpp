#include "platform/win32/Win32Registry.h"

#include "platform/win32/Win32Handles.h"

namespace {

// RegEnumValueW's limit on a value name, in characters with its terminating null.
constexpr DWORD VALUE_NAME_LIMIT = 16384;

LONG CreateKeyWithOptions(RegKeyHandle parent, const std::wstring& subKey, DWORD options,
                          std::uint32_t access, RegKeyHandle* result) {
    HKEY hKey = nullptr;
    const LONG nResult = RegCreateKeyExW(ToHandle<HKEY>(parent), subKey.c_str(), 0, nullptr, options, access,
                                         nullptr, &hKey, nullptr);
    if (nResult == ERROR_SUCCESS && result) {
        *result = FromHandle(hKey);
    }
    return nResult;
}

} // namespace

long CWin32Registry::CreateKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                               RegKeyHandle* result) {
    return CreateKeyWithOptions(parent, subKey, REG_OPTION_NON_VOLATILE, access, result);
}

long CWin32Registry::CreateVolatileKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                                       RegKeyHandle* result) {
    return CreateKeyWithOptions(parent, subKey, REG_OPTION_VOLATILE, access, result);
}

long CWin32Registry::EnumValueName(RegKeyHandle key, std::uint32_t index, std::wstring* name) {
    std::wstring buffer(VALUE_NAME_LIMIT, L'\0');
    DWORD cchName = VALUE_NAME_LIMIT;
    const LONG nResult =
        RegEnumValueW(ToHandle<HKEY>(key), index, &buffer[0], &cchName, nullptr, nullptr, nullptr, nullptr);
    if (nResult == ERROR_SUCCESS && name) {
        *name = buffer.substr(0, cchName);
    }
    return nResult;
}

long CWin32Registry::DeleteValue(RegKeyHandle key, const std::wstring& name) {
    return RegDeleteValueW(ToHandle<HKEY>(key), name.c_str());
}

long CWin32Registry::QueryValue(RegKeyHandle key, const std::wstring& name, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) {
    DWORD nType = 0;
    DWORD cbData = size ? *size : 0;
    const LONG nResult = RegQueryValueExW(ToHandle<HKEY>(key), name.c_str(), nullptr, type ? &nType : nullptr,
                                          data, size ? &cbData : nullptr);
    if (type) {
        *type = nType;
    }
    if (size) {
        *size = cbData;
    }
    return nResult;
}

long CWin32Registry::SetValue(RegKeyHandle key, const std::wstring& name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) {
    return RegSetValueExW(ToHandle<HKEY>(key), name.c_str(), 0, type, data, size);
}

long CWin32Registry::CloseKey(RegKeyHandle key) {
    return RegCloseKey(ToHandle<HKEY>(key));
}

CWin32Registry::~CWin32Registry() {
    if (m_hChanged != nullptr) {
        CloseHandle(m_hChanged);
    }
}

bool CWin32Registry::WatchKey(RegKeyHandle key) {
    if (m_hChanged == nullptr) {
        m_hChanged = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    }
    return m_hChanged != nullptr &&
           RegNotifyChangeKeyValue(ToHandle<HKEY>(key), TRUE,
                                   REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET, m_hChanged,
                                   TRUE) == ERROR_SUCCESS;
}

bool CWin32Registry::TakeKeyChange() {
    return m_hChanged != nullptr && WaitForSingleObject(m_hChanged, 0) == WAIT_OBJECT_0;
}
