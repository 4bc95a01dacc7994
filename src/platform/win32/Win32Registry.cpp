#include <windows.h>

#include "platform/win32/Win32Registry.h"

namespace {

// The predefined roots are negative 32-bit values (HKEY_CURRENT_USER is (LONG)0x80000001), so the
// handle is sign-extended on its way back to a pointer.
HKEY ToHkey(RegKeyHandle key) {
    return reinterpret_cast<HKEY>(static_cast<INT_PTR>(static_cast<std::int32_t>(key)));
}

RegKeyHandle FromHkey(HKEY hKey) {
    return static_cast<RegKeyHandle>(reinterpret_cast<UINT_PTR>(hKey));
}

} // namespace

long CWin32Registry::CreateKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                               RegKeyHandle* result) {
    HKEY hKey = nullptr;
    const LONG nResult = RegCreateKeyExW(ToHkey(parent), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                         access, nullptr, &hKey, nullptr);
    if (nResult == ERROR_SUCCESS && result)
        *result = FromHkey(hKey);
    return nResult;
}

long CWin32Registry::QueryValue(RegKeyHandle key, const std::wstring& name, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) {
    DWORD nType = 0;
    DWORD cbData = size ? *size : 0;
    const LONG nResult = RegQueryValueExW(ToHkey(key), name.c_str(), nullptr, type ? &nType : nullptr, data,
                                          size ? &cbData : nullptr);
    if (type)
        *type = nType;
    if (size)
        *size = cbData;
    return nResult;
}

long CWin32Registry::SetValue(RegKeyHandle key, const std::wstring& name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) {
    return RegSetValueExW(ToHkey(key), name.c_str(), 0, type, data, size);
}

long CWin32Registry::CloseKey(RegKeyHandle key) {
    return RegCloseKey(ToHkey(key));
}

CWin32Registry::~CWin32Registry() {
    if (m_hChanged != nullptr)
        CloseHandle(m_hChanged);
}

bool CWin32Registry::WatchKey(RegKeyHandle key) {
    if (m_hChanged == nullptr)
        m_hChanged = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    return m_hChanged != nullptr &&
           RegNotifyChangeKeyValue(ToHkey(key), TRUE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET,
                                   m_hChanged, TRUE) == ERROR_SUCCESS;
}

bool CWin32Registry::TakeKeyChange() {
    return m_hChanged != nullptr && WaitForSingleObject(m_hChanged, 0) == WAIT_OBJECT_0;
}
