// The application profile: where its values live, how stored data of any shape reads back, and
// that it never leaves a key open.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "SettingsFixture.h"

namespace {

const std::wstring SECTION = L"Settings 0";

using Bytes = std::vector<std::uint8_t>;

} // namespace

using ProfileLocation = SettingsFixture;
using ProfileIntRead = SettingsFixture;
using ProfileStringRead = SettingsFixture;
using ProfileFailures = SettingsFixture;

TEST_F(ProfileLocation, WriteStoresDwordAtSoftwareRegistryKeyAppNameSection) {
    EXPECT_TRUE(m_profile.WriteProfileInt(SECTION, L"HoldKey", 0x01020304));

    const auto values = m_registry.AllValues();
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].path, L"software\\Tov rin\\Tapwell by Tovrin\\Settings 0");
    EXPECT_EQ(values[0].name, L"HoldKey");
    EXPECT_EQ(values[0].type, REG_DWORD);
    EXPECT_EQ(values[0].data, (Bytes{0x04, 0x03, 0x02, 0x01}));
}

TEST_F(ProfileLocation, SectionKeyIsOpenedBelowCurrentUserWithReadAndWriteAccess) {
    m_profile.GetProfileInt(SECTION, L"HoldKey", 0);

    ASSERT_EQ(m_registry.CreateCalls().size(), 1u);
    const auto& call = m_registry.CreateCalls()[0];
    EXPECT_EQ(call.parent, HKEY_CURRENT_USER);
    EXPECT_EQ(call.subKey, L"software\\Tov rin\\Tapwell by Tovrin\\Settings 0");
    EXPECT_EQ(call.access, 0x2001Fu);
}

TEST_F(ProfileLocation, ReadingCreatesTheKeyChainButNoValue) {
    m_profile.GetProfileInt(L"Social", L"Twittered", 0);

    EXPECT_EQ(
        m_registry.AllKeys(),
        (std::vector<std::wstring>{L"software", L"software\\Tov rin", L"software\\Tov rin\\Tapwell by Tovrin",
                                   L"software\\Tov rin\\Tapwell by Tovrin\\Social"}));
    EXPECT_TRUE(m_registry.AllValues().empty());
}

TEST_F(ProfileLocation, ExistingSoftwareKeyIsReusedWhateverItsCase) {
    m_registry.CreateKeyPath(L"Software\\Other");

    m_profile.WriteProfileInt(SECTION, L"HoldKey", 1);

    EXPECT_NE(m_registry.FindValue(L"Software\\Tov rin\\Tapwell by Tovrin\\Settings 0", L"HoldKey"), nullptr);
    EXPECT_EQ(m_registry.AllKeys().front(), L"Software");
    EXPECT_EQ(m_registry.AllKeys().size(), 5u);
}

TEST_F(ProfileLocation, ApplicationNameNamesTheProfileKey) {
    m_profile.SetApplicationName(L"Other Title");

    m_profile.WriteProfileInt(SECTION, L"HoldKey", 1);

    EXPECT_NE(m_registry.FindValue(L"software\\Tov rin\\Other Title\\Settings 0", L"HoldKey"), nullptr);
}

TEST_F(ProfileLocation, WriteReplacesValueOfAnyTypeWithDword) {
    m_registry.PutString(SectionPath(SECTION), L"HoldKey", L"text");

    m_profile.WriteProfileInt(SECTION, L"HoldKey", 7);

    const auto* value = m_registry.FindValue(SectionPath(SECTION), L"HoldKey");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, REG_DWORD);
    EXPECT_EQ(value->data, (Bytes{7, 0, 0, 0}));
}

struct IntDataCase {
    const char* label;
    std::uint32_t type;
    Bytes data;
    int expected;
};

// Default used throughout: a value no case stores.
constexpr int INT_DEFAULT = 4242;

class ProfileIntData : public SettingsFixture, public ::testing::WithParamInterface<IntDataCase> {};

TEST_P(ProfileIntData, ReadsFourBytesOfAnyTypeAndDefaultsOtherwise) {
    const IntDataCase& c = GetParam();
    m_registry.PutValue(SectionPath(SECTION), L"Entry", c.type, c.data);

    EXPECT_EQ(m_profile.GetProfileInt(SECTION, L"Entry", INT_DEFAULT), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ProfileIntData,
    ::testing::Values(IntDataCase{"DwordZero", REG_DWORD, {0, 0, 0, 0}, 0},
                      IntDataCase{"DwordSmall", REG_DWORD, {42, 0, 0, 0}, 42},
                      IntDataCase{"DwordLittleEndian", REG_DWORD, {0x78, 0x56, 0x34, 0x12}, 0x12345678},
                      IntDataCase{"DwordMinusOne", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, -1},
                      IntDataCase{"DwordIntMin", REG_DWORD, {0, 0, 0, 0x80}, INT_MIN},
                      IntDataCase{"BinaryFourBytes", REG_BINARY, {5, 0, 0, 0}, 5},
                      IntDataCase{"StringFourBytes", REG_SZ, {'a', 0, 'b', 0}, 0x00620061},
                      IntDataCase{"NoneFourBytes", REG_NONE, {9, 0, 0, 0}, 9},
                      IntDataCase{"ZeroBytes", REG_DWORD, {}, INT_DEFAULT},
                      IntDataCase{"OneByte", REG_DWORD, {1}, INT_DEFAULT},
                      IntDataCase{"TwoBytes", REG_DWORD, {1, 0}, INT_DEFAULT},
                      IntDataCase{"ThreeBytes", REG_DWORD, {1, 0, 0}, INT_DEFAULT},
                      IntDataCase{"FiveBytes", REG_DWORD, {1, 0, 0, 0, 0}, INT_DEFAULT},
                      IntDataCase{"SixBytes", REG_BINARY, {1, 0, 0, 0, 0, 0}, INT_DEFAULT},
                      IntDataCase{"SevenBytes", REG_BINARY, {1, 0, 0, 0, 0, 0, 0}, INT_DEFAULT},
                      IntDataCase{"EightBytes", REG_BINARY, {1, 0, 0, 0, 0, 0, 0, 0}, INT_DEFAULT},
                      IntDataCase{"LongString", REG_SZ, {'1', 0, '2', 0, 0, 0}, INT_DEFAULT}),
    [](const ::testing::TestParamInfo<IntDataCase>& info) { return std::string(info.param.label); });

TEST_F(ProfileIntRead, MissingValueGivesDefault) {
    m_registry.PutDword(SectionPath(SECTION), L"Other", 1);

    EXPECT_EQ(m_profile.GetProfileInt(SECTION, L"Entry", INT_DEFAULT), INT_DEFAULT);
}

TEST_F(ProfileIntRead, ValueInAnotherSectionIsNotSeen) {
    m_registry.PutDword(SectionPath(L"Settings 1"), L"Entry", 1);

    EXPECT_EQ(m_profile.GetProfileInt(SECTION, L"Entry", INT_DEFAULT), INT_DEFAULT);
}

TEST_F(ProfileIntRead, ValueNamesMatchWithoutRegardToCase) {
    m_registry.PutDword(SectionPath(L"SETTINGS 0"), L"ENTRY", 3);

    EXPECT_EQ(m_profile.GetProfileInt(SECTION, L"Entry", INT_DEFAULT), 3);
}

TEST_F(ProfileIntRead, WrittenValuesReadBackUnchanged) {
    for (int nValue : {0, 1, -1, 75, 99999, INT_MAX, INT_MIN}) {
        ASSERT_TRUE(m_profile.WriteProfileInt(SECTION, L"Entry", nValue));
        EXPECT_EQ(m_profile.GetProfileInt(SECTION, L"Entry", INT_DEFAULT), nValue);
    }
}

struct StringDataCase {
    const char* label;
    std::uint32_t type;
    Bytes data;
    std::wstring expected;
};

const std::wstring STRING_DEFAULT = L"(default)";

class ProfileStringData : public SettingsFixture, public ::testing::WithParamInterface<StringDataCase> {};

TEST_P(ProfileStringData, ReadsTextOfStringValuesWithinTheirData) {
    const StringDataCase& c = GetParam();
    m_registry.PutValue(SectionPath(SECTION), L"Entry", c.type, c.data);

    EXPECT_EQ(m_profile.GetProfileString(SECTION, L"Entry", STRING_DEFAULT), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ProfileStringData,
    ::testing::Values(
        StringDataCase{"Terminated", REG_SZ, FakeRegistry::StringBytes(L"Notepad"), L"Notepad"},
        StringDataCase{"Unterminated", REG_SZ, FakeRegistry::StringBytes(L"Edit", false), L"Edit"},
        StringDataCase{"OddTrailingByte", REG_SZ, {'E', 0, 'd', 0, 'X'}, L"Ed"},
        StringDataCase{"SingleByte", REG_SZ, {'X'}, L""}, StringDataCase{"NoData", REG_SZ, {}, L""},
        StringDataCase{"OnlyTerminator", REG_SZ, {0, 0}, L""},
        StringDataCase{"EmbeddedNullEndsText", REG_SZ, {'a', 0, 0, 0, 'b', 0, 0, 0}, L"a"},
        StringDataCase{"NonAsciiUtf16", REG_SZ, {0xE9, 0x00, 0x2D, 0x4E, 0, 0}, L"\u00E9\u4E2D"},
        StringDataCase{"DwordIsNotText", REG_DWORD, {'a', 0, 0, 0}, STRING_DEFAULT},
        StringDataCase{"BinaryIsNotText", REG_BINARY, FakeRegistry::StringBytes(L"x"), STRING_DEFAULT},
        StringDataCase{"ExpandStringIsNotText", REG_EXPAND_SZ, FakeRegistry::StringBytes(L"%x%"),
                       STRING_DEFAULT}),
    [](const ::testing::TestParamInfo<StringDataCase>& info) { return std::string(info.param.label); });

TEST_F(ProfileStringRead, MissingValueGivesDefault) {
    EXPECT_EQ(m_profile.GetProfileString(SECTION, L"Entry", STRING_DEFAULT), STRING_DEFAULT);
}

TEST_F(ProfileStringRead, LongTextIsReadWhole) {
    std::wstring strLong;
    for (int i = 0; i < 3000; ++i) {
        strLong.push_back(static_cast<wchar_t>(L'a' + i % 26));
    }
    m_registry.PutString(SectionPath(SECTION), L"Entry", strLong);

    EXPECT_EQ(m_profile.GetProfileString(SECTION, L"Entry", STRING_DEFAULT), strLong);
}

namespace {

// Lets the value grow once between the size query and the read, as another instance writing at
// that moment would.
class GrowingRegistry : public FakeRegistry {
public:
    long QueryValue(RegKeyHandle key, const std::wstring& name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override {
        const long result = FakeRegistry::QueryValue(key, name, type, data, size);
        if (!data && !m_bGrown) {
            m_bGrown = true;
            PutString(SectionPath(L"Settings 0"), name, L"a much longer text than before");
        }
        return result;
    }

private:
    bool m_bGrown = false;
};

} // namespace

TEST(ProfileStringGrowing, TextThatGrowsBetweenSizeQueryAndReadIsReadWhole) {
    GrowingRegistry registry;
    CProfile profile(registry);
    profile.SetApplicationName(APP_TITLE);
    profile.SetRegistryKey(L"Tov rin");
    registry.PutString(SectionPath(L"Settings 0"), L"Entry", L"short");

    EXPECT_EQ(profile.GetProfileString(L"Settings 0", L"Entry", STRING_DEFAULT),
              L"a much longer text than before");
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

TEST_F(ProfileFailures, UnopenableSectionGivesDefaultsAndWriteFails) {
    m_registry.PutDword(SectionPath(SECTION), L"Entry", 1);
    m_registry.PutString(SectionPath(SECTION), L"Text", L"stored");
    m_registry.FailCreates(true);

    EXPECT_EQ(m_profile.GetProfileInt(SECTION, L"Entry", INT_DEFAULT), INT_DEFAULT);
    EXPECT_EQ(m_profile.GetProfileString(SECTION, L"Text", STRING_DEFAULT), STRING_DEFAULT);
    EXPECT_FALSE(m_profile.WriteProfileInt(SECTION, L"Entry", 2));
    EXPECT_EQ(m_registry.FindValue(SectionPath(SECTION), L"Entry")->data, (Bytes{1, 0, 0, 0}));
}

TEST_F(ProfileFailures, RefusedWriteIsReportedAndOldValueStays) {
    m_registry.PutDword(SectionPath(SECTION), L"Entry", 1);
    m_registry.FailWrites(true);

    EXPECT_FALSE(m_profile.WriteProfileInt(SECTION, L"Entry", 2));
    EXPECT_EQ(m_profile.GetProfileInt(SECTION, L"Entry", INT_DEFAULT), 1);
}

TEST_F(ProfileFailures, OnlyTheRefusedValueFails) {
    m_registry.FailWritesTo(L"Settings 0 StartAutoClickHotkey Mod");

    EXPECT_TRUE(m_profile.WriteProfileInt(SECTION, L"Settings 0 StartAutoClickHotkey Key", 0x75));
    EXPECT_FALSE(m_profile.WriteProfileInt(SECTION, L"Settings 0 StartAutoClickHotkey Mod", 3));
}

TEST(ProfileBeforeSetup, WithoutRegistryKeyTheRegistryIsNotTouched) {
    FakeRegistry registry;
    CProfile profile(registry);
    profile.SetApplicationName(APP_TITLE);
    registry.PutDword(SectionPath(L"Settings"), L"UseSingleInstance", 0);

    EXPECT_EQ(profile.GetProfileInt(L"Settings", L"UseSingleInstance", 1), 1);
    EXPECT_FALSE(profile.WriteProfileInt(L"Settings", L"UseSingleInstance", 0));
    EXPECT_EQ(profile.GetProfileString(L"Settings", L"Text", STRING_DEFAULT), STRING_DEFAULT);
    EXPECT_EQ(registry.CallCount(), 0);
}

TEST(ProfileBeforeSetup, WithoutApplicationNameTheRegistryIsNotTouched) {
    FakeRegistry registry;
    CProfile profile(registry);
    profile.SetRegistryKey(L"Tov rin");

    EXPECT_EQ(profile.GetProfileInt(L"Settings", L"UseSingleInstance", 1), 1);
    EXPECT_FALSE(profile.WriteProfileInt(L"Settings", L"UseSingleInstance", 0));
    EXPECT_EQ(registry.CallCount(), 0);
}

TEST_F(ProfileFailures, EmptySectionIsRefusedWithoutTouchingTheRegistry) {
    EXPECT_EQ(m_profile.GetProfileInt(L"", L"HoldKey", INT_DEFAULT), INT_DEFAULT);
    EXPECT_FALSE(m_profile.WriteProfileInt(L"", L"HoldKey", 1));
    EXPECT_EQ(m_profile.GetProfileString(L"", L"Text", STRING_DEFAULT), STRING_DEFAULT);
    EXPECT_EQ(m_registry.CallCount(), 0);
}

struct HandleCase {
    const char* label;
    bool bStored;
    bool bFailWrites;
};

class ProfileKeyHandleCases : public SettingsFixture, public ::testing::WithParamInterface<HandleCase> {};

TEST_P(ProfileKeyHandleCases, EveryOperationClosesTheKeyItOpened) {
    const HandleCase& c = GetParam();
    if (c.bStored) {
        m_registry.PutDword(SectionPath(SECTION), L"Int", 1);
        m_registry.PutString(SectionPath(SECTION), L"Text", L"t");
    }
    m_registry.FailWrites(c.bFailWrites);

    m_profile.GetProfileInt(SECTION, L"Int", 0);
    EXPECT_EQ(m_registry.OpenKeyCount(), 0u) << "GetProfileInt";
    m_profile.GetProfileString(SECTION, L"Text", L"");
    EXPECT_EQ(m_registry.OpenKeyCount(), 0u) << "GetProfileString";
    m_profile.WriteProfileInt(SECTION, L"Int", 2);
    EXPECT_EQ(m_registry.OpenKeyCount(), 0u) << "WriteProfileInt";
    EXPECT_EQ(m_registry.CreateCalls().size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Paths, ProfileKeyHandleCases,
                         ::testing::Values(HandleCase{"ValuesMissing", false, false},
                                           HandleCase{"ValuesStored", true, false},
                                           HandleCase{"WritesRefused", true, true}),
                         [](const ::testing::TestParamInfo<HandleCase>& info) {
                             return std::string(info.param.label);
                         });
