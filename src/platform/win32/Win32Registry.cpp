#include "platform/win32/Win32Registry.h"

#include "platform/win32/Win32Handles.h"

long CWin32Registry::CreateKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                               RegKeyHandle* result) {
    HKEY hKey = nullptr;
    const LONG nResult = RegCreateKeyExW(ToHandle<HKEY>(parent), subKey.c_str(), 0, nullptr,
                                         REG_OPTION_NON_VOLATILE, access, nullptr, &hKey, nullptr);
    if (nResult == ERROR_SUCCESS && result) {
        *result = FromHandle(hKey);
    }
    return nResult;
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
