#include "settings/ProfileFile.h"

#include <iterator>

#include "settings/Utf8.h"

namespace {

enum class FieldKind {
    Number,   // an integer in the range of its description
    Key,      // a position in the key list, written as the key's name
    Modifier, // the same in the modifier list
    Text,     // a text, written between double quotes
};

struct ProfileField {
    FieldKind kind;
    const StoredInt* number;
    const StoredText* text;
};

constexpr ProfileField Number(const StoredInt& value) {
    return {FieldKind::Number, &value, nullptr};
}

// In the order a profile is written. The picked window is kept by what identifies it.
constexpr ProfileField PROFILE_FIELDS[] = {
    {FieldKind::Key, &KEY_INDEX_TOBE_AUTOMATED, nullptr},
    {FieldKind::Modifier, &MOD_KEY_INDEX_TOBE_AUTOMATED, nullptr},
    Number(AUTO_CLICKS_DELAY_MINS),
    Number(AUTO_CLICKS_DELAY_SECONDS),
    Number(AUTO_CLICKS_DELAY_MILLI_SECONDS),
    Number(SET_NUMBER_OF_CLICKS_TO_AUTOMATE),
    Number(HOLD_KEY),
    Number(ENABLE_RANDOM_DELAY),
    Number(RANDOM_CLICKS_DELAY_MINS),
    Number(RANDOM_CLICKS_DELAY_SECONDS),
    Number(RANDOM_CLICKS_DELAY_MILLI_SECONDS),
    Number(SEND_KEYS_TO_ACTIVE_WINDOW),
    Number(SEND_KEYS_TO_FIRST_EDIT_OF_SELECTED_WINDOW),
    Number(SEND_CHARS),
    Number(SEND_KEY_UPS),
    {FieldKind::Text, nullptr, &TARGET_WINDOW_PROGRAM},
    {FieldKind::Text, nullptr, &TARGET_WINDOW_CLASS},
    {FieldKind::Text, nullptr, &TARGET_WINDOW_NAME},
    {FieldKind::Text, nullptr, &TARGET_CONTROL_CLASS},
    Number(TARGET_CONTROL_ID),
    Number(TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP),
    Number(USE_OLD_KEY_INPUT_METHOD),
};

constexpr char VERSION_WORDS[] = "Tapwell Profile";
constexpr char UTF8_BOM[] = "\xEF\xBB\xBF";

std::wstring FieldName(const ProfileField& field) {
    return field.number != nullptr ? field.number->name : field.text->name;
}

std::wstring Trim(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) {
        return L"";
    }
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// Registry names match in any case; only ASCII letters fold, as the names are ASCII.
bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](wchar_t c) {
            return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
        };
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

// An exact match first: the letter keys' names follow the layout and may differ only in case.
int FindName(const std::vector<std::wstring>& names, const std::wstring& name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            return static_cast<int>(i);
        }
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameName(names[i], name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool ParseInteger(const std::wstring& text, long long& nValue) {
    std::size_t i = text.size() > 0 && text[0] == L'-' ? 1 : 0;
    // Eleven digits already lie outside every range a value has.
    if (i == text.size() || text.size() - i > 11) {
        return false;
    }
    nValue = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9') {
            return false;
        }
        nValue = nValue * 10 + (text[i] - L'0');
    }
    nValue = text[0] == L'-' ? -nValue : nValue;
    return true;
}

std::wstring RangeText(const StoredInt& value) {
    if (value.nMin == ANY_MIN && value.nMax == ANY_MAX) {
        return L"an integer";
    }
    return L"an integer between " + std::to_wstring(value.nMin) + L" and " + std::to_wstring(value.nMax);
}

// One value's text into values; an empty result, or why the text is refused.
std::wstring ParseValue(const ProfileField& field, std::size_t index, const std::wstring& text,
                        const ProfileKeyNames& names, ProfileValues& values) {
    const std::wstring strName = FieldName(field);
    switch (field.kind) {
    case FieldKind::Text:
        values.strTexts[index] = text.size() >= 2 && text.front() == L'"' && text.back() == L'"'
                                     ? text.substr(1, text.size() - 2)
                                     : text;
        return L"";
    case FieldKind::Key:
    case FieldKind::Modifier: {
        const bool bKey = field.kind == FieldKind::Key;
        const int nPosition = text.empty() ? -1 : FindName(bKey ? names.keys : names.modifiers, text);
        if (!text.empty() && nPosition < 0) {
            return L"\"" + text + L"\" is not in the " + (bKey ? L"key" : L"modifier") + L" list.";
        }
        values.nValues[index] = nPosition;
        return L"";
    }
    case FieldKind::Number:
        break;
    }
    long long nValue = 0;
    if (!ParseInteger(text, nValue) || nValue < field.number->nMin || nValue > field.number->nMax) {
        return strName + L" must be " + RangeText(*field.number) + L", not \"" + text + L"\".";
    }
    values.nValues[index] = static_cast<int>(nValue);
    return L"";
}

// "Tapwell Profile N": 0 when the line is something else.
long long VersionOf(const std::wstring& line) {
    const std::wstring words(std::begin(VERSION_WORDS), std::end(VERSION_WORDS) - 1);
    long long nVersion = 0;
    if (line.size() <= words.size() || !SameName(line.substr(0, words.size()), words) ||
        !ParseInteger(Trim(line.substr(words.size())), nVersion) || nVersion < 1) {
        return 0;
    }
    return nVersion;
}

ProfileParse Refuse(std::wstring strError) {
    ProfileParse parse;
    parse.strError = std::move(strError);
    return parse;
}

std::wstring LineText(std::size_t nLine) {
    return L"Line " + std::to_wstring(nLine) + L": ";
}

} // namespace

ProfileValues DefaultProfileValues() {
    ProfileValues values;
    for (const ProfileField& field : PROFILE_FIELDS) {
        values.nValues.push_back(field.number != nullptr ? field.number->nDefault : 0);
        values.strTexts.emplace_back();
    }
    return values;
}

ProfileValues ReadProfileValues(const CAppSettings& settings) {
    ProfileValues values = DefaultProfileValues();
    for (std::size_t i = 0; i < std::size(PROFILE_FIELDS); ++i) {
        const ProfileField& field = PROFILE_FIELDS[i];
        if (field.number != nullptr) {
            values.nValues[i] = settings.Get(*field.number);
        } else {
            settings.Get(*field.text, values.strTexts[i]);
        }
    }
    return values;
}

void ApplyProfileValues(CAppSettings& settings, const ProfileValues& values) {
    // A handle means nothing beside another window's identity: a different window is found anew.
    const ProfileValues before = ReadProfileValues(settings);
    for (std::size_t i = 0; i < std::size(PROFILE_FIELDS); ++i) {
        const ProfileField& field = PROFILE_FIELDS[i];
        if (field.number != nullptr) {
            settings.Set(*field.number, values.nValues[i]);
        } else {
            settings.Set(*field.text, values.strTexts[i]);
        }
    }
    if (before.strTexts != values.strTexts) {
        settings.SetSeekedWindow(0);
    }
}

bool FormatProfile(const ProfileValues& values, const ProfileKeyNames& names, std::string& bytes,
                   std::wstring& strError) {
    std::wstring text = L"; A Tapwell profile: one \"name = value\" line per setting.\r\n";
    text += std::wstring(std::begin(VERSION_WORDS), std::end(VERSION_WORDS) - 1) + L' ' +
            std::to_wstring(PROFILE_VERSION) + L"\r\n";
    for (std::size_t i = 0; i < std::size(PROFILE_FIELDS); ++i) {
        const ProfileField& field = PROFILE_FIELDS[i];
        std::wstring strValue;
        if (field.kind == FieldKind::Text) {
            if (values.strTexts[i].find_first_of(L"\r\n") != std::wstring::npos) {
                strError = FieldName(field) + L" holds a line break, which a profile cannot keep.";
                return false;
            }
            strValue = L'"' + values.strTexts[i] + L'"';
        } else if (field.kind == FieldKind::Number) {
            // What the file could not give back is not written: the dialogs would refuse it too.
            if (values.nValues[i] < field.number->nMin || values.nValues[i] > field.number->nMax) {
                strError = FieldName(field) + L" is " + std::to_wstring(values.nValues[i]) +
                           L"; it must be " + RangeText(*field.number) + L".";
                return false;
            }
            strValue = std::to_wstring(values.nValues[i]);
        } else if (values.nValues[i] >= 0) {
            const bool bKey = field.kind == FieldKind::Key;
            const std::vector<std::wstring>& list = bKey ? names.keys : names.modifiers;
            const auto nPosition = static_cast<std::size_t>(values.nValues[i]);
            if (nPosition >= list.size() || FindName(list, list[nPosition]) != values.nValues[i]) {
                strError = FieldName(field) + L" = " + std::to_wstring(values.nValues[i]) +
                           L" names no entry of the " + (bKey ? L"key" : L"modifier") + L" list.";
                return false;
            }
            strValue = list[nPosition];
        }
        text += FieldName(field) + L" = " + strValue + L"\r\n";
    }
    bytes = EncodeUtf8(text);
    return true;
}

ProfileParse ParseProfile(const std::string& bytes, const ProfileKeyNames& names) {
    if (bytes.size() > MAX_PROFILE_BYTES) {
        return Refuse(L"The file is larger than 64 KiB, which no profile is.");
    }
    const std::size_t nBom = bytes.compare(0, 3, UTF8_BOM) == 0 ? 3 : 0;
    std::wstring text;
    // A NUL is UTF-8, but no text of a profile can hold one.
    if (!DecodeUtf8(bytes.substr(nBom), text) || text.find(L'\0') != std::wstring::npos) {
        return Refuse(L"This is not a Tapwell profile: it is not UTF-8 text.");
    }

    ProfileParse parse;
    parse.values = DefaultProfileValues();
    std::vector<std::size_t> setOnLine(std::size(PROFILE_FIELDS), 0);
    bool bVersionSeen = false;
    std::size_t nLine = 0;
    for (std::size_t start = 0; start <= text.size(); ++nLine) {
        std::size_t end = text.find(L'\n', start);
        end = end == std::wstring::npos ? text.size() : end;
        std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r') {
            line.pop_back();
        }
        line = Trim(line);
        if (line.empty() || line[0] == L';' || line[0] == L'#') {
            continue;
        }
        if (!bVersionSeen) {
            const long long nVersion = VersionOf(line);
            if (nVersion == 0) {
                return Refuse(L"This is not a Tapwell profile: " + LineText(nLine + 1) +
                              L"should read \"Tapwell Profile 1\".");
            }
            if (nVersion > PROFILE_VERSION) {
                return Refuse(L"This profile was saved by a newer Tapwell (profile version " +
                              std::to_wstring(nVersion) + L"); this Tapwell reads version " +
                              std::to_wstring(PROFILE_VERSION) + L".");
            }
            bVersionSeen = true;
            continue;
        }
        const std::size_t nEquals = line.find(L'=');
        if (nEquals == std::wstring::npos) {
            return Refuse(LineText(nLine + 1) + L"expected \"name = value\", found \"" + line + L"\".");
        }
        const std::wstring strName = Trim(line.substr(0, nEquals));
        std::size_t nField = 0;
        while (nField < std::size(PROFILE_FIELDS) && !SameName(FieldName(PROFILE_FIELDS[nField]), strName)) {
            ++nField;
        }
        if (nField == std::size(PROFILE_FIELDS)) {
            return Refuse(LineText(nLine + 1) + L"\"" + strName + L"\" is not a setting a profile holds.");
        }
        if (setOnLine[nField] != 0) {
            return Refuse(LineText(nLine + 1) + strName + L" was set already on line " +
                          std::to_wstring(setOnLine[nField]) + L".");
        }
        setOnLine[nField] = nLine + 1;
        const std::wstring strWhy =
            ParseValue(PROFILE_FIELDS[nField], nField, Trim(line.substr(nEquals + 1)), names, parse.values);
        if (!strWhy.empty()) {
            return Refuse(LineText(nLine + 1) + strWhy);
        }
    }
    if (!bVersionSeen) {
        return Refuse(L"This is not a Tapwell profile: it has no line \"Tapwell Profile 1\".");
    }
    parse.bOk = true;
    return parse;
}
