// The selected target window (SeekedWindows key) and the target window texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "SettingsFixture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

} // namespace

using SeekedWindow = SettingsFixture;

TEST_F(SeekedWindow, EmptyRegistryGivesNoWindowAndCreatesTheKey) {
    EXPECT_EQ(m_settings.GetSeekedWindow(), 0u);

    EXPECT_TRUE(m_registry.KeyExists(SEEKED_PATH));
    EXPECT_TRUE(m_registry.AllValues().empty());
}

TEST_F(SeekedWindow, KeyIsCreatedBelowCurrentUserWithReadAndWriteAccess) {
    m_settings.GetSeekedWindow();
    m_settings.SetSeekedWindow(1);

    ASSERT_EQ(m_registry.CreateCalls().size(), 2u);
    for (const auto& call : m_registry.CreateCalls()) {
        EXPECT_EQ(call.parent, HKEY_CURRENT_USER);
        EXPECT_EQ(call.subKey, L"Software\\Tovrin\\Tapwell\\SeekedWindows");
        EXPECT_EQ(call.access, 0x2001Fu);
    }
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

TEST_F(SeekedWindow, EachInstanceHasItsOwnValue) {
    m_registry.PutDword(SEEKED_PATH, L"Settings 1", 0x222);

    EXPECT_EQ(m_settings.GetSeekedWindow(), 0u);
}

struct SeekedCase {
    const char* label;
    std::uint32_t type;
    Bytes data;
    WindowHandle expected;
};

class SeekedWindowData : public SettingsFixture, public ::testing::WithParamInterface<SeekedCase> {};

TEST_P(SeekedWindowData, OnlyAFourByteDwordIsAWindow) {
    const SeekedCase& c = GetParam();
    m_registry.PutValue(SEEKED_PATH, L"Settings 0", c.type, c.data);

    EXPECT_EQ(m_settings.GetSeekedWindow(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SeekedWindowData,
    ::testing::Values(SeekedCase{"Dword", REG_DWORD, {0x86, 0x00, 0x01, 0x00}, 0x00010086},
                      SeekedCase{"StringIsNoWindow", REG_SZ, FakeRegistry::StringBytes(L"65670"), 0},
                      SeekedCase{"FourByteStringIsNoWindow", REG_SZ, {'1', 0, 0, 0}, 0},
                      SeekedCase{"BinaryIsNoWindow", REG_BINARY, {0x86, 0x00, 0x01, 0x00}, 0},
                      SeekedCase{"ShortDwordIsNoWindow", REG_DWORD, {0x86, 0x00}, 0},
                      SeekedCase{"EmptyDwordIsNoWindow", REG_DWORD, {}, 0},
                      SeekedCase{"LongDwordIsNoWindow", REG_DWORD, {0x86, 0x00, 0x01, 0x00, 0, 0, 0, 0}, 0}),
    [](const ::testing::TestParamInfo<SeekedCase>& info) { return std::string(info.param.label); });

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

TEST_F(SeekedWindow, IsKeptApartFromTheProfile) {
    m_settings.SetSeekedWindow(0x555);

    EXPECT_FALSE(m_registry.KeyExists(PROFILE_PATH));
    EXPECT_EQ(m_settings.GetHoldKey(), 0);
}

using TargetWindowText = SettingsFixture;

TEST_F(TargetWindowText, MissingClassLeavesTheCallersText) {
    std::wstring strClass = L"caller's text";

    m_settings.GetTargetWindowClass(strClass);

    EXPECT_EQ(strClass, L"caller's text");
}

TEST_F(TargetWindowText, StoredTextsReplaceTheCallersText) {
    m_registry.PutString(SectionPath(L"Settings 0"), L"TargetWindowClass", L"Notepad");
    m_registry.PutString(SectionPath(L"Settings 0"), L"TargetWindowName", L"Untitled - Notepad");
    std::wstring strClass = L"x";
    std::wstring strName = L"y";

    m_settings.GetTargetWindowClass(strClass);
    m_settings.GetTargetWindowName(strName);

    EXPECT_EQ(strClass, L"Notepad");
    EXPECT_EQ(strName, L"Untitled - Notepad");
}

TEST_F(TargetWindowText, StoredEmptyTextReplacesTheCallersText) {
    m_registry.PutString(SectionPath(L"Settings 0"), L"TargetWindowClass", L"");
    std::wstring strClass = L"x";

    m_settings.GetTargetWindowClass(strClass);

    EXPECT_EQ(strClass, L"");
}

TEST_F(TargetWindowText, MissingNameDefaultsToTheClassText) {
    m_registry.PutString(SectionPath(L"Settings 0"), L"TargetWindowClass", L"Edit");
    std::wstring strClass;

    m_settings.GetTargetWindowClass(strClass);
    std::wstring strName = strClass;
    m_settings.GetTargetWindowName(strName);

    EXPECT_EQ(strClass, L"Edit");
    EXPECT_EQ(strName, L"Edit");
}

TEST_F(TargetWindowText, TextsAreReadFromTheInstanceSectionOnly) {
    m_registry.PutString(SectionPath(L"Settings"), L"TargetWindowClass", L"Shared");
    m_registry.PutString(SectionPath(L"Settings 1"), L"TargetWindowName", L"Other");
    std::wstring strClass = L"c";
    std::wstring strName = L"n";

    m_settings.GetTargetWindowClass(strClass);
    m_settings.GetTargetWindowName(strName);

    EXPECT_EQ(strClass, L"c");
    EXPECT_EQ(strName, L"n");
}

TEST_F(TargetWindowText, NonTextValueLeavesTheCallersText) {
    m_registry.PutDword(SectionPath(L"Settings 0"), L"TargetWindowClass", 0x41);
    std::wstring strClass = L"c";

    m_settings.GetTargetWindowClass(strClass);

    EXPECT_EQ(strClass, L"c");
}
