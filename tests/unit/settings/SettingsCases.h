#pragma once
// Where the settings live and tables of what may be stored there, shared by the settings tests on the
// in-memory registry and the same tests on Wine's real one: a row is a stored value and what the
// program reads from it.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/RegistryBytes.h"
#include "ports/Win32Constants.h"
#include "resource.h"
#include "settings/AppSettings.h"
#include "settings/InstanceSection.h"
#include "settings/Profile.h"

using Bytes = std::vector<std::uint8_t>;

inline const std::wstring APP_TITLE = L"" TAPWELL_APP_TITLE;
inline const std::wstring PROFILE_PATH = L"software\\Tov rin\\" + APP_TITLE;
inline const std::wstring SEEKED_PATH = L"Software\\Tovrin\\Tapwell\\SeekedWindows";
inline const std::wstring INSTANCE_SECTION = L"Settings 0";

inline std::wstring SectionPath(const std::wstring& section) {
    return PROFILE_PATH + L"\\" + section;
}

// The profile as start-up sets it up: registry key "Tov rin", application named after its title.
inline void SetUpAsAtStartUp(CProfile& profile) {
    profile.SetApplicationName(APP_TITLE);
    profile.SetRegistryKey(L"Tov rin");
}

// Makes this the first instance for the life of the object, then restores the process-wide section.
class FirstInstanceSection {
public:
    explicit FirstInstanceSection(CAppSettings& settings)
        : m_savedSection(g_strInstanceSection), m_nSavedNumber(g_nInstanceNumber) {
        g_nInstanceNumber = 0;
        settings.FormatInstanceSection();
    }
    ~FirstInstanceSection() {
        g_strInstanceSection = m_savedSection;
        g_nInstanceNumber = m_nSavedNumber;
    }
    FirstInstanceSection(const FirstInstanceSection&) = delete;
    FirstInstanceSection& operator=(const FirstInstanceSection&) = delete;

private:
    std::wstring m_savedSection;
    int m_nSavedNumber;
};

// A value stored as it is, whatever its type and size.
struct RawValue {
    std::wstring path;
    std::wstring name;
    std::uint32_t type;
    Bytes data;
};

// Every integer setting: its default, its section and value name, and its methods.
enum class Section { Instance, Shared };

struct IntSetting {
    const wchar_t* name;
    Section section;
    int nDefault;
    int (CAppSettings::*get)() const;
    void (CAppSettings::*set)(int);
};

inline std::wstring SectionPath(Section section) {
    return SectionPath(section == Section::Instance ? INSTANCE_SECTION : L"Settings");
}

// A row's name in test names and traces: its label, or an integer setting's value name.
template <typename Case> std::string Label(const Case& c) {
    return c.label;
}

inline std::string Label(const IntSetting& setting) {
    const std::wstring name = setting.name;
    return std::string(name.begin(), name.end());
}

struct CaseLabel {
    template <typename Case> std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return Label(info.param);
    }
};

inline const std::vector<IntSetting>& IntSettings() {
    using C = CAppSettings;
    static const std::vector<IntSetting> settings = {
        {L"AutoClicksDelayMins", Section::Instance, 0, &C::GetAutoClicksDelayMins,
         &C::SetAutoClicksDelayMins},
        {L"AutoClicksDelaySeconds", Section::Instance, 0, &C::GetAutoClicksDelaySeconds,
         &C::SetAutoClicksDelaySeconds},
        {L"AutoClicksDelayMilliSeconds", Section::Instance, 10, &C::GetAutoClicksDelayMilliSeconds,
         &C::SetAutoClicksDelayMilliSeconds},
        {L"SetNumberOfClicksToAutomate", Section::Instance, 10, &C::GetSetNumberOfClicksToAutomate,
         &C::SetSetNumberOfClicksToAutomate},
        {L"HoldKey", Section::Instance, 0, &C::GetHoldKey, &C::SetHoldKey},
        {L"KeyIndexTobeAutomated", Section::Instance, -1, &C::GetKeyIndexTobeAutomated,
         &C::SetKeyIndexTobeAutomated},
        {L"ModKeyIndexTobeAutomated", Section::Instance, -1, &C::GetModKeyIndexTobeAutomated,
         &C::SetModKeyIndexTobeAutomated},
        {L"EnableRandomDelay", Section::Instance, 0, &C::GetEnableRandomDelay, &C::SetEnableRandomDelay},
        {L"RandomClicksDelayMins", Section::Instance, 0, &C::GetRandomClicksDelayMins,
         &C::SetRandomClicksDelayMins},
        {L"RandomClicksDelaySeconds", Section::Instance, 30, &C::GetRandomClicksDelaySeconds,
         &C::SetRandomClicksDelaySeconds},
        {L"RandomClicksDelayMilliSeconds", Section::Instance, 0, &C::GetRandomClicksDelayMilliSeconds,
         &C::SetRandomClicksDelayMilliSeconds},
        {L"SendKeysToActiveWindow", Section::Instance, 1, &C::GetSendKeysToActiveWindow,
         &C::SetSendKeysToActiveWindow},
        {L"SendKeysToFirstEditOfSelectedWindow", Section::Instance, 0,
         &C::GetSendKeysToFirstEditOfSelectedWindow, &C::SetSendKeysToFirstEditOfSelectedWindow},
        {L"SendChars", Section::Instance, 0, &C::GetSendChars, &C::SetSendChars},
        {L"SendKeyUps", Section::Instance, 0, &C::GetSendKeyUps, &C::SetSendKeyUps},
        {L"TimeDelayBetweenKeyDownAndKeyUp", Section::Shared, 10, &C::GetTimeDelayBetweenKeyDownAndKeyUp,
         &C::SetTimeDelayBetweenKeyDownAndKeyUp},
        {L"UseOldKeyInputMethod", Section::Shared, 1, &C::GetUseOldKeyInputMethod,
         &C::SetUseOldKeyInputMethod},
        {L"UseSingleInstance", Section::Shared, 1, &C::GetUseSingleInstance, &C::SetUseSingleInstance},
    };
    return settings;
}

// A value of the profile stored in any shape, and what GetProfileInt and GetProfileString read from
// it: four bytes of any type are an integer, only REG_SZ is text.
inline constexpr std::uint32_t NOT_STORED = 0xFFFFFFFF;
inline constexpr int INT_DEFAULT = 4242; // a value no case stores
inline const std::wstring STRING_DEFAULT = L"(default)";

struct StoredCase {
    const char* label;
    std::uint32_t type; // NOT_STORED: no value at all
    Bytes data;
    int expectedInt;
    std::wstring expectedString;
};

inline std::wstring LongText() {
    std::wstring text;
    for (int i = 0; i < 3000; ++i) {
        text.push_back(static_cast<wchar_t>(L'a' + i % 26));
    }
    return text;
}

inline const std::vector<StoredCase>& StoredCases() {
    const int D = INT_DEFAULT;
    const std::wstring& S = STRING_DEFAULT;
    static const std::vector<StoredCase> cases = {
        {"DwordZero", REG_DWORD, {0, 0, 0, 0}, 0, S},
        {"DwordSmall", REG_DWORD, {42, 0, 0, 0}, 42, S},
        {"DwordLittleEndian", REG_DWORD, {0x78, 0x56, 0x34, 0x12}, 0x12345678, S},
        {"DwordMinusOne", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, -1, S},
        {"DwordIntMin", REG_DWORD, {0, 0, 0, 0x80}, INT_MIN, S},
        {"BinaryFourBytes", REG_BINARY, {5, 0, 0, 0}, 5, S},
        {"StringFourBytes", REG_SZ, {'a', 0, 'b', 0}, 0x00620061, L"ab"},
        {"NoneFourBytes", REG_NONE, {9, 0, 0, 0}, 9, S},
        {"ZeroBytes", REG_DWORD, {}, D, S},
        {"ThreeBytes", REG_DWORD, {1, 0, 0}, D, S},
        {"FiveBytes", REG_DWORD, {1, 0, 0, 0, 0}, D, S},
        {"EightBytes", REG_BINARY, {1, 0, 0, 0, 0, 0, 0, 0}, D, S},
        {"LongString", REG_SZ, {'1', 0, '2', 0, 0, 0}, D, L"12"},
        {"Terminated", REG_SZ, StringBytes(L"Notepad"), D, L"Notepad"},
        {"Unterminated", REG_SZ, StringBytes(L"Edit", false), D, L"Edit"},
        {"OddTrailingByte", REG_SZ, {'E', 0, 'd', 0, 'X'}, D, L"Ed"},
        {"SingleByte", REG_SZ, {'X'}, D, L""},
        {"NoData", REG_SZ, {}, D, L""},
        {"OnlyTerminator", REG_SZ, {0, 0}, D, L""},
        {"EmbeddedNullEndsText", REG_SZ, {'a', 0, 0, 0, 'b', 0, 0, 0}, D, L"a"},
        {"NonAsciiUtf16", REG_SZ, {0xE9, 0x00, 0x2D, 0x4E, 0, 0}, D, L"\u00E9\u4E2D"},
        {"DwordIsNotText", REG_DWORD, {'a', 0, 0, 0}, 0x61, S},
        {"BinaryIsNotText", REG_BINARY, StringBytes(L"x"), 0x78, S},
        {"ExpandStringIsNotText", REG_EXPAND_SZ, StringBytes(L"%x%"), D, S},
        {"LongTextIsReadWhole", REG_SZ, StringBytes(LongText()), D, LongText()},
        {"Missing", NOT_STORED, {}, D, S},
    };
    return cases;
}

// The row's value as "Entry" of the first instance's section.
inline std::vector<RawValue> StoredValues(const StoredCase& c) {
    if (c.type == NOT_STORED) {
        return {};
    }
    return {{SectionPath(INSTANCE_SECTION), L"Entry", c.type, c.data}};
}

// The selected window as stored in the SeekedWindows key: only a four-byte REG_DWORD is a window.
struct SeekedCase {
    const char* label;
    std::uint32_t type;
    Bytes data;
    WindowHandle expected;
};

inline const std::vector<SeekedCase>& SeekedCases() {
    static const std::vector<SeekedCase> cases = {
        {"Dword", REG_DWORD, {0x86, 0x00, 0x01, 0x00}, 0x00010086},
        {"StringIsNoWindow", REG_SZ, StringBytes(L"65670"), 0},
        {"FourByteStringIsNoWindow", REG_SZ, {'1', 0, 0, 0}, 0},
        {"BinaryIsNoWindow", REG_BINARY, {0x86, 0x00, 0x01, 0x00}, 0},
        {"ShortDwordIsNoWindow", REG_DWORD, {0x86, 0x00}, 0},
        {"EmptyDwordIsNoWindow", REG_DWORD, {}, 0},
        {"LongDwordIsNoWindow", REG_DWORD, {0x86, 0x00, 0x01, 0x00, 0, 0, 0, 0}, 0},
    };
    return cases;
}

inline std::vector<RawValue> StoredValues(const SeekedCase& c) {
    return {{SEEKED_PATH, INSTANCE_SECTION, c.type, c.data}};
}

// The target window texts, read into texts the caller has filled beforehand; a stored text replaces
// the caller's, anything else leaves it.
struct TargetTextCase {
    const char* label;
    std::wstring strClassBefore;
    const wchar_t* nameBefore; // null: the class text just read, as the target dialog passes it
    std::wstring expectedClass;
    std::wstring expectedName;
    std::vector<RawValue> stored;
};

inline RawValue ClassText(const std::wstring& text, const std::wstring& section = INSTANCE_SECTION) {
    return {SectionPath(section), L"TargetWindowClass", REG_SZ, StringBytes(text)};
}

inline RawValue NameText(const std::wstring& text, const std::wstring& section = INSTANCE_SECTION) {
    return {SectionPath(section), L"TargetWindowName", REG_SZ, StringBytes(text)};
}

inline RawValue ClassDword(std::uint32_t value) {
    return {SectionPath(INSTANCE_SECTION), L"TargetWindowClass", REG_DWORD, DwordBytes(value)};
}

template <typename... Values> std::vector<RawValue> Stored(Values... values) {
    return {values...};
}

inline const std::vector<TargetTextCase>& TargetTextCases() {
    static const std::vector<TargetTextCase> cases = {
        {"MissingClassLeavesTheCallersText", L"caller's text", L"n", L"caller's text", L"n", Stored()},
        {"StoredTextsReplaceTheCallersText", L"x", L"y", L"Notepad", L"Untitled - Notepad",
         Stored(ClassText(L"Notepad"), NameText(L"Untitled - Notepad"))},
        {"StoredEmptyTextReplacesTheCallersText", L"x", L"y", L"", L"y", Stored(ClassText(L""))},
        {"MissingNameDefaultsToTheClassText", L"", nullptr, L"Edit", L"Edit", Stored(ClassText(L"Edit"))},
        {"TextsAreReadFromTheInstanceSectionOnly", L"c", L"n", L"c", L"n",
         Stored(ClassText(L"Shared", L"Settings"), NameText(L"Other", L"Settings 1"))},
        {"NonTextValueLeavesTheCallersText", L"c", L"n", L"c", L"n", Stored(ClassDword(0x41))},
    };
    return cases;
}

// Reads both target texts as the target dialog does.
inline void ExpectReadAsInTheRow(CAppSettings& settings, const TargetTextCase& c) {
    std::wstring strClass = c.strClassBefore;
    settings.GetTargetWindowClass(strClass);
    std::wstring strName = c.nameBefore ? c.nameBefore : strClass;
    settings.GetTargetWindowName(strName);

    EXPECT_EQ(strClass, c.expectedClass);
    EXPECT_EQ(strName, c.expectedName);
}
