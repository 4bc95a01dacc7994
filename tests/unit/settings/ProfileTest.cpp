// The application profile: where its values live, how stored data of any shape reads back, and
// that it never leaves a key open.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "SettingsFixture.h"

using ProfileLocation = SettingsFixture;
using ProfileIntRead = SettingsFixture;
using ProfileFailures = SettingsFixture;

TEST_F(ProfileLocation, WriteStoresDwordAtSoftwareRegistryKeyAppNameSection) {
    EXPECT_TRUE(m_profile.WriteProfileInt(INSTANCE_SECTION, L"HoldKey", 0x01020304));

    const auto values = m_registry.AllValues();
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].path, L"software\\Tov rin\\Tapwell by Tovrin\\Settings 0");
    EXPECT_EQ(values[0].name, L"HoldKey");
    EXPECT_EQ(values[0].type, REG_DWORD);
    EXPECT_EQ(values[0].data, (Bytes{0x04, 0x03, 0x02, 0x01}));
}

TEST_F(ProfileLocation, SectionKeyIsOpenedBelowCurrentUserWithReadAndWriteAccess) {
    m_profile.GetProfileInt(INSTANCE_SECTION, L"HoldKey", 0);

    ExpectKeysOpenedAt(L"software\\Tov rin\\Tapwell by Tovrin\\Settings 0", 1);
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

    m_profile.WriteProfileInt(INSTANCE_SECTION, L"HoldKey", 1);

    EXPECT_NE(m_registry.FindValue(L"Software\\Tov rin\\Tapwell by Tovrin\\Settings 0", L"HoldKey"), nullptr);
    EXPECT_EQ(m_registry.AllKeys().front(), L"Software");
    EXPECT_EQ(m_registry.AllKeys().size(), 5u);
}

TEST_F(ProfileLocation, ApplicationNameNamesTheProfileKey) {
    m_profile.SetApplicationName(L"Other Title");

    m_profile.WriteProfileInt(INSTANCE_SECTION, L"HoldKey", 1);

    EXPECT_NE(m_registry.FindValue(L"software\\Tov rin\\Other Title\\Settings 0", L"HoldKey"), nullptr);
}

TEST_F(ProfileLocation, WriteReplacesValueOfAnyTypeWithDword) {
    m_registry.PutString(SectionPath(INSTANCE_SECTION), L"HoldKey", L"text");

    m_profile.WriteProfileInt(INSTANCE_SECTION, L"HoldKey", 7);

    const auto* value = m_registry.FindValue(SectionPath(INSTANCE_SECTION), L"HoldKey");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, REG_DWORD);
    EXPECT_EQ(value->data, (Bytes{7, 0, 0, 0}));
}

class ProfileStoredData : public SettingsFixture, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(ProfileStoredData, ReadsFourBytesAsIntegerAndStringValuesAsText) {
    Store(StoredValues(GetParam()));

    EXPECT_EQ(m_profile.GetProfileInt(INSTANCE_SECTION, L"Entry", INT_DEFAULT), GetParam().expectedInt);
    EXPECT_EQ(m_profile.GetProfileString(INSTANCE_SECTION, L"Entry", STRING_DEFAULT),
              GetParam().expectedString);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ProfileStoredData, ::testing::ValuesIn(StoredCases()), CaseLabel());

TEST_F(ProfileIntRead, MissingValueGivesDefault) {
    m_registry.PutDword(SectionPath(INSTANCE_SECTION), L"Other", 1);

    EXPECT_EQ(m_profile.GetProfileInt(INSTANCE_SECTION, L"Entry", INT_DEFAULT), INT_DEFAULT);
}

TEST_F(ProfileIntRead, ValueInAnotherSectionIsNotSeen) {
    m_registry.PutDword(SectionPath(L"Settings 1"), L"Entry", 1);

    EXPECT_EQ(m_profile.GetProfileInt(INSTANCE_SECTION, L"Entry", INT_DEFAULT), INT_DEFAULT);
}

TEST_F(ProfileIntRead, ValueNamesMatchWithoutRegardToCase) {
    m_registry.PutDword(SectionPath(L"SETTINGS 0"), L"ENTRY", 3);

    EXPECT_EQ(m_profile.GetProfileInt(INSTANCE_SECTION, L"Entry", INT_DEFAULT), 3);
}

TEST_F(ProfileIntRead, WrittenValuesReadBackUnchanged) {
    for (int nValue : {0, 1, -1, 75, 99999, INT_MAX, INT_MIN}) {
        ASSERT_TRUE(m_profile.WriteProfileInt(INSTANCE_SECTION, L"Entry", nValue));
        EXPECT_EQ(m_profile.GetProfileInt(INSTANCE_SECTION, L"Entry", INT_DEFAULT), nValue);
    }
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
    SetUpAsAtStartUp(profile);
    registry.PutString(SectionPath(L"Settings 0"), L"Entry", L"short");

    EXPECT_EQ(profile.GetProfileString(L"Settings 0", L"Entry", STRING_DEFAULT),
              L"a much longer text than before");
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

TEST_F(ProfileFailures, UnopenableSectionGivesDefaultsAndWriteFails) {
    m_registry.PutDword(SectionPath(INSTANCE_SECTION), L"Entry", 1);
    m_registry.PutString(SectionPath(INSTANCE_SECTION), L"Text", L"stored");
    m_registry.FailCreates(true);

    EXPECT_EQ(m_profile.GetProfileInt(INSTANCE_SECTION, L"Entry", INT_DEFAULT), INT_DEFAULT);
    EXPECT_EQ(m_profile.GetProfileString(INSTANCE_SECTION, L"Text", STRING_DEFAULT), STRING_DEFAULT);
    EXPECT_FALSE(m_profile.WriteProfileInt(INSTANCE_SECTION, L"Entry", 2));
    EXPECT_EQ(m_registry.FindValue(SectionPath(INSTANCE_SECTION), L"Entry")->data, (Bytes{1, 0, 0, 0}));
}

TEST_F(ProfileFailures, RefusedWriteIsReportedAndOldValueStays) {
    m_registry.PutDword(SectionPath(INSTANCE_SECTION), L"Entry", 1);
    m_registry.FailWrites(true);

    EXPECT_FALSE(m_profile.WriteProfileInt(INSTANCE_SECTION, L"Entry", 2));
    EXPECT_EQ(m_profile.GetProfileInt(INSTANCE_SECTION, L"Entry", INT_DEFAULT), 1);
}

TEST_F(ProfileFailures, OnlyTheRefusedValueFails) {
    m_registry.FailWritesTo(L"Settings 0 StartAutoClickHotkey Mod");

    EXPECT_TRUE(m_profile.WriteProfileInt(INSTANCE_SECTION, L"Settings 0 StartAutoClickHotkey Key", 0x75));
    EXPECT_FALSE(m_profile.WriteProfileInt(INSTANCE_SECTION, L"Settings 0 StartAutoClickHotkey Mod", 3));
}

struct SetupCase {
    const char* label;
    std::wstring strAppName;
    std::wstring strRegistryKey;
};

class ProfileBeforeSetup : public ::testing::TestWithParam<SetupCase> {};

TEST_P(ProfileBeforeSetup, TheRegistryIsNotTouched) {
    FakeRegistry registry;
    CProfile profile(registry);
    profile.SetApplicationName(GetParam().strAppName);
    profile.SetRegistryKey(GetParam().strRegistryKey);
    registry.PutDword(SectionPath(L"Settings"), L"UseSingleInstance", 0);

    EXPECT_EQ(profile.GetProfileInt(L"Settings", L"UseSingleInstance", 1), 1);
    EXPECT_FALSE(profile.WriteProfileInt(L"Settings", L"UseSingleInstance", 0));
    EXPECT_EQ(profile.GetProfileString(L"Settings", L"Text", STRING_DEFAULT), STRING_DEFAULT);
    EXPECT_EQ(registry.CallCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Missing, ProfileBeforeSetup,
                         ::testing::Values(SetupCase{"WithoutRegistryKey", APP_TITLE, L""},
                                           SetupCase{"WithoutApplicationName", L"", L"Tov rin"}),
                         CaseLabel());

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
        m_registry.PutDword(SectionPath(INSTANCE_SECTION), L"Int", 1);
        m_registry.PutString(SectionPath(INSTANCE_SECTION), L"Text", L"t");
    }
    m_registry.FailWrites(c.bFailWrites);

    m_profile.GetProfileInt(INSTANCE_SECTION, L"Int", 0);
    EXPECT_EQ(m_registry.OpenKeyCount(), 0u) << "GetProfileInt";
    m_profile.GetProfileString(INSTANCE_SECTION, L"Text", L"");
    EXPECT_EQ(m_registry.OpenKeyCount(), 0u) << "GetProfileString";
    m_profile.WriteProfileInt(INSTANCE_SECTION, L"Int", 2);
    EXPECT_EQ(m_registry.OpenKeyCount(), 0u) << "WriteProfileInt";
    EXPECT_EQ(m_registry.CreateCalls().size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Paths, ProfileKeyHandleCases,
                         ::testing::Values(HandleCase{"ValuesMissing", false, false},
                                           HandleCase{"ValuesStored", true, false},
                                           HandleCase{"WritesRefused", true, true}),
                         CaseLabel());
