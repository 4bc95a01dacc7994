// The in-memory registry answers as the Win32 calls do, so settings code tested on it behaves the
// same on the real registry.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "fakes/FakeRegistry.h"

namespace {

constexpr std::uint32_t ACCESS = KEY_READ | KEY_WRITE;

RegKeyHandle OpenOrFail(FakeRegistry& registry, const std::wstring& path) {
    RegKeyHandle hKey = 0;
    EXPECT_EQ(registry.CreateKey(HKEY_CURRENT_USER, path, ACCESS, &hKey), static_cast<long>(ERROR_SUCCESS));
    return hKey;
}

} // namespace

TEST(FakeRegistryQuery, NullDataReportsTypeAndFullSize) {
    FakeRegistry registry;
    registry.PutString(L"A", L"Text", L"abc");
    const RegKeyHandle hKey = OpenOrFail(registry, L"A");
    std::uint32_t nType = 0;
    std::uint32_t cbData = 0;
    EXPECT_EQ(registry.QueryValue(hKey, L"Text", &nType, nullptr, &cbData), static_cast<long>(ERROR_SUCCESS));
    EXPECT_EQ(nType, REG_SZ);
    EXPECT_EQ(cbData, 8u);
    registry.CloseKey(hKey);
}

TEST(FakeRegistryQuery, ShortBufferYieldsMoreDataAndFullSizeAndUndefinedBytes) {
    FakeRegistry registry;
    registry.PutValue(L"A", L"Blob", REG_BINARY, {1, 2, 3, 4, 5, 6});
    const RegKeyHandle hKey = OpenOrFail(registry, L"A");
    std::uint8_t buffer[4] = {0, 0, 0, 0};
    std::uint32_t nType = 0;
    std::uint32_t cbData = sizeof buffer;
    EXPECT_EQ(registry.QueryValue(hKey, L"Blob", &nType, buffer, &cbData),
              static_cast<long>(ERROR_MORE_DATA));
    EXPECT_EQ(cbData, 6u);
    EXPECT_EQ(nType, REG_BINARY);
    EXPECT_NE(buffer[0], 1) << "a short buffer must not look as if it held the value";
    registry.CloseKey(hKey);
}

TEST(FakeRegistryQuery, LargerBufferReceivesTheBytesAndTheirSize) {
    FakeRegistry registry;
    registry.PutValue(L"A", L"Blob", REG_BINARY, {7, 8});
    const RegKeyHandle hKey = OpenOrFail(registry, L"A");
    std::uint8_t buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    std::uint32_t cbData = sizeof buffer;
    EXPECT_EQ(registry.QueryValue(hKey, L"Blob", nullptr, buffer, &cbData), static_cast<long>(ERROR_SUCCESS));
    EXPECT_EQ(cbData, 2u);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + 4), (std::vector<std::uint8_t>{7, 8, 0xEE, 0xEE}));
    registry.CloseKey(hKey);
}

TEST(FakeRegistryQuery, MissingValueIsFileNotFound) {
    FakeRegistry registry;
    const RegKeyHandle hKey = OpenOrFail(registry, L"A");
    std::uint32_t cbData = 0;
    EXPECT_EQ(registry.QueryValue(hKey, L"Nothing", nullptr, nullptr, &cbData),
              static_cast<long>(ERROR_FILE_NOT_FOUND));
    registry.CloseKey(hKey);
}

TEST(FakeRegistryNames, KeysAndValuesMatchWithoutRegardToCaseAndKeepTheirFirstCase) {
    FakeRegistry registry;
    registry.CreateKeyPath(L"Software\\Vendor");
    const RegKeyHandle hKey = OpenOrFail(registry, L"SOFTWARE\\vendor\\New");
    const std::uint8_t data[4] = {1, 0, 0, 0};
    registry.SetValue(hKey, L"Value", REG_DWORD, data, 4);
    registry.SetValue(hKey, L"VALUE", REG_DWORD, data, 4);
    registry.CloseKey(hKey);

    EXPECT_EQ(registry.AllKeys(),
              (std::vector<std::wstring>{L"Software", L"Software\\Vendor", L"Software\\Vendor\\New"}));
    ASSERT_EQ(registry.AllValues().size(), 1u);
    EXPECT_EQ(registry.AllValues()[0].name, L"Value");
    EXPECT_NE(registry.FindValue(L"software\\VENDOR\\new", L"value"), nullptr);
}

TEST(FakeRegistryHandles, OpenKeysAreCountedUntilClosed) {
    FakeRegistry registry;
    const RegKeyHandle hFirst = OpenOrFail(registry, L"A");
    const RegKeyHandle hSecond = OpenOrFail(registry, L"A");
    EXPECT_NE(hFirst, hSecond);
    EXPECT_EQ(registry.OpenKeyCount(), 2u);
    registry.CloseKey(hFirst);
    EXPECT_EQ(registry.OpenKeyCount(), 1u);
    registry.CloseKey(hSecond);
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
    EXPECT_EQ(registry.InvalidHandleUses(), 0);
}

TEST(FakeRegistryHandles, ClosedHandleIsInvalid) {
    FakeRegistry registry;
    const RegKeyHandle hKey = OpenOrFail(registry, L"A");
    registry.CloseKey(hKey);
    std::uint32_t cbData = 0;
    EXPECT_EQ(registry.QueryValue(hKey, L"X", nullptr, nullptr, &cbData),
              static_cast<long>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(registry.CloseKey(hKey), static_cast<long>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(registry.InvalidHandleUses(), 2);
}

TEST(FakeRegistryFailures, FailedCreateOpensNothing) {
    FakeRegistry registry;
    registry.FailCreates(true);
    RegKeyHandle hKey = 0;
    EXPECT_EQ(registry.CreateKey(HKEY_CURRENT_USER, L"A", ACCESS, &hKey),
              static_cast<long>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
    EXPECT_FALSE(registry.KeyExists(L"A"));
}

TEST(FakeRegistryFailures, FailWritesToRefusesOnlyThatValue) {
    FakeRegistry registry;
    registry.FailWritesTo(L"Mod");
    const RegKeyHandle hKey = OpenOrFail(registry, L"A");
    const std::uint8_t data[4] = {1, 0, 0, 0};
    EXPECT_EQ(registry.SetValue(hKey, L"Key", REG_DWORD, data, 4), static_cast<long>(ERROR_SUCCESS));
    EXPECT_EQ(registry.SetValue(hKey, L"mod", REG_DWORD, data, 4), static_cast<long>(ERROR_ACCESS_DENIED));
    registry.CloseKey(hKey);
    EXPECT_NE(registry.FindValue(L"A", L"Key"), nullptr);
    EXPECT_EQ(registry.FindValue(L"A", L"Mod"), nullptr);
}
