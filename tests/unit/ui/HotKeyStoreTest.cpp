// The stored start/stop shortcut: entry names, values, the order of the two writes and what a
// failed write leaves behind.
#include <cstdint>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"
#include "ports/Win32Constants.h"
#include "settings/Profile.h"
#include "ui/HotKeyStore.h"
#include "unit/TableRows.h"

namespace {

const wchar_t SECTION0_PATH[] = L"software\\Tov rin\\Tapwell by Tovrin\\Settings 0";
const wchar_t SECTION1_PATH[] = L"software\\Tov rin\\Tapwell by Tovrin\\Settings 1";
const wchar_t KEY_ENTRY0[] = L"Settings 0 StartAutoClickHotkey Key";
const wchar_t MOD_ENTRY0[] = L"Settings 0 StartAutoClickHotkey Mod";

class HotKeyStoreFixture : public ::testing::Test {
protected:
    HotKeyStoreFixture() {
        m_profile.SetRegistryKey(L"Tov rin");
        m_profile.SetApplicationName(L"Tapwell by Tovrin");
    }

    // The DWORD stored under the instance section, or -1 when the value is missing or not a DWORD.
    std::int64_t Stored(const std::wstring& path, const std::wstring& name) const {
        const FakeRegistry::StoredValue* value = m_registry.FindValue(path, name);
        if (value == nullptr || value->type != REG_DWORD || value->data.size() != 4) {
            return -1;
        }
        return static_cast<std::int64_t>(value->data[0] | (value->data[1] << 8) | (value->data[2] << 16) |
                                         (static_cast<std::uint32_t>(value->data[3]) << 24));
    }

    FakeRegistry m_registry;
    CProfile m_profile{m_registry};
    std::wstring m_strSection = L"Settings 0";
    CHotKeyStore m_store{m_profile, m_strSection};
    const std::wstring m_strBase = FormatHotKeyValueBase(L"Settings 0");
};

} // namespace

TEST(HotKeyValueBase, IsTheSectionNameABlankAndTheWord) {
    EXPECT_EQ(FormatHotKeyValueBase(L"Settings 0"), L"Settings 0 StartAutoClickHotkey");
    EXPECT_EQ(FormatHotKeyValueBase(L"Settings 12"), L"Settings 12 StartAutoClickHotkey");
}

namespace {

struct ReadCase : NamedRow {
    std::optional<std::uint32_t> key;
    std::optional<std::uint32_t> mod;
    StoredHotKey expected;
};
using HotKeyStoreRead = TableTest<HotKeyStoreFixture, ReadCase>;

} // namespace

TEST_P(HotKeyStoreRead, TheStoredPairReadsBackInBothForms) {
    const ReadCase& c = GetParam();
    if (c.key) {
        m_registry.PutDword(SECTION0_PATH, KEY_ENTRY0, *c.key);
    }
    if (c.mod) {
        m_registry.PutDword(SECTION0_PATH, MOD_ENTRY0, *c.mod);
    }

    const StoredHotKey hotKey = m_store.Read(m_strBase);

    EXPECT_EQ(hotKey.vk, c.expected.vk);
    EXPECT_EQ(hotKey.storedModifiers, c.expected.storedModifiers);
    EXPECT_EQ(hotKey.controlModifiers, c.expected.controlModifiers);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, HotKeyStoreRead,
    ::testing::Values(
        ReadCase{"Alt F6", 0x75, 0x0001, {0x75, HOTKEYF_ALT, MOD_ALT}},
        ReadCase{"missing entries", std::nullopt, std::nullopt, {0, 0, 0}},
        ReadCase{"high bits", 0x00070075, 0xFFFF0006, {0x75, HOTKEYF_CONTROL | HOTKEYF_SHIFT, 0x0006}},
        // Stored with the Windows key before the extended flag was told apart: registered as
        // stored.
        ReadCase{"Windows Shift Home", 0x24, 0x000C, {0x24, HOTKEYF_SHIFT | HOTKEYF_EXT, 0x000C}}),
    RowName());

namespace {

// Both entries hold Key 0x41 and Mod 0x0002 before the write.
struct WriteCase : NamedRow {
    std::uint32_t vk;
    std::uint32_t controlModifiers;
    const wchar_t* failingEntry; // nullptr: every write succeeds
    bool written;
    std::int64_t key;
    std::int64_t mod;
};
using HotKeyStoreWrite = TableTest<HotKeyStoreFixture, WriteCase>;

} // namespace

TEST_P(HotKeyStoreWrite, StoresTheControlsPairAsKeyAndModEntriesKeyFirst) {
    const WriteCase& c = GetParam();
    m_registry.PutDword(SECTION0_PATH, KEY_ENTRY0, 0x41);
    m_registry.PutDword(SECTION0_PATH, MOD_ENTRY0, 0x0002);
    if (c.failingEntry != nullptr) {
        m_registry.FailWritesTo(c.failingEntry);
    }

    EXPECT_EQ(m_store.Write(m_strBase, c.vk, c.controlModifiers), c.written);

    EXPECT_EQ(Stored(SECTION0_PATH, KEY_ENTRY0), c.key);
    EXPECT_EQ(Stored(SECTION0_PATH, MOD_ENTRY0), c.mod);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, HotKeyStoreWrite,
    ::testing::Values(
        WriteCase{"Ctrl Alt F6", VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT, nullptr, true, 0x75, 0x0003},
        // The extended flag of the navigation block's Home is no modifier.
        WriteCase{"Shift Home", VK_HOME, HOTKEYF_SHIFT | HOTKEYF_EXT, nullptr, true, 0x24, 0x0004},
        WriteCase{"cleared", 0, 0, nullptr, true, 0, 0},
        WriteCase{"failed Key write leaves the Mod entry alone", VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT,
                  KEY_ENTRY0, false, 0x41, 0x0002},
        WriteCase{"failed Mod write comes after the Key was written", VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT,
                  MOD_ENTRY0, false, 0x75, 0x0002}),
    RowName());

TEST_F(HotKeyStoreFixture, EachInstanceKeepsItsOwnShortcutInTheSectionNamedAtTheTimeOfTheCall) {
    m_registry.PutDword(SECTION0_PATH, KEY_ENTRY0, 0x74);
    // The store exists before start-up has numbered the instance.
    m_strSection = L"Settings 1";
    const std::wstring base = FormatHotKeyValueBase(m_strSection);

    EXPECT_EQ(m_store.Read(base).vk, 0u);
    EXPECT_TRUE(m_store.Write(base, VK_F6, HOTKEYF_ALT));

    EXPECT_EQ(Stored(SECTION1_PATH, L"Settings 1 StartAutoClickHotkey Key"), 0x75);
    EXPECT_EQ(Stored(SECTION1_PATH, L"Settings 1 StartAutoClickHotkey Mod"), 0x0001);
    EXPECT_EQ(Stored(SECTION0_PATH, KEY_ENTRY0), 0x74);
    EXPECT_EQ(m_store.Read(base).vk, 0x75u);
}
