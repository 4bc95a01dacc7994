// The settings store on Wine's real registry: every value at its exact key and name with its real
// type, read back here with the raw registry calls.
#include "platform/win32/Win32Sdk.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/Win32Registry.h"
#include "settings/AppSettings.h"
#include "settings/InstanceSection.h"
#include "settings/PressSettings.h"
#include "settings/Profile.h"

namespace {

// HKEY_CURRENT_USER as it crosses the port (windows.h spells it as a pointer).
constexpr RegKeyHandle CURRENT_USER_HANDLE = 0x80000001;

const wchar_t PROFILE_ROOT[] = L"software\\Tov rin";
const wchar_t SEEKED_ROOT[] = L"Software\\Tovrin";
const wchar_t INSTANCE_PATH[] = L"Software\\Tov rin\\Tapwell by Tovrin\\Settings 0";
const wchar_t SHARED_PATH[] = L"Software\\Tov rin\\Tapwell by Tovrin\\Settings";
const wchar_t SEEKED_PATH[] = L"Software\\Tovrin\\Tapwell\\SeekedWindows";

struct RawValue {
    LONG result = ERROR_FILE_NOT_FOUND;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

RawValue ReadRaw(const wchar_t* path, const wchar_t* name) {
    RawValue value;
    HKEY hKey = nullptr;
    value.result = RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey);
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

void WriteRaw(const wchar_t* path, const wchar_t* name, DWORD type, const std::vector<BYTE>& data) {
    HKEY hKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(hKey, name, 0, type, data.data(), static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
    RegCloseKey(hKey);
}

std::vector<BYTE> TextBytes(const std::wstring& text, bool bTerminated) {
    const BYTE* first = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(first, first + (text.size() + (bTerminated ? 1 : 0)) * sizeof(wchar_t));
}

bool KeyExists(const wchar_t* path) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey) != ERROR_SUCCESS) {
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
        m_profile.SetApplicationName(L"Tapwell by Tovrin");
        m_profile.SetRegistryKey(L"Tov rin");
        m_savedSection = g_strInstanceSection;
        g_nInstanceNumber = 0;
        m_settings.FormatInstanceSection();
    }

    void TearDown() override {
        g_strInstanceSection = m_savedSection;
        DeleteTestKeys();
    }

    CWin32Registry m_registry;
    CProfile m_profile{m_registry};
    CAppSettings m_settings{m_profile};

private:
    std::wstring m_savedSection;
};

} // namespace

using RegistryProfile = RegistryFixture;
using RegistrySettings = RegistryFixture;
using RegistrySeekedWindow = RegistryFixture;
using RegistryAdapter = RegistryFixture;

TEST_F(RegistryProfile, WriteProfileIntStoresDwordAtTheProfilePath) {
    EXPECT_TRUE(m_profile.WriteProfileInt(L"Settings 0", L"HoldKey", 0x01020304));

    const RawValue value = ReadRaw(INSTANCE_PATH, L"HoldKey");
    ASSERT_EQ(value.result, ERROR_SUCCESS);
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value.data, (std::vector<BYTE>{0x04, 0x03, 0x02, 0x01}));
}

TEST_F(RegistryProfile, ReadingCreatesTheSectionKeyWithoutValues) {
    EXPECT_EQ(m_profile.GetProfileInt(L"Social", L"Twittered", 0), 0);

    EXPECT_TRUE(KeyExists(L"Software\\Tov rin\\Tapwell by Tovrin\\Social"));
    EXPECT_EQ(ReadRaw(L"Software\\Tov rin\\Tapwell by Tovrin\\Social", L"Twittered").result,
              ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryProfile, FourBytesOfAnyTypeReadAsInteger) {
    WriteRaw(INSTANCE_PATH, L"Binary", REG_BINARY, {0x2A, 0, 0, 0});
    WriteRaw(INSTANCE_PATH, L"Long", REG_BINARY, {1, 0, 0, 0, 0, 0, 0, 0});
    WriteRaw(INSTANCE_PATH, L"Short", REG_DWORD, {1, 0});

    EXPECT_EQ(m_profile.GetProfileInt(L"Settings 0", L"Binary", -7), 42);
    EXPECT_EQ(m_profile.GetProfileInt(L"Settings 0", L"Long", -7), -7);
    EXPECT_EQ(m_profile.GetProfileInt(L"Settings 0", L"Short", -7), -7);
}

TEST_F(RegistryProfile, StringValuesReadAsText) {
    WriteRaw(INSTANCE_PATH, L"Terminated", REG_SZ, TextBytes(L"Notepad", true));
    WriteRaw(INSTANCE_PATH, L"Unterminated", REG_SZ, TextBytes(L"Edit", false));
    WriteRaw(INSTANCE_PATH, L"Number", REG_DWORD, {0x41, 0, 0, 0});
    std::wstring strLong(3000, L'x');
    WriteRaw(INSTANCE_PATH, L"LongText", REG_SZ, TextBytes(strLong, true));

    EXPECT_EQ(m_profile.GetProfileString(L"Settings 0", L"Terminated", L"d"), L"Notepad");
    EXPECT_EQ(m_profile.GetProfileString(L"Settings 0", L"Unterminated", L"d"), L"Edit");
    EXPECT_EQ(m_profile.GetProfileString(L"Settings 0", L"Number", L"d"), L"d");
    EXPECT_EQ(m_profile.GetProfileString(L"Settings 0", L"Missing", L"d"), L"d");
    EXPECT_EQ(m_profile.GetProfileString(L"Settings 0", L"LongText", L"d"), strLong);
}

TEST_F(RegistrySettings, EmptyRegistryGivesDefaults) {
    EXPECT_EQ(m_settings.GetAutoClicksDelayMilliSeconds(), 10);
    EXPECT_EQ(m_settings.GetSetNumberOfClicksToAutomate(), 10);
    EXPECT_EQ(m_settings.GetKeyIndexTobeAutomated(), -1);
    EXPECT_EQ(m_settings.GetRandomClicksDelaySeconds(), 30);
    EXPECT_EQ(m_settings.GetSendKeysToActiveWindow(), 1);
    EXPECT_EQ(m_settings.GetTimeDelayBetweenKeyDownAndKeyUp(), 10);
    EXPECT_EQ(m_settings.GetUseOldKeyInputMethod(), 1);
    EXPECT_EQ(m_settings.GetUseSingleInstance(), 1);
    EXPECT_EQ(m_settings.GetSeekedWindow(), 0u);
}

TEST_F(RegistrySettings, PerInstanceAndSharedValuesLandInTheirSections) {
    m_settings.SetAutoClicksDelaySeconds(75);
    m_settings.SetModKeyIndexTobeAutomated(-1);
    m_settings.SetUseOldKeyInputMethod(0);

    const RawValue seconds = ReadRaw(INSTANCE_PATH, L"AutoClicksDelaySeconds");
    ASSERT_EQ(seconds.result, ERROR_SUCCESS);
    EXPECT_EQ(seconds.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(seconds.data, (std::vector<BYTE>{75, 0, 0, 0}));
    const RawValue modifier = ReadRaw(INSTANCE_PATH, L"ModKeyIndexTobeAutomated");
    ASSERT_EQ(modifier.result, ERROR_SUCCESS);
    EXPECT_EQ(modifier.data, (std::vector<BYTE>{0xFF, 0xFF, 0xFF, 0xFF}));
    const RawValue method = ReadRaw(SHARED_PATH, L"UseOldKeyInputMethod");
    ASSERT_EQ(method.result, ERROR_SUCCESS);
    EXPECT_EQ(method.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(method.data, (std::vector<BYTE>{0, 0, 0, 0}));

    EXPECT_EQ(m_settings.GetAutoClicksDelaySeconds(), 75);
    EXPECT_EQ(m_settings.GetModKeyIndexTobeAutomated(), -1);
    EXPECT_EQ(m_settings.GetUseOldKeyInputMethod(), 0);
}

TEST_F(RegistrySettings, TargetWindowNameDefaultsToTheClassText) {
    WriteRaw(INSTANCE_PATH, L"TargetWindowClass", REG_SZ, TextBytes(L"Notepad", true));
    std::wstring strClass;

    m_settings.GetTargetWindowClass(strClass);
    std::wstring strName = strClass;
    m_settings.GetTargetWindowName(strName);

    EXPECT_EQ(strClass, L"Notepad");
    EXPECT_EQ(strName, L"Notepad");
}

TEST_F(RegistrySeekedWindow, SetStoresDwordNamedAfterTheInstanceSection) {
    m_settings.SetSeekedWindow(0x00010086);

    const RawValue value = ReadRaw(SEEKED_PATH, L"Settings 0");
    ASSERT_EQ(value.result, ERROR_SUCCESS);
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value.data, (std::vector<BYTE>{0x86, 0x00, 0x01, 0x00}));
    EXPECT_EQ(m_settings.GetSeekedWindow(), 0x00010086u);
}

TEST_F(RegistrySeekedWindow, StringValueIsNoWindow) {
    WriteRaw(SEEKED_PATH, L"Settings 0", REG_SZ, TextBytes(L"65670", true));

    EXPECT_EQ(m_settings.GetSeekedWindow(), 0u);
}

TEST_F(RegistrySeekedWindow, ReadingCreatesTheKey) {
    m_settings.GetSeekedWindow();

    EXPECT_TRUE(KeyExists(SEEKED_PATH));
}

TEST_F(RegistryAdapter, ShortBufferGivesMoreDataAndTheFullSize) {
    WriteRaw(INSTANCE_PATH, L"Blob", REG_BINARY, {1, 2, 3, 4, 5, 6});
    RegKeyHandle hKey = 0;
    ASSERT_EQ(m_registry.CreateKey(CURRENT_USER_HANDLE, INSTANCE_PATH, KEY_READ, &hKey), ERROR_SUCCESS);
    std::uint8_t buffer[4] = {};
    std::uint32_t nType = 0;
    std::uint32_t cbData = sizeof buffer;

    EXPECT_EQ(m_registry.QueryValue(hKey, L"Blob", &nType, buffer, &cbData), ERROR_MORE_DATA);
    EXPECT_EQ(nType, static_cast<std::uint32_t>(REG_BINARY));
    EXPECT_EQ(cbData, 6u);
    EXPECT_EQ(m_registry.CloseKey(hKey), ERROR_SUCCESS);
}

TEST_F(RegistryAdapter, MissingValueIsFileNotFound) {
    RegKeyHandle hKey = 0;
    ASSERT_EQ(m_registry.CreateKey(CURRENT_USER_HANDLE, INSTANCE_PATH, KEY_READ | KEY_WRITE, &hKey),
              ERROR_SUCCESS);
    std::uint32_t cbData = 0;

    EXPECT_EQ(m_registry.QueryValue(hKey, L"Missing", nullptr, nullptr, &cbData), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(m_registry.CloseKey(hKey), ERROR_SUCCESS);
}

TEST_F(RegistryAdapter, APressSeesAValueStoredDuringTheRunThroughTheWatch) {
    CPressSettings press(m_settings);
    press.Watch();
    ASSERT_EQ(press.Read().nSendChars, 0);
    // The first reads create the section keys, which the watch reports once.
    press.Read();
    EXPECT_FALSE(m_registry.TakeKeyChange()) << "nothing has changed since";

    WriteRaw(INSTANCE_PATH, L"SendChars", REG_DWORD, {1, 0, 0, 0});
    WriteRaw(SEEKED_PATH, L"Settings 0", REG_DWORD, {0x34, 0x12, 0, 0});

    EXPECT_EQ(press.Read().nSendChars, 1);
    EXPECT_EQ(press.Read().hSeekedWindow, 0x1234u);
    press.Forget();
}
