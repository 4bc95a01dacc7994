// The application profile: where its values live, how stored data of any shape reads back, and
// that it never leaves a key open.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "SettingsFixture.h"

using ProfileLocation = SettingsFixture;
using ProfileFailures = SettingsFixture;

TEST_F(ProfileLocation, ReadingOpensTheSectionKeyBelowCurrentUserForReadAndWriteButStoresNoValue) {
    m_profile.GetProfileInt(INSTANCE_SECTION, L"HoldKey", 0);

    ExpectKeysOpenedAt(L"software\\Tov rin\\Tapwell by Tovrin\\Settings 0", 1);
    EXPECT_TRUE(m_registry.AllValues().empty());
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

// A profile not set up, or a section that is no section: reads give defaults, writes fail.
struct SetupCase {
    const char* label;
    std::wstring strAppName;
    std::wstring strRegistryKey;
    std::wstring section;
};

class ProfileBeforeSetup : public ::testing::TestWithParam<SetupCase> {};

TEST_P(ProfileBeforeSetup, TheRegistryIsNotTouched) {
    FakeRegistry registry;
    CProfile profile(registry);
    profile.SetApplicationName(GetParam().strAppName);
    profile.SetRegistryKey(GetParam().strRegistryKey);
    registry.PutDword(SectionPath(GetParam().section), L"UseSingleInstance", 0);

    EXPECT_EQ(profile.GetProfileInt(GetParam().section, L"UseSingleInstance", 1), 1);
    EXPECT_FALSE(profile.WriteProfileInt(GetParam().section, L"UseSingleInstance", 0));
    EXPECT_EQ(profile.GetProfileString(GetParam().section, L"Text", STRING_DEFAULT), STRING_DEFAULT);
    EXPECT_EQ(registry.CallCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Missing, ProfileBeforeSetup,
                         ::testing::Values(SetupCase{"WithoutRegistryKey", APP_TITLE, L"", L"Settings"},
                                           SetupCase{"WithoutApplicationName", L"", L"Tov rin", L"Settings"},
                                           SetupCase{"EmptySection", APP_TITLE, L"Tov rin", L""}),
                         CaseLabel());
