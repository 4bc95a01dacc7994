#pragma once
// Tapwell's settings as they lie in the current user's registry, read and written independently of
// the program, so that a test sees what the program really stored.
#include <windows.h>

#include <optional>
#include <string>

// Deletes both of the program's keys: the application profile and the window-handle key.
void ResetTapwellRegistry();

// A REG_DWORD of a profile section ("Settings 0", "Settings", "Social"); nothing when it is missing
// or of another type.
std::optional<DWORD> ReadProfileDword(const std::wstring& strSection, const std::wstring& strValue);
bool WriteProfileDword(const std::wstring& strSection, const std::wstring& strValue, DWORD nData);

// The handle of the target window an instance section keeps under the window-handle key; nothing
// when it is missing or of another type.
std::optional<DWORD> ReadSeekedWindow(const std::wstring& strSection);
bool WriteSeekedWindow(const std::wstring& strSection, DWORD nHandle);
