#pragma once
// A profile: the set-up of one instance's run as a text file a person can read and edit, one
// "name = value" line per stored value, under the value's registry name. Keys are written by their
// names in the key lists, the picked window by its class and title (never by its handle).
//
// Reading is all or nothing: ParseProfile checks the whole text into a ProfileValues before anything
// is applied; a value the file leaves out takes its default.
#include <cstddef>
#include <string>
#include <vector>

#include "settings/AppSettings.h"

// The texts of the two key lists, in list order: a stored position is an index into them.
struct ProfileKeyNames {
    std::vector<std::wstring> keys;
    std::vector<std::wstring> modifiers;
};

// Every value a profile holds, in the order of PROFILE_FIELDS: integers and list positions in
// nValues, the texts in strTexts.
struct ProfileValues {
    std::vector<int> nValues;
    std::vector<std::wstring> strTexts;
};

struct ProfileParse {
    bool bOk = false;
    ProfileValues values;
    // Why the text was refused, naming the line where there is one.
    std::wstring strError;
};

inline constexpr int PROFILE_VERSION = 1;
// Longer files are refused before they are read.
inline constexpr std::size_t MAX_PROFILE_BYTES = 64 * 1024;
inline constexpr wchar_t PROFILE_EXTENSION[] = L"tapwell";

// The values of this instance as the settings hold them now.
ProfileValues ReadProfileValues(const CAppSettings& settings);
// Stores every value, as the dialogs that own them would.
void ApplyProfileValues(CAppSettings& settings, const ProfileValues& values);

// The file's bytes (UTF-8); false with strError when a value cannot be written as a line.
bool FormatProfile(const ProfileValues& values, const ProfileKeyNames& names, std::string& bytes,
                   std::wstring& strError);
ProfileParse ParseProfile(const std::string& bytes, const ProfileKeyNames& names);

// The values a profile sets when it names none: every description's default.
ProfileValues DefaultProfileValues();
