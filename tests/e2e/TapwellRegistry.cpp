#include "TapwellRegistry.h"

#include <cstring>

namespace {
// The profile's company key has a space inside; the window-handle key lives under another one.
const wchar_t PROFILE_COMPANY_KEY[] = L"software\\Tov rin";
const wchar_t PROFILE_KEY[] = L"software\\Tov rin\\Tapwell by Tovrin";
const wchar_t WINDOW_COMPANY_KEY[] = L"Software\\Tovrin";
const wchar_t SEEKED_WINDOWS_KEY[] = L"Software\\Tovrin\\Tapwell\\SeekedWindows";

std::wstring SectionKey(const std::wstring& strSection) {
    return std::wstring(PROFILE_KEY) + L"\\" + strSection;
}

std::optional<RawValue> ReadRaw(const std::wstring& strKey, const std::wstring& strValue) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, strKey.c_str(), 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RawValue value;
    DWORD nSize = 0;
    LONG nStatus = RegQueryValueExW(hKey, strValue.c_str(), nullptr, &value.nType, nullptr, &nSize);
    if (nStatus == ERROR_SUCCESS) {
        value.data.resize(nSize);
        nStatus = RegQueryValueExW(hKey, strValue.c_str(), nullptr, &value.nType,
                                   value.data.empty() ? nullptr : value.data.data(), &nSize);
        value.data.resize(nSize);
    }
    RegCloseKey(hKey);
    return nStatus == ERROR_SUCCESS ? std::optional<RawValue>(value) : std::nullopt;
}

bool WriteRaw(const std::wstring& strKey, const std::wstring& strValue, const RawValue& value) {
    HKEY hKey = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, strKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LONG nStatus = RegSetValueExW(hKey, strValue.c_str(), 0, value.nType,
                                        value.data.empty() ? nullptr : value.data.data(),
                                        static_cast<DWORD>(value.data.size()));
    RegCloseKey(hKey);
    return nStatus == ERROR_SUCCESS;
}

std::optional<DWORD> ReadDword(const std::wstring& strKey, const std::wstring& strValue) {
    const std::optional<RawValue> value = ReadRaw(strKey, strValue);
    DWORD nData = 0;
    if (!value || value->nType != REG_DWORD || value->data.size() != sizeof(nData)) {
        return std::nullopt;
    }
    std::memcpy(&nData, value->data.data(), sizeof(nData));
    return nData;
}

bool WriteDword(const std::wstring& strKey, const std::wstring& strValue, DWORD nData) {
    const BYTE* pBytes = reinterpret_cast<const BYTE*>(&nData);
    return WriteRaw(strKey, strValue, RawValue{REG_DWORD, std::vector<BYTE>(pBytes, pBytes + sizeof(nData))});
}
} // namespace

void ResetTapwellRegistry() {
    RegDeleteTreeW(HKEY_CURRENT_USER, PROFILE_COMPANY_KEY);
    RegDeleteTreeW(HKEY_CURRENT_USER, WINDOW_COMPANY_KEY);
}

std::optional<DWORD> ReadProfileDword(const std::wstring& strSection, const std::wstring& strValue) {
    return ReadDword(SectionKey(strSection), strValue);
}

bool WriteProfileDword(const std::wstring& strSection, const std::wstring& strValue, DWORD nData) {
    return WriteDword(SectionKey(strSection), strValue, nData);
}

std::wstring ShortcutKeyValue(const std::wstring& strSection) {
    return strSection + L" StartAutoClickHotkey Key";
}

std::wstring ShortcutModifierValue(const std::wstring& strSection) {
    return strSection + L" StartAutoClickHotkey Mod";
}

bool StoreShortcut(const std::wstring& strSection, DWORD nKey, DWORD nModifiers) {
    return WriteProfileDword(strSection, ShortcutKeyValue(strSection), nKey) &&
           WriteProfileDword(strSection, ShortcutModifierValue(strSection), nModifiers);
}

std::optional<DWORD> ReadSeekedWindow(const std::wstring& strSection) {
    return ReadDword(SEEKED_WINDOWS_KEY, strSection);
}

bool WriteSeekedWindow(const std::wstring& strSection, DWORD nHandle) {
    return WriteDword(SEEKED_WINDOWS_KEY, strSection, nHandle);
}

bool StoreSelectedWindow(const std::wstring& strSection, HWND hWindow) {
    // Window handles fit in 32 bits, also in a 64-bit process.
    return WriteProfileDword(strSection, L"SendKeysToActiveWindow", 0) &&
           WriteProfileDword(strSection, L"SendKeysToFirstEditOfSelectedWindow", 1) &&
           WriteSeekedWindow(strSection, static_cast<DWORD>(reinterpret_cast<UINT_PTR>(hWindow)));
}

bool WriteRawValue(const std::wstring& strSection, const std::wstring& strValue, const RawValue& value) {
    return WriteRaw(SectionKey(strSection), strValue, value);
}

std::optional<RawValue> ReadRawValue(const std::wstring& strSection, const std::wstring& strValue) {
    return ReadRaw(SectionKey(strSection), strValue);
}
