// A portable Tapwell: the real program copied into a folder of its own beside a Tapwell.ini keeps
// every setting in that file and leaves the registry as it found it, but for the key journal.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "KeyListPositions.h"
#include "Polling.h"
#include "ProgramPaths.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "resource.h"

namespace {
const DWORD TIMEOUT_MS = 10000;
// Wine keeps its own state in the first two; the key journal may live on with its parents.
const wchar_t* const NOT_OURS[] = {L"Software\\Wine", L"Software\\Microsoft",
                                   L"Software\\Tovrin\\Tapwell\\KeyJournal"};
const std::set<std::wstring> JOURNAL_PARENTS = {L"Software\\Tovrin", L"Software\\Tovrin\\Tapwell"};

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

class Portable : public CTapwellCase {
protected:
    void SetUp() override {
        CTapwellCase::SetUp();
        wchar_t szTemp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, szTemp);
        m_strFolder = std::wstring(szTemp) + L"TapwellPortable" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_strFolder.c_str(), nullptr);
        m_strIni = m_strFolder + L"\\Tapwell.ini";
        ASSERT_TRUE(CopyFileW(TapwellExePath().c_str(), (m_strFolder + L"\\Tapwell.exe").c_str(), FALSE));
        std::ofstream(m_strIni.c_str()) << "; Tapwell keeps its settings here.\n";
        SetEnvironmentVariableW(L"TAPWELL_EXE", (m_strFolder + L"\\Tapwell.exe").c_str());
    }

    void TearDown() override {
        CTapwellCase::TearDown();
        SetEnvironmentVariableW(L"TAPWELL_EXE", nullptr);
        DeleteFileW(m_strIni.c_str());
        DeleteFileW((m_strFolder + L"\\Tapwell.exe").c_str());
        RemoveDirectoryW(m_strFolder.c_str());
    }

    std::string IniText() const {
        std::ifstream file(m_strIni.c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    // Opens an option dialog, makes one change (a text, or a click when pszText is null) and says OK.
    static bool ChangeInDialog(CTapwellInstance& tapwell, int nOpener, const std::wstring& strCaption,
                               int nId, const wchar_t* pszText) {
        const bool bOpened =
            nOpener >= ID_TRAY_EXIT
                ? PostMessageW(tapwell.MainWindow(), WM_COMMAND, static_cast<WPARAM>(nOpener), 0) != 0
                : tapwell.Form().StartClick(nOpener) == ActionResult::Done;
        CDialogRemote dialog = tapwell.WaitForDialog(strCaption, TIMEOUT_MS);
        HWND hDialog = dialog.Window();
        return bOpened && hDialog != nullptr &&
               (pszText ? dialog.SetText(nId, pszText) : dialog.Click(nId)) == ActionResult::Done &&
               dialog.Click(IDOK) == ActionResult::Done &&
               WaitUntil([hDialog] { return !IsWindow(hDialog); }, TIMEOUT_MS);
    }

    std::wstring m_strFolder;
    std::wstring m_strIni;
};
} // namespace

TEST_F(Portable, EverySettingGoesToTheFileAndTheRegistryStaysAsItWas) {
    const std::set<std::wstring> before = RegistrySnapshot();
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_TRUE(pTapwell->FillInRun(KEY_LETTER_A, L"20", L"3"));
    ASSERT_EQ(pTapwell->Form().Click(IDC_HOLD_KEY), ActionResult::Done);
    ASSERT_EQ(pTapwell->Form().Click(IDC_HOLD_KEY), ActionResult::Done);
    ASSERT_EQ(pTapwell->Form().SetHotKey(IDC_SHORTCUT_KEY, VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT),
              ActionResult::Done);
    ASSERT_EQ(pTapwell->Form().Click(IDC_SAVE_SHORTCUT_KEY), ActionResult::Done);
    ASSERT_TRUE(ChangeInDialog(*pTapwell, IDC_RANDOM_DELAY, L"Random delay - " TAPWELL_APP_TITLE,
                               IDC_RANDOM_SECONDS, L"45"));
    ASSERT_TRUE(ChangeInDialog(*pTapwell, ID_CONTEXT_SIMULATION_SETTINGS, L"Settings - " TAPWELL_APP_TITLE,
                               IDC_METHOD_NORMAL, nullptr));
    ASSERT_TRUE(ChangeInDialog(*pTapwell, ID_CONTEXT_INSTANCE_MODE,
                               L"Instance Controller - " TAPWELL_APP_TITLE, IDC_MULTIPLE_INSTANCES, nullptr));
    ASSERT_TRUE(ChangeInDialog(*pTapwell, IDC_TARGET, SELECTOR_CAPTION, IDC_SEND_KEY_UPS, nullptr));
    ASSERT_NE(m_driver.StartRecorder(), nullptr);
    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);
    ASSERT_TRUE(pTapwell->WaitForStatus(L"Keyed 3 Times", TIMEOUT_MS));
    ASSERT_TRUE(pTapwell->WaitForIdle(TIMEOUT_MS));
    ASSERT_TRUE(PostMessageW(pTapwell->MainWindow(), WM_CLOSE, 0, 0));
    ASSERT_TRUE(pTapwell->Process().WaitForExit(EXIT_TIMEOUT_MS));

    const std::set<std::wstring> after = RegistrySnapshot();
    for (const std::wstring& line : after) {
        EXPECT_EQ(before.count(line), 1u) << L"new in the registry: " << line;
    }
    EXPECT_EQ(before.size(), after.size());
    const std::string ini = IniText();
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
