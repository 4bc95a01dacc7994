#pragma once
// The registry names that belong to no single value: the profile's key, its shared sections and the
// key of the selected windows.

constexpr wchar_t REGISTRY_KEY_NAME[] = L"Tov rin";
constexpr wchar_t SECTION_SETTINGS[] = L"Settings";
constexpr wchar_t SECTION_SOCIAL[] = L"Social";

// Kept apart from the profile: its own company and product components, no space in the company.
constexpr wchar_t SEEKED_WINDOWS_KEY_PATH[] = L"Software\\Tovrin\\Tapwell\\SeekedWindows";
// Beside it, the volatile key of the keys each running Tapwell may hold down.
constexpr wchar_t TAPWELL_KEY_PATH[] = L"Software\\Tovrin\\Tapwell";
constexpr wchar_t KEY_JOURNAL_KEY_NAME[] = L"KeyJournal";

// In portable mode: the settings file beside the program, and its section of the selected windows.
constexpr wchar_t PORTABLE_SETTINGS_FILE_NAME[] = L"Tapwell.ini";
constexpr wchar_t SEEKED_WINDOWS_SECTION[] = L"SeekedWindows";
