// Profiles and a portable Tapwell through the real program: a script's profile, a set-up saved and
// opened again on empty settings, and a portable copy (the program in a folder of its own beside a
// Tapwell.ini) that keeps every setting in that file and leaves the registry as it found it, but for
// the key journal.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "Polling.h"
#include "ProgramPaths.h"
#include "RecorderLog.h"
#include "RemoteMessages.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
const DWORD TIMEOUT_MS = 10000;
const char FRESH_INI[] = "; Tapwell keeps its settings here.\n";
const wchar_t RANDOM_DELAY_CAPTION[] = L"Random delay - " TAPWELL_APP_TITLE;
const wchar_t METHOD_CAPTION[] = L"Settings - " TAPWELL_APP_TITLE;
// Wine keeps its own state in the first two; the key journal may live on with its parents.
const wchar_t* const NOT_OURS[] = {L"Software\\Wine", L"Software\\Microsoft",
                                   L"Software\\Tovrin\\Tapwell\\KeyJournal"};
const std::set<std::wstring> JOURNAL_PARENTS = {L"Software\\Tovrin", L"Software\\Tovrin\\Tapwell"};

std::wstring TempPath(const wchar_t* pszName) {
    wchar_t szDir[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, szDir);
    return std::wstring(szDir) + pszName;
}

void WriteText(const std::wstring& strPath, const std::string& text) {
    std::ofstream(strPath.c_str(), std::ios::binary) << text;
}

std::string ReadText(const std::wstring& strPath) {
    std::ifstream file(strPath.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Every key and value below HKEY_CURRENT_USER\path, one line each.
void Snapshot(const std::wstring& path, std::set<std::wstring>& lines) {
    HKEY hKey = nullptr;
    if (std::any_of(std::begin(NOT_OURS), std::end(NOT_OURS),
                    [&](const wchar_t* p) { return _wcsnicmp(path.c_str(), p, wcslen(p)) == 0; }) ||
        RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) {
        return;
    }
    if (JOURNAL_PARENTS.count(path) == 0) {
        lines.insert(path);
    }
    wchar_t szName[16384];
    BYTE data[65536];
    DWORD cchName = 16384, cbData = sizeof(data), nType = 0;
    for (DWORD i = 0;
         RegEnumValueW(hKey, i, szName, &cchName, nullptr, &nType, data, &cbData) == ERROR_SUCCESS;
         ++i, cchName = 16384, cbData = sizeof(data)) {
        lines.insert(path + L" | " + szName + L" = " + std::to_wstring(nType) + L":" +
                     std::wstring(data, data + cbData));
    }
    for (DWORD i = 0; RegEnumKeyExW(hKey, i, szName, &(cchName = 16384), nullptr, nullptr, nullptr,
                                    nullptr) == ERROR_SUCCESS;
         ++i) {
        Snapshot(path + L"\\" + szName, lines);
    }
    RegCloseKey(hKey);
}

std::set<std::wstring> RegistrySnapshot() {
    std::set<std::wstring> lines;
    Snapshot(L"Software", lines);
    return lines;
}

// Menu > "Save Profile...", the path typed into the file dialog's name field, and its OK.
bool SaveProfile(const CTapwellInstance& tapwell, const std::wstring& strPath) {
    HWND hName = nullptr;
    const auto dialogShown = [&] {
        for (HWND hWnd : TopLevelWindowsOf(tapwell.Process().Id())) {
            if (hWnd != tapwell.MainWindow() && IsWindowVisible(hWnd) && WindowClass(hWnd) == DIALOG_CLASS) {
                hName = FindDescendant(hWnd, L"Edit");
                return hName != nullptr;
            }
        }
        return false;
    };
    return PostMessageW(tapwell.MainWindow(), WM_COMMAND, ID_CONTEXT_SAVE_PROFILE, 0) &&
           WaitUntil(dialogShown, START_TIMEOUT_MS) &&
           AskWindow(hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(strPath.c_str())) &&
           PostMessageW(GetDlgItem(GetAncestor(hName, GA_ROOT), IDOK), BM_CLICK, 0, 0) &&
           WaitUntil([&] { return GetFileAttributesW(strPath.c_str()) != INVALID_FILE_ATTRIBUTES; },
                     TIMEOUT_MS);
}

class Profiles : public CTapwellCase {
protected:
    void TearDown() override {
        CTapwellCase::TearDown();
        if (!m_strIni.empty()) {
            SetEnvironmentVariableW(L"TAPWELL_EXE", nullptr);
            DeleteFileW(m_strIni.c_str());
            DeleteFileW((m_strFolder + L"\\Tapwell.exe").c_str());
            RemoveDirectoryW(m_strFolder.c_str());
        }
    }

    // From now on the driver starts a copy of Tapwell.exe in a folder of its own beside a fresh
    // Tapwell.ini.
    void MakePortable() {
        m_strFolder = TempPath(L"TapwellPortable") + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_strFolder.c_str(), nullptr);
        m_strIni = m_strFolder + L"\\Tapwell.ini";
        ASSERT_TRUE(CopyFileW(TapwellExePath().c_str(), (m_strFolder + L"\\Tapwell.exe").c_str(), FALSE));
        WriteText(m_strIni, FRESH_INI);
        SetEnvironmentVariableW(L"TAPWELL_EXE", (m_strFolder + L"\\Tapwell.exe").c_str());
    }

    // Every stored value, one line each, but the window handles kept under "SeekedWindows": the
    // ini's lines in portable mode, the registry's otherwise.
    std::set<std::wstring> StoredValues() const {
        std::set<std::wstring> lines;
        std::wstring strSection;
        if (m_strIni.empty()) {
            std::set<std::wstring> registry = RegistrySnapshot();
            std::copy_if(
                registry.begin(), registry.end(), std::inserter(lines, lines.end()),
                [](const std::wstring& line) { return line.find(L"SeekedWindows") == std::wstring::npos; });
            return lines;
        }
        std::istringstream text(ReadText(m_strIni));
        for (std::string strLine; std::getline(text, strLine);) {
            const std::wstring line(strLine.begin(), strLine.begin() + strLine.find_last_not_of("\r") + 1);
            strSection = line.rfind(L"[", 0) == 0 ? line : strSection;
            if (!line.empty() && strSection.find(L"SeekedWindows") == std::wstring::npos) {
                lines.insert(strSection + L" " + line);
            }
        }
        return lines;
    }

    std::wstring m_strFolder;
    std::wstring m_strIni;
};

class ProfileRoundTrip : public Profiles, public ::testing::WithParamInterface<bool> {};
} // namespace

TEST_F(Profiles, AScriptsProfileStartsInTheTrayThenGoesToTheRunningTapwellAndABadOneEndsWithTwo) {
    const std::wstring strFarm = TempPath(L"farm.tapwell");
    WriteText(strFarm, "\xEF\xBB\xBFTapwell Profile 1\r\n; hand-written\r\nKeyIndexTobeAutomated = A\r\n"
                       "AutoClicksDelayMilliSeconds = 50\r\nSetNumberOfClicksToAutomate = 5\r\n");
    const std::wstring strBad = TempPath(L"bad.tapwell");
    WriteText(strBad, "Tapwell Profile 1\r\nSetNumberOfClicksToAutomate = 10000\r\n");
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_NE(pRecorder, nullptr);

    CChildProcess* pProcess = m_driver.LaunchTapwell(L"/profile \"" + strFarm + L"\" /start");
    CTapwellInstance* pTapwell = pProcess ? m_driver.AttachTapwell(*pProcess) : nullptr;
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_TRUE(pTapwell->WaitForStatus(L"Keyed 5 Times", RUN_TIMEOUT_MS));
    EXPECT_TRUE(
        WaitUntil([&] { return TypedCharacters(ReadRecorderLog(m_driver.RecorderLogPath())) == L"aaaaa"; },
                  RUN_TIMEOUT_MS));
    EXPECT_EQ(GetForegroundWindow(), pRecorder->Frame());
    EXPECT_FALSE(IsWindowVisible(pTapwell->MainWindow()));

    EXPECT_EQ(RunScript(L"/profile \"" + strFarm + L"\" /start"), DWORD{0});
    EXPECT_TRUE(WaitUntil(
        [&] { return TypedCharacters(ReadRecorderLog(m_driver.RecorderLogPath())) == L"aaaaaaaaaa"; },
        RUN_TIMEOUT_MS));
    EXPECT_EQ(RunScript(L"/profile \"" + strBad + L"\""), DWORD{2});
    const HWND hBox = pTapwell->WaitForMessageBox(RUN_TIMEOUT_MS);
    ASSERT_NE(hBox, nullptr);
    EXPECT_TRUE(pTapwell->AnswerMessageBox(hBox, IDOK));
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"SetNumberOfClicksToAutomate"), DWORD{5});
}

// Saved through the Menu's file dialog, the settings emptied, then opened by a script: every stored
// value is back.
TEST_P(ProfileRoundTrip, SavedThenOpenedOnEmptySettingsGivesBackEveryStoredValue) {
    if (GetParam()) {
        ASSERT_NO_FATAL_FAILURE(MakePortable());
    }
    const std::wstring strProfile = TempPath(L"roundtrip.tapwell");
    DeleteFileW(strProfile.c_str());
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    // Every value of the profile given by hand: one that keeps its default is not stored.
    ASSERT_TRUE(pTapwell && pTapwell->FillInRun(KEY_LEFT, L"20", L"3"));
    ASSERT_EQ(pTapwell->Form().SetText(IDC_DELAY_MINUTES, L"2"), ActionResult::Done);
    ASSERT_EQ(pTapwell->Form().SetText(IDC_DELAY_SECONDS, L"1"), ActionResult::Done);
    ASSERT_EQ(pTapwell->Form().SelectListEntry(IDC_MODIFIER_LIST, MODIFIER_SHIFT), ActionResult::Done);
    ASSERT_EQ(pTapwell->Form().Click(IDC_HOLD_KEY), ActionResult::Done);
    ASSERT_TRUE(pTapwell->UseDialog(IDC_RANDOM_DELAY, RANDOM_DELAY_CAPTION, IDC_RANDOM_SECONDS, L"45"));
    ASSERT_TRUE(
        pTapwell->UseDialog(ID_CONTEXT_SIMULATION_SETTINGS, METHOD_CAPTION, IDC_METHOD_NORMAL, nullptr));
    ASSERT_TRUE(pTapwell->UseDialog(IDC_TARGET, SELECTOR_CAPTION, IDC_SEND_KEY_UPS, nullptr));
    ASSERT_TRUE(SaveProfile(*pTapwell, strProfile));
    ASSERT_TRUE(pTapwell->Close());
    const std::set<std::wstring> saved = StoredValues();

    if (GetParam()) {
        WriteText(m_strIni, FRESH_INI);
    } else {
        ResetTapwellRegistry();
    }
    ASSERT_NE(StoredValues(), saved);
    CTapwellInstance* pOpened = m_driver.StartTapwell(L"/profile \"" + strProfile + L"\"");
    ASSERT_TRUE(pOpened && pOpened->Close());

    const std::set<std::wstring> opened = StoredValues();
    for (const std::wstring& line : saved) {
        EXPECT_EQ(opened.count(line), 1u) << L"lost: " << line;
    }
    for (const std::wstring& line : opened) {
        EXPECT_EQ(saved.count(line), 1u) << L"new: " << line;
    }
    DeleteFileW(strProfile.c_str());
}

INSTANTIATE_TEST_SUITE_P(Through, ProfileRoundTrip, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "TapwellIni" : "TheRegistry";
                         });

TEST_F(Profiles, APortableTapwellKeepsEverySettingInItsFileAndLeavesTheRegistryAsItWas) {
    ASSERT_NO_FATAL_FAILURE(MakePortable());
    const std::set<std::wstring> before = RegistrySnapshot();
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_TRUE(pTapwell->FillInRun(KEY_LETTER_A, L"20", L"3"));
    ASSERT_EQ(pTapwell->Form().Click(IDC_HOLD_KEY), ActionResult::Done);
    ASSERT_EQ(pTapwell->Form().Click(IDC_HOLD_KEY), ActionResult::Done);
    ASSERT_EQ(pTapwell->Form().SetHotKey(IDC_SHORTCUT_KEY, VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT),
              ActionResult::Done);
    ASSERT_EQ(pTapwell->Form().Click(IDC_SAVE_SHORTCUT_KEY), ActionResult::Done);
    ASSERT_TRUE(pTapwell->UseDialog(IDC_RANDOM_DELAY, RANDOM_DELAY_CAPTION, IDC_RANDOM_SECONDS, L"45"));
    ASSERT_TRUE(
        pTapwell->UseDialog(ID_CONTEXT_SIMULATION_SETTINGS, METHOD_CAPTION, IDC_METHOD_NORMAL, nullptr));
    ASSERT_TRUE(pTapwell->UseDialog(ID_CONTEXT_INSTANCE_MODE, L"Instance Controller - " TAPWELL_APP_TITLE,
                                    IDC_MULTIPLE_INSTANCES, nullptr));
    ASSERT_TRUE(pTapwell->UseDialog(IDC_TARGET, SELECTOR_CAPTION, IDC_SEND_KEY_UPS, nullptr));
    ASSERT_NE(m_driver.StartRecorder(), nullptr);
    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);
    ASSERT_TRUE(pTapwell->WaitForStatus(L"Keyed 3 Times", TIMEOUT_MS));
    ASSERT_TRUE(pTapwell->WaitForIdle(TIMEOUT_MS));
    ASSERT_TRUE(pTapwell->Close());

    EXPECT_EQ(RegistrySnapshot(), before);
    const std::string ini = ReadText(m_strIni);
    for (const char* pszLine :
         {"; Tapwell keeps its settings here.", "[Settings 0]", "AutoClicksDelayMilliSeconds=20",
          "SetNumberOfClicksToAutomate=3", "HoldKey=0", "RandomClicksDelaySeconds=45", "SendKeyUps=1",
          "Settings 0 StartAutoClickHotkey Key=117", "[Settings]", "UseOldKeyInputMethod=0",
          "UseSingleInstance=0", "[SeekedWindows]"}) {
        EXPECT_NE(ini.find(pszLine), std::string::npos) << pszLine << " missing from:\n" << ini;
    }

    CTapwellInstance* pAgain = m_driver.StartTapwell();
    ASSERT_NE(pAgain, nullptr);
    EXPECT_EQ(pAgain->Form().Text(IDC_DELAY_MILLISECONDS), L"20");
    EXPECT_EQ(pAgain->Form().Text(IDC_KEYS_TO_PRESS), L"3");
    EXPECT_EQ(pAgain->Form().ListText(IDC_KEY_LIST, KEY_LETTER_A), pAgain->Form().Text(IDC_KEY_LIST));
    EXPECT_EQ(RegistrySnapshot(), before);
}
