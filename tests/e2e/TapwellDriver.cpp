#include "TapwellDriver.h"
#include "TapwellConstants.h"

#include "Polling.h"
#include "ProgramPaths.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
const wchar_t NOTEPAD_CLASS[] = L"Notepad";
const wchar_t EDIT_CLASS[] = L"Edit";
const wchar_t WORDPAD_CLASS[] = L"WORDPADTOP";
const wchar_t RICH_EDIT_CLASS[] = L"RichEdit20W";

bool StartsWith(const std::wstring& strText, const std::wstring& strPrefix) {
    return strText.compare(0, strPrefix.size(), strPrefix) == 0;
}
} // namespace

CTapwellDriver::~CTapwellDriver() {
    EndAll();
}

CChildProcess* CTapwellDriver::LaunchTapwell(const std::wstring& strArguments) {
    return m_processes.Start(CommandLine(TapwellExePath(), strArguments));
}

CTapwellInstance* CTapwellDriver::AttachTapwell(CChildProcess& process) {
    HWND hMain = nullptr;
    const bool bFound = WaitUntil(
        [&] {
            hMain = FindTopLevelWindow(process.Id(), DIALOG_CLASS, APP_TITLE);
            return hMain != nullptr || !process.IsRunning();
        },
        START_TIMEOUT_MS);
    if (!bFound || !hMain || !process.WaitForInputIdle(START_TIMEOUT_MS)) {
        return nullptr;
    }
    m_tapwells.push_back(std::make_unique<CTapwellInstance>(process, hMain, m_sends));
    return m_tapwells.back().get();
}

CTapwellInstance* CTapwellDriver::StartTapwell(const std::wstring& strArguments) {
    CChildProcess* pProcess = LaunchTapwell(strArguments);
    return pProcess ? AttachTapwell(*pProcess) : nullptr;
}

CTargetWindow* CTapwellDriver::StartRecorder() {
    return StartRecorderWith(L"");
}

CTargetWindow* CTapwellDriver::StartLogOnlyRecorder() {
    return StartRecorderWith(L" log-only");
}

CTargetWindow* CTapwellDriver::StartRecorderWith(const std::wstring& strOptions) {
    m_strLogPath = NewLogPath();
    return StartTarget(CommandLine(RecorderExePath(), L"\"" + m_strLogPath + L"\"" + strOptions),
                       RECORDER_CLASS, RECORDER_TITLE, EDIT_CLASS);
}

CTargetWindow* CTapwellDriver::StartNotepad() {
    // Its title names the document ("Untitled - Notepad" or a translation): only the class is sure.
    return StartTarget(L"notepad.exe", NOTEPAD_CLASS, L"", EDIT_CLASS);
}

CTargetWindow* CTapwellDriver::StartWordpad() {
    return StartTarget(L"\"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe\"", WORDPAD_CLASS, L"",
                       RICH_EDIT_CLASS);
}

CTargetWindow* CTapwellDriver::StartTarget(const std::wstring& strCommandLine, const std::wstring& strClass,
                                           const std::wstring& strTitlePrefix, const wchar_t* pszEditClass) {
    CChildProcess* pProcess = m_processes.Start(strCommandLine);
    if (!pProcess) {
        return nullptr;
    }
    HWND hFrame = nullptr;
    HWND hEdit = nullptr;
    const bool bShown = WaitUntil(
        [&] {
            for (HWND hWnd : TopLevelWindowsOf(pProcess->Id())) {
                if (WindowClass(hWnd) != strClass || !StartsWith(WindowText(hWnd), strTitlePrefix) ||
                    !IsWindowVisible(hWnd)) {
                    continue;
                }
                hFrame = hWnd;
                hEdit = FindDescendant(hWnd, pszEditClass);
                return hEdit != nullptr;
            }
            return false;
        },
        START_TIMEOUT_MS);
    if (!bShown || !pProcess->WaitForInputIdle(START_TIMEOUT_MS)) {
        return nullptr;
    }
    m_targets.push_back(std::make_unique<CTargetWindow>(hFrame, hEdit));
    CTargetWindow* pTarget = m_targets.back().get();
    return pTarget->Focus() ? pTarget : nullptr;
}

void CTapwellDriver::EndAll() {
    m_processes.EndAll();
    m_sends.JoinAll();
    for (const std::wstring& strPath : m_logPaths) {
        DeleteFileW(strPath.c_str());
    }
    m_logPaths.clear();
}

std::wstring CTapwellDriver::NewLogPath() {
    wchar_t szDirectory[MAX_PATH] = {};
    wchar_t szPath[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, szDirectory);
    GetTempFileNameW(szDirectory, L"rec", 0, szPath);
    m_logPaths.push_back(szPath);
    return szPath;
}
