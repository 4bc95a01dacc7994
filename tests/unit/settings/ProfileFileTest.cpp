#include <string>
#include <tuple>
#include <vector>

#include "SettingsFixture.h"
#include "settings/ProfileFile.h"
#include "unit/TableRows.h"

namespace {

const ProfileKeyNames NAMES{{L"F1", L"F2", L"a", L"Space"}, {L"None", L"Ctrl", L"Alt", L"Shift"}};
const std::string HEADER = "Tapwell Profile 1\n";

// The values below the application's key, as a registry export would list them.
std::vector<std::tuple<std::wstring, std::wstring, std::uint32_t, std::vector<std::uint8_t>>>
Export(const FakeRegistry& registry) {
    std::vector<std::tuple<std::wstring, std::wstring, std::uint32_t, std::vector<std::uint8_t>>> values;
    for (const auto& value : registry.AllValues()) {
        if (value.path.find(L"Tapwell by Tovrin") != std::wstring::npos) {
            values.emplace_back(value.path, value.name, value.type, value.data);
        }
    }
    return values;
}

} // namespace

using ProfileFileTest = SettingsFixture;

TEST_F(ProfileFileTest, SavedThenOpenedIntoAResetRegistryGivesBackEveryValue) {
    const int nChanged[][2] = {{2, 1},  {3, 59}, {4, 99999}, {5, 9999},     {6, 1},
                               {7, 1},  {8, -2}, {9, 3},     {10, 4},       {11, 0},
                               {12, 1}, {13, 1}, {14, 1},    {17, 9999999}, {18, 0}};
    ProfileValues values = DefaultProfileValues();
    values.nValues[0] = 3;
    values.nValues[1] = 2;
    for (const auto& change : nChanged) {
        values.nValues[static_cast<std::size_t>(change[0])] = change[1];
    }
    values.strTexts[15] = L"Notepad";
    values.strTexts[16] = L"\"Caf\u00E9\" = \xD83D\xDE00 notes ";
    ApplyProfileValues(m_settings, values);
    std::string bytes;
    std::wstring strError;
    ASSERT_TRUE(FormatProfile(ReadProfileValues(m_settings), NAMES, bytes, strError)) << strError;

    FakeRegistry resetRegistry;
    CProfile resetProfile{resetRegistry};
    SetUpAsAtStartUp(resetProfile);
    CAppSettings resetSettings{resetProfile};
    const ProfileParse parse = ParseProfile(bytes, NAMES);
    ASSERT_TRUE(parse.bOk) << std::string(parse.strError.begin(), parse.strError.end());
    ApplyProfileValues(resetSettings, parse.values);
    EXPECT_EQ(Export(resetRegistry), Export(m_registry));
}

TEST_F(ProfileFileTest, HandWrittenFileWithBomCommentsAndAnyCaseTakesDefaultsForWhatItLeavesOut) {
    const ProfileParse parse = ParseProfile("\xEF\xBB\xBF# farm\r\n\r\n  tapwell profile 1\r\n"
                                            "keyindextobeautomated = A\r\n; every 2 s\r\n"
                                            "AutoClicksDelaySeconds=2\r\nTargetWindowName = Untitled\r\n",
                                            NAMES);
    ASSERT_TRUE(parse.bOk);
    ProfileValues expected = DefaultProfileValues();
    expected.nValues[0] = 2;
    expected.nValues[3] = 2;
    expected.strTexts[17] = L"Untitled"; // after the program and the class
    EXPECT_EQ(parse.values.nValues, expected.nValues);
    EXPECT_EQ(parse.values.strTexts, expected.strTexts);
}

struct MalformedRow : NamedRow {
    std::string bytes;
    const wchar_t* reason;
};

const MalformedRow MALFORMED_ROWS[] = {
    {{"empty"}, "; nothing\n", L"This is not a Tapwell profile: it has no line \"Tapwell Profile 1\"."},
    {{"another format"}, "[Settings]\nHoldKey=1\n", L"This is not a Tapwell profile: Line 1: should read"},
    {{"not UTF-8"}, HEADER + "TargetWindowName = \xFF\n", L"it is not UTF-8 text."},
    {{"a NUL, which no text holds"}, HEADER + std::string("TargetWindowName = \0\n", 21), L"not UTF-8 text."},
    {{"newer version"},
     "Tapwell Profile 2\n",
     L"newer Tapwell (profile version 2); this Tapwell reads version 1."},
    {{"misspelled name"}, HEADER + "\nHoldKy = 1\n", L"Line 3: \"HoldKy\" is not a setting a profile holds."},
    {{"no equals sign"}, HEADER + "HoldKey 1\n", L"Line 2: expected \"name = value\", found \"HoldKey 1\"."},
    {{"set twice"}, HEADER + "HoldKey = 1\nHoldKey = 0\n", L"Line 3: HoldKey was set already on line 2."},
    {{"out of range"},
     HEADER + "AutoClicksDelaySeconds = 75\n",
     L"Line 2: AutoClicksDelaySeconds must be an integer between 0 and 59, not \"75\"."},
    {{"beyond any integer"},
     HEADER + "RandomClicksDelayMins = 99999999999\n",
     L"Line 2: RandomClicksDelayMins must be an integer, not"},
    {{"not a number"}, HEADER + "SetNumberOfClicksToAutomate = ten\n", L"between 0 and 9999, not \"ten\"."},
    {{"key not in the list"},
     HEADER + "KeyIndexTobeAutomated = F13\n",
     L"Line 2: \"F13\" is not in the key list."},
    {{"modifier not in the list"},
     HEADER + "ModKeyIndexTobeAutomated = Win\n",
     L"\"Win\" is not in the modifier list."},
    {{"over 64 KiB"}, HEADER + std::string(MAX_PROFILE_BYTES, ';'), L"The file is larger than 64 KiB"},
};

using ProfileFileMalformed = TableTest<::testing::Test, MalformedRow>;

TEST_P(ProfileFileMalformed, IsRefusedSayingWhereAndWhy) {
    const ProfileParse parse = ParseProfile(GetParam().bytes, NAMES);
    EXPECT_FALSE(parse.bOk);
    EXPECT_NE(parse.strError.find(GetParam().reason), std::wstring::npos)
        << std::string(parse.strError.begin(), parse.strError.end());
}

INSTANTIATE_TEST_SUITE_P(Rows, ProfileFileMalformed, ::testing::ValuesIn(MALFORMED_ROWS), RowName());
