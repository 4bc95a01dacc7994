// The selected target window (SeekedWindows key) and the target window texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "SettingsFixture.h"

using SeekedWindow = SettingsFixture;

TEST_F(SeekedWindow, EmptyRegistryGivesNoWindowAndCreatesTheKeyBelowCurrentUser) {
    EXPECT_EQ(m_settings.GetSeekedWindow(), 0u);
    m_settings.SetSeekedWindow(1);

    ExpectKeysOpenedAt(L"Software\\Tovrin\\Tapwell\\SeekedWindows", 2);
}

TEST_F(SeekedWindow, SetStoresDwordNamedAfterTheInstanceSection) {
    g_nInstanceNumber = 2;
    m_settings.FormatInstanceSection();

    m_settings.SetSeekedWindow(0xFEDCBA98);

    const auto values = m_registry.AllValues();
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].path, SEEKED_PATH);
    EXPECT_EQ(values[0].name, L"Settings 2");
    EXPECT_EQ(values[0].type, REG_DWORD);
    EXPECT_EQ(values[0].data, (Bytes{0x98, 0xBA, 0xDC, 0xFE}));
    EXPECT_EQ(m_settings.GetSeekedWindow(), 0xFEDCBA98u);
}

class SeekedWindowData : public SettingsFixture, public ::testing::WithParamInterface<SeekedCase> {};

TEST_P(SeekedWindowData, OnlyAFourByteDwordIsAWindow) {
    Store(StoredValues(GetParam()));

    EXPECT_EQ(m_settings.GetSeekedWindow(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Shapes, SeekedWindowData, ::testing::ValuesIn(SeekedCases()), CaseLabel());

TEST_F(SeekedWindow, UnopenableKeyGivesNoWindowAndWritesNothing) {
    m_registry.PutDword(SEEKED_PATH, L"Settings 0", 0x333);
    m_registry.FailCreates(true);

    EXPECT_EQ(m_settings.GetSeekedWindow(), 0u);
    m_settings.SetSeekedWindow(0x444);

    m_registry.FailCreates(false);
    EXPECT_EQ(m_settings.GetSeekedWindow(), 0x333u);
}

TEST_F(SeekedWindow, RefusedWriteLeavesTheOldWindow) {
    m_settings.SetSeekedWindow(0x333);
    m_registry.FailWrites(true);

    m_settings.SetSeekedWindow(0x444);

    EXPECT_EQ(m_settings.GetSeekedWindow(), 0x333u);
}

class TargetWindowText : public SettingsFixture, public ::testing::WithParamInterface<TargetTextCase> {};

TEST_P(TargetWindowText, StoredTextReplacesTheCallersTextAndNothingElseDoes) {
    Store(GetParam().stored);

    ExpectReadAsInTheRow(m_settings, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, TargetWindowText, ::testing::ValuesIn(TargetTextCases()), CaseLabel());
