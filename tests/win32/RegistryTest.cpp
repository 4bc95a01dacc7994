// The settings store on Wine's real registry: every value at its exact key and name with its real
// type, read back here with the raw registry calls.
#include "platform/win32/Win32Sdk.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/Win32Registry.h"
#include "settings/PressSettings.h"
#include "unit/settings/SettingsCases.h"

namespace {

// HKEY_CURRENT_USER as it crosses the port (windows.h spells it as a pointer).
constexpr RegKeyHandle CURRENT_USER_HANDLE = 0x80000001;

const wchar_t PROFILE_ROOT[] = L"software\\Tov rin";
const wchar_t SEEKED_ROOT[] = L"Software\\Tovrin";
const std::wstring INSTANCE_PATH = SectionPath(INSTANCE_SECTION);

struct ReadValue {
    LONG result = ERROR_FILE_NOT_FOUND;
    DWORD type = REG_NONE;
    Bytes data;
};

ReadValue ReadRaw(const std::wstring& path, const wchar_t* name) {
    ReadValue value;
    HKEY hKey = nullptr;
    value.result = RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey);
    if (value.result != ERROR_SUCCESS) {
        return value;
    }
    DWORD cbData = 0;
    value.result = RegQueryValueExW(hKey, name, nullptr, &value.type, nullptr, &cbData);
    if (value.result == ERROR_SUCCESS) {
        value.data.resize(cbData);
        value.result = RegQueryValueExW(hKey, name, nullptr, &value.type, value.data.data(), &cbData);
        value.data.resize(cbData);
    }
    RegCloseKey(hKey);
    return value;
}

void WriteRaw(const RawValue& value) {
    HKEY hKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, value.path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey,
                              nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(hKey, value.name.c_str(), 0, value.type, value.data.data(),
                             static_cast<DWORD>(value.data.size())),
              ERROR_SUCCESS);
    RegCloseKey(hKey);
}

bool KeyExists(const std::wstring& path) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(hKey);
    return true;
}

void DeleteTestKeys() {
    RegDeleteTreeW(HKEY_CURRENT_USER, PROFILE_ROOT);
    RegDeleteKeyW(HKEY_CURRENT_USER, PROFILE_ROOT);
    RegDeleteTreeW(HKEY_CURRENT_USER, SEEKED_ROOT);
    RegDeleteKeyW(HKEY_CURRENT_USER, SEEKED_ROOT);
}

class RegistryFixture : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteTestKeys();
        ASSERT_FALSE(KeyExists(PROFILE_ROOT));
        ASSERT_FALSE(KeyExists(SEEKED_ROOT));
        SetUpAsAtStartUp(m_profile);
    }

    void TearDown() override { DeleteTestKeys(); }

    // The tables of the settings tests on the in-memory registry, run here row by row from an empty
    // registry, in one test each: every Wine test process takes seconds to start.
    template <typename Case, typename Check> void ForEachRow(const std::vector<Case>& cases, Check check) {
        for (const Case& c : cases) {
            SCOPED_TRACE(Label(c));
            DeleteTestKeys();
            check(c);
        }
    }

    void Store(const std::vector<RawValue>& values) {
        for (const RawValue& value : values) {
            WriteRaw(value);
        }
    }

    CWin32Registry m_registry;
    CProfile m_profile{m_registry};
    CAppSettings m_settings{m_profile};

private:
    FirstInstanceSection m_section{m_settings};
};

} // namespace

using RegistryProfile = RegistryFixture;
using RegistrySettings = RegistryFixture;
using RegistrySeekedWindow = RegistryFixture;
using RegistryAdapter = RegistryFixture;

TEST_F(RegistryProfile, StoredDataOfAnyShapeReadsAsTheTableSays) {
    ForEachRow(StoredCases(), [&](const StoredCase& c) {
        Store(StoredValues(c));
        EXPECT_EQ(m_profile.GetProfileInt(INSTANCE_SECTION, L"Entry", INT_DEFAULT), c.expectedInt);
        EXPECT_EQ(m_profile.GetProfileString(INSTANCE_SECTION, L"Entry", STRING_DEFAULT), c.expectedString);
    });
}

TEST_F(RegistrySettings, EmptyRegistryGivesDefaultsAndReadingCreatesTheKeysWithoutValues) {
    ForEachRow(IntSettings(),
               [&](const IntSetting& setting) { EXPECT_EQ((m_settings.*setting.get)(), setting.nDefault); });
    EXPECT_EQ(m_settings.GetSeekedWindow(), 0u);

    EXPECT_TRUE(KeyExists(SEEKED_PATH));
    EXPECT_TRUE(KeyExists(SectionPath(Section::Shared)));
    EXPECT_EQ(ReadRaw(SectionPath(Section::Shared), L"UseSingleInstance").result, ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistrySettings, PerInstanceAndSharedValuesLandInTheirSections) {
    ForEachRow(IntSettings(), [&](const IntSetting& setting) {
        for (int nValue : {0x0A0B0C0D, -1}) {
            (m_settings.*setting.set)(nValue);

            const ReadValue value = ReadRaw(SectionPath(setting.section), setting.name);
            ASSERT_EQ(value.result, ERROR_SUCCESS);
            EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
            EXPECT_EQ(value.data, DwordBytes(static_cast<std::uint32_t>(nValue)));
            EXPECT_EQ((m_settings.*setting.get)(), nValue);
        }
    });
}

TEST_F(RegistrySettings, TargetWindowTextsReplaceTheCallersTextOnlyWhenStored) {
    ForEachRow(TargetTextCases(), [&](const TargetTextCase& c) {
        Store(c.stored);
        ExpectReadAsInTheRow(m_settings, c);
    });
}

TEST_F(RegistrySeekedWindow, SetStoresDwordNamedAfterTheInstanceSection) {
    m_settings.SetSeekedWindow(0x00010086);

    const ReadValue value = ReadRaw(SEEKED_PATH, INSTANCE_SECTION.c_str());
    ASSERT_EQ(value.result, ERROR_SUCCESS);
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value.data, (Bytes{0x86, 0x00, 0x01, 0x00}));
    EXPECT_EQ(m_settings.GetSeekedWindow(), 0x00010086u);
}

TEST_F(RegistrySeekedWindow, OnlyAFourByteDwordIsAWindow) {
    ForEachRow(SeekedCases(), [&](const SeekedCase& c) {
        Store(StoredValues(c));
        EXPECT_EQ(m_settings.GetSeekedWindow(), c.expected);
    });
}

// What the in-memory registry of the unit tests mimics.
TEST_F(RegistryAdapter, AShortBufferGivesMoreDataAndTheFullSizeAMissingValueFileNotFound) {
    WriteRaw({INSTANCE_PATH, L"Blob", REG_BINARY, {1, 2, 3, 4, 5, 6}});
    RegKeyHandle hKey = 0;
    ASSERT_EQ(m_registry.CreateKey(CURRENT_USER_HANDLE, INSTANCE_PATH, KEY_READ, &hKey), ERROR_SUCCESS);
    std::uint8_t buffer[4] = {};
    std::uint32_t nType = 0;
    std::uint32_t cbData = sizeof buffer;

    EXPECT_EQ(m_registry.QueryValue(hKey, L"Blob", &nType, buffer, &cbData), ERROR_MORE_DATA);
    EXPECT_EQ(nType, static_cast<std::uint32_t>(REG_BINARY));
    EXPECT_EQ(cbData, 6u);
    EXPECT_EQ(m_registry.QueryValue(hKey, L"Missing", nullptr, nullptr, &cbData), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(m_registry.CloseKey(hKey), ERROR_SUCCESS);
}

TEST_F(RegistryAdapter, APressSeesAValueStoredDuringTheRunThroughTheWatch) {
    CPressSettings press(m_settings);
    press.Watch();
    ASSERT_FALSE(press.Read().options.bSendChars);
    // The first reads create the section keys, which the watch reports once.
    press.Read();
    EXPECT_FALSE(m_registry.TakeKeyChange()) << "nothing has changed since";

    Store({{INSTANCE_PATH, L"SendChars", REG_DWORD, {1, 0, 0, 0}},
           {SEEKED_PATH, INSTANCE_SECTION, REG_DWORD, {0x34, 0x12, 0, 0}}});

    EXPECT_TRUE(press.Read().options.bSendChars);
    EXPECT_EQ(press.Read().hSeekedWindow, 0x1234u);
    press.Forget();
}
