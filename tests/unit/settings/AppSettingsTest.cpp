// Every integer setting: its default on an empty registry, its exact section and value name, and
// values outside what the dialogs accept coming back unchanged.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SettingsFixture.h"

class AppSettingsInt : public SettingsFixture, public ::testing::WithParamInterface<IntSetting> {
protected:
    int Get() { return (m_settings.*GetParam().get)(); }
    void Set(int nValue) { (m_settings.*GetParam().set)(nValue); }
    std::wstring Path() const { return SectionPath(GetParam().section); }
};

TEST_P(AppSettingsInt, EmptyRegistryGivesTableDefaultAndEveryReadGoesToTheRegistry) {
    EXPECT_EQ(Get(), GetParam().nDefault);
    m_registry.PutDword(Path(), GetParam().name, 2);

    EXPECT_EQ(Get(), 2) << "a value changed by another instance must be seen at the next read";
}

TEST_P(AppSettingsInt, SetterStoresOneDwordUnderItsSectionAndName) {
    Set(0x0A0B0C0D);

    const auto values = m_registry.AllValues();
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].path, Path());
    EXPECT_EQ(values[0].name, GetParam().name);
    EXPECT_EQ(values[0].type, REG_DWORD);
    EXPECT_EQ(values[0].data, (std::vector<std::uint8_t>{0x0D, 0x0C, 0x0B, 0x0A}));
}

TEST_P(AppSettingsInt, OutOfRangeValuesComeBackUnchanged) {
    for (int nValue : {75, -1, -9999, 100000, 10000000}) {
        Set(nValue);
        EXPECT_EQ(Get(), nValue);
    }
}

TEST_P(AppSettingsInt, AnotherInstanceSeesSharedValuesOnly) {
    Set(42);
    g_nInstanceNumber = 1;
    m_settings.FormatInstanceSection();

    EXPECT_EQ(Get(), GetParam().section == Section::Shared ? 42 : GetParam().nDefault);
}

INSTANTIATE_TEST_SUITE_P(ValueTable, AppSettingsInt, ::testing::ValuesIn(IntSettings()), CaseLabel());

struct FormatCase {
    int nNumber;
    const wchar_t* expected;
};

class AppSettingsFormat : public SettingsFixture, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(AppSettingsFormat, SectionIsSettingsBlankDecimalNumber) {
    g_nInstanceNumber = GetParam().nNumber;

    m_settings.FormatInstanceSection();

    EXPECT_EQ(g_strInstanceSection, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Numbers, AppSettingsFormat,
                         ::testing::Values(FormatCase{0, L"Settings 0"}, FormatCase{1, L"Settings 1"},
                                           FormatCase{12, L"Settings 12"},
                                           FormatCase{2147483647, L"Settings 2147483647"},
                                           FormatCase{-3, L"Settings -3"}));

using AppSettingsBeforeFormat = SettingsFixture;

TEST_F(AppSettingsBeforeFormat, PerInstanceValuesAreNeitherReadNorWritten) {
    g_strInstanceSection.clear();
    m_registry.PutDword(PROFILE_PATH, L"HoldKey", 1);
    const int nCallsBefore = m_registry.CallCount();

    EXPECT_EQ(m_settings.GetHoldKey(), 0);
    m_settings.SetHoldKey(1);
    std::wstring strClass = L"unchanged";
    m_settings.GetTargetWindowClass(strClass);
    EXPECT_EQ(strClass, L"unchanged");
    EXPECT_EQ(m_settings.GetSeekedWindow(), 0u);
    m_settings.SetSeekedWindow(0x1234);

    EXPECT_EQ(m_registry.CallCount(), nCallsBefore);
}

TEST_F(AppSettingsBeforeFormat, SharedValuesAreAlreadyUsable) {
    g_strInstanceSection.clear();
    m_registry.PutDword(SectionPath(L"Settings"), L"UseSingleInstance", 0);

    EXPECT_EQ(m_settings.GetUseSingleInstance(), 0);
}
