// A script's profile through the real program.
#include <optional>
#include <string>

#include "Polling.h"
#include "RecorderLog.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"

namespace {

std::wstring TempFile(const wchar_t* pszName) {
    wchar_t szDir[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, szDir);
    return std::wstring(szDir) + pszName;
}

void WriteText(const std::wstring& strPath, const std::string& text) {
    const HANDLE hFile = CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD nWritten = 0;
    WriteFile(hFile, text.data(), static_cast<DWORD>(text.size()), &nWritten, nullptr);
    CloseHandle(hFile);
}

class Profiles : public CTapwellCase {
protected:
    std::optional<DWORD> Script(const std::wstring& strArguments) {
        CChildProcess* pScript = m_driver.LaunchTapwell(strArguments);
        return pScript && pScript->WaitForExit(EXIT_TIMEOUT_MS) ? pScript->ExitCode() : std::nullopt;
    }
};

} // namespace

TEST_F(Profiles, AScriptsProfileStartsInTheTrayThenGoesToTheRunningTapwellAndABadOneEndsWithTwo) {
    const std::wstring strFarm = TempFile(L"farm.tapwell");
    WriteText(strFarm, "\xEF\xBB\xBFTapwell Profile 1\r\n; hand-written\r\nKeyIndexTobeAutomated = A\r\n"
                       "AutoClicksDelayMilliSeconds = 50\r\nSetNumberOfClicksToAutomate = 5\r\n");
    const std::wstring strBad = TempFile(L"bad.tapwell");
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

    EXPECT_EQ(Script(L"/profile \"" + strFarm + L"\" /start"), DWORD{0});
    EXPECT_TRUE(WaitUntil(
        [&] { return TypedCharacters(ReadRecorderLog(m_driver.RecorderLogPath())) == L"aaaaaaaaaa"; },
        RUN_TIMEOUT_MS));
    EXPECT_EQ(Script(L"/profile \"" + strBad + L"\""), DWORD{2});
    const HWND hBox = pTapwell->WaitForMessageBox(RUN_TIMEOUT_MS);
    ASSERT_NE(hBox, nullptr);
    EXPECT_TRUE(pTapwell->AnswerMessageBox(hBox, IDOK));
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"SetNumberOfClicksToAutomate"), DWORD{5});
}
