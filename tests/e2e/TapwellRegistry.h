#pragma once
// Tapwell's settings as they lie in the current user's registry, read and written independently of
// the program, so that a test sees what the program really stored.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Deletes both of the program's keys: the application profile and the window-handle key.
void ResetTapwellRegistry();

// A REG_DWORD of a profile section ("Settings 0", "Settings", "Social"); nothing when it is missing
// or of another type.
std::optional<DWORD> ReadProfileDword(const std::wstring& strSection, const std::wstring& strValue);
bool WriteProfileDword(const std::wstring& strSection, const std::wstring& strValue, DWORD nData);

// The value names of an instance's start/stop shortcut: "<section> StartAutoClickHotkey Key" and "Mod".
std::wstring ShortcutKeyValue(const std::wstring& strSection);
std::wstring ShortcutModifierValue(const std::wstring& strSection);
// The shortcut as the program stores it: a virtual key and MOD_ flags.
bool StoreShortcut(const std::wstring& strSection, DWORD nKey, DWORD nModifiers);

// The handle of the target window an instance section keeps under the window-handle key; nothing
// when it is missing or of another type.
std::optional<DWORD> ReadSeekedWindow(const std::wstring& strSection);
bool WriteSeekedWindow(const std::wstring& strSection, DWORD nHandle);
// Keys posted into the window's first Edit instead of the focused window, as the target selector
// stores that choice.
bool StoreSelectedWindow(const std::wstring& strSection, HWND hWindow);

struct RawValue {
    DWORD nType = REG_NONE;
    std::vector<BYTE> data;

    bool operator==(const RawValue& other) const { return nType == other.nType && data == other.data; }
};

// A value of a profile section of any type and bytes, written as a user or a cleaner editing the
// registry by hand might; read back, nothing when it is missing.
bool WriteRawValue(const std::wstring& strSection, const std::wstring& strValue, const RawValue& value);
std::optional<RawValue> ReadRawValue(const std::wstring& strSection, const std::wstring& strValue);
