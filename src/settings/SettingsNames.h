#pragma once
// Registry names shared by the settings store and the code that uses the profile directly.

constexpr wchar_t REGISTRY_KEY_NAME[] = L"Tov rin";
constexpr wchar_t SECTION_SETTINGS[] = L"Settings";
constexpr wchar_t SECTION_SOCIAL[] = L"Social";

constexpr wchar_t VALUE_TWITTERED[] = L"Twittered";
constexpr wchar_t VALUE_FACEBOOKED[] = L"Facebooked";
constexpr wchar_t VALUE_GOOGLED[] = L"Googled";

// Kept apart from the profile: its own company and product components, no space in the company.
constexpr wchar_t SEEKED_WINDOWS_KEY_PATH[] = L"Software\\Tovrin\\Tapwell\\SeekedWindows";
