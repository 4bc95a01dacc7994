// The portable settings file: what hand-written files read as, and how writes keep the file whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "fakes/FakeFiles.h"
#include "settings/IniStore.h"
#include "settings/PressSettings.h"
#include "unit/TableRows.h"

namespace {

const std::wstring INI = L"C:\\Portable\\Tapwell.ini";

struct IniRow : NamedRow {
    std::string file;
    int nExpected; // HoldKey of "Settings 0", default 7
};

const IniRow INI_ROWS[] = {
    {{"plain"}, "[Settings 0]\nHoldKey=1\n", 1},
    {{"blanks around and CR LF"}, "  [ Settings 0 ]  \r\n\t HoldKey =  42 \r\n", 42},
    {{"comments and blank lines"},
     "; made by hand\n\n[Settings 0]\n# HoldKey=3\n;HoldKey=4\n\nHoldKey=5\n",
     5},
    {{"other case"}, "[settings 0]\nholdkey=6\n", 6},
    {{"byte order mark"}, "\xEF\xBB\xBF[Settings 0]\nHoldKey=8\n", 8},
    {{"no section"}, "HoldKey=1\n", 7},
    {{"another section"}, "[Settings 1]\nHoldKey=1\n", 7},
    {{"first of duplicates"}, "[Settings 0]\nHoldKey=2\nHoldKey=3\n", 2},
    {{"negative"}, "[Settings 0]\nHoldKey=-2147483648\n", -2147483647 - 1},
    {{"unsigned wraps as a dword"}, "[Settings 0]\nHoldKey=4294967295\n", -1},
    {{"too large for a dword"}, "[Settings 0]\nHoldKey=4294967296\n", 7},
    {{"text"}, "[Settings 0]\nHoldKey=yes\n", 7},
    {{"number then text"}, "[Settings 0]\nHoldKey=12ab\n", 7},
    {{"hexadecimal"}, "[Settings 0]\nHoldKey=0x10\n", 7},
    {{"empty value"}, "[Settings 0]\nHoldKey=\n", 7},
    {{"no equals sign"}, "[Settings 0]\nHoldKey 1\n", 7},
    {{"unclosed section"}, "[Settings 0\nHoldKey=1\n", 7},
    {{"not utf-8"}, "[Settings 0]\nHoldKey=1\n\xFF\n", 7},
    {{"overlong line"}, "[Settings 0]\nHoldKey=" + std::string(CIniDocument::MAX_LINE, '1'), 7},
    {{"over 64 KiB"}, "[Settings 0]\nHoldKey=1\n" + std::string(CIniStore::MAX_FILE_BYTES, ';'), 7},
};

class IniStoreTest : public ::testing::Test {
protected:
    CIniStore& Open(const std::string& text) {
        m_file.Put(INI, text);
        m_pStore =
            OpenPortableStore(m_file, [this](const std::wstring& message) { m_messages.push_back(message); });
        return *m_pStore;
    }

    FakeRegistry m_registry;
    FakeFiles m_file;
    std::unique_ptr<CIniStore> m_pStore;
    std::vector<std::wstring> m_messages;
};

using IniRead = TableTest<IniStoreTest, IniRow>;

} // namespace

TEST_P(IniRead, ValueReadsAsWrittenOrAsTheDefault) {
    EXPECT_EQ(Open(GetParam().file).ReadInt(L"Settings 0", L"HoldKey", 7), GetParam().nExpected);
}
INSTANTIATE_TEST_SUITE_P(Rows, IniRead, ::testing::ValuesIn(INI_ROWS), RowName());

TEST_F(IniStoreTest, NoFileMeansTheRegistry) {
    EXPECT_EQ(OpenPortableStore(m_file, nullptr), nullptr);
}

TEST_F(IniStoreTest, WriteKeepsCommentsAndAddsSectionsAPersonCanRead) {
    CIniStore& store = Open("; Tapwell's settings\n[Settings 0]\nHoldKey=0\n; end\n");
    store.WriteInt(L"Settings 0", L"HoldKey", 1);
    store.WriteInt(L"Settings 0", L"SendChars", 1);
    store.WriteWindow(L"Settings 0", 1234);
    store.WriteString(L"Settings", L"Title", L" padded ");

    EXPECT_EQ(m_file.m_files[INI],
              "; Tapwell's settings\r\n[Settings 0]\r\nHoldKey=1\r\nSendChars=1\r\n; end\r\n\r\n"
              "[SeekedWindows]\r\nSettings 0=1234\r\n\r\n[Settings]\r\nTitle=\" padded \"\r\n");
    EXPECT_EQ(store.ReadString(L"Settings", L"Title", L""), L" padded ");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(IniStoreTest, WriteKeepsWhatAnotherInstanceWroteMeanwhile) {
    CIniStore& store = Open("[Settings 0]\nHoldKey=0\n");
    m_file.Put(INI, "[Settings 0]\nHoldKey=0\n[Settings 1]\nHoldKey=1\n");
    store.WriteInt(L"Settings 0", L"SendChars", 1);

    EXPECT_EQ(m_file.m_files[INI],
              "[Settings 0]\r\nHoldKey=0\r\nSendChars=1\r\n[Settings 1]\r\nHoldKey=1\r\n");
}

TEST_F(IniStoreTest, ReadOnlyFileIsToldOnceAndChangesStayInMemory) {
    CIniStore& store = Open("[Settings 0]\nHoldKey=0\n");
    m_file.m_strReadOnly = INI;
    store.WriteInt(L"Settings 0", L"HoldKey", 1);
    store.WriteInt(L"Settings 0", L"SendChars", 1);

    EXPECT_EQ(store.ReadInt(L"Settings 0", L"HoldKey", 0), 1);
    EXPECT_EQ(m_file.m_files[INI], "[Settings 0]\nHoldKey=0\n");
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].find(INI), std::wstring::npos);
    EXPECT_NE(m_messages[0].find(L"kept only until"), std::wstring::npos);
}

TEST_F(IniStoreTest, UnreadableFileIsToldAndNeverWritten) {
    m_file.m_strUnreadable = INI;
    CIniStore& store = Open("[Settings 0]\nHoldKey=1\n");
    store.WriteInt(L"Settings 0", L"SendChars", 1);

    EXPECT_EQ(store.ReadInt(L"Settings 0", L"HoldKey", 0), 0);
    EXPECT_EQ(store.ReadInt(L"Settings 0", L"SendChars", 0), 1);
    EXPECT_EQ(m_file.m_files[INI], "[Settings 0]\nHoldKey=1\n");
    EXPECT_EQ(m_messages.size(), 1u);
}

TEST_F(IniStoreTest, APressSeesOwnAndOtherInstancesChangesAtTheNextRead) {
    CIniStore& store = Open("");
    CProfile profile(m_registry);
    SetUpAsAtStartUp(profile);
    profile.UseStore(store);
    CAppSettings settings(profile);
    CPressSettings press(settings);
    press.Watch();
    EXPECT_EQ(press.Read().nUseOldKeyInputMethod, 1);

    settings.SetUseOldKeyInputMethod(0);
    EXPECT_EQ(press.Read().nUseOldKeyInputMethod, 0);
    m_file.Put(INI, "[Settings]\nUseOldKeyInputMethod=1\n");
    EXPECT_EQ(press.Read().nUseOldKeyInputMethod, 1);
    EXPECT_TRUE(m_registry.AllKeys().empty());
}
