#include "BenchRuns.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchPeer.h"
#include "BenchServers.h"
#include "Polling.h"
#include "PressCounter.h"
#include "ProgramPaths.h"
#include "RecorderLog.h"
#include "TapwellConstants.h"
#include "TapwellDriver.h"
#include "TapwellRegistry.h"
#include "UnixProcesses.h"
#include "UserKeyboard.h"
#include "resource.h"

namespace {
// A run has ended once every press has arrived, or when none has come for this long.
const DWORD FIRST_PRESS_TIMEOUT_MS = 15000;
const DWORD STALLED_AFTER_MS = 3000;
const DWORD PRESS_POLL_MS = 200;
const DWORD XDOTOOL_RESULT_TIMEOUT_MS = 10000;
const wchar_t XDOTOOL_REQUEST[] = L"\\xdotool.request";
const wchar_t XDOTOOL_RESULT[] = L"\\xdotool.result";

// A program's CPU seconds: Linux's count, finer than the clock ticks Wine's process list passes on,
// when the program's Linux process can be found; the process list's otherwise.
class COwnCpu {
public:
    COwnCpu(const CChildProcess& process, const std::wstring& strProgramPath)
        : m_process(process), m_nUnixPid(FindUnixProcess(strProgramPath)) {}
    double Seconds() const { return m_nUnixPid ? UnixCpuSeconds(m_nUnixPid) : m_process.CpuSeconds(); }

private:
    const CChildProcess& m_process;
    DWORD m_nUnixPid;
};

struct CpuMarks {
    double dOwn;
    ServerCpu servers;
};

CpuMarks MarkCpu(double dOwnSeconds) {
    return {dOwnSeconds, SampleServerCpu()};
}

double PerThousandPresses(double dBefore, double dAfter, int nPresses) {
    return dBefore < 0.0 || dAfter < 0.0 ? -1.0 : (dAfter - dBefore) * 1000.0 / nPresses;
}

void SetCpuFigures(const CpuMarks& start, const CpuMarks& end, BenchRow& row) {
    row.dOwnCpu = PerThousandPresses(start.dOwn, end.dOwn, row.nAsked);
    row.dWineserverCpu = PerThousandPresses(start.servers.dWineserver, end.servers.dWineserver, row.nAsked);
    row.dXvfbCpu = PerThousandPresses(start.servers.dXvfb, end.servers.dXvfb, row.nAsked);
}

BenchRow NewRow(const BenchSubject& subject, bool bTapwell, int nDelayMs, int nPresses) {
    BenchRow row;
    row.strSubject = subject.pszName;
    row.strShortName = subject.pszShortName;
    row.bTapwell = bTapwell;
    row.nDelayMs = nDelayMs;
    row.nAsked = nPresses;
    return row;
}

BenchRow NotMade(BenchRow row, const char* pszWhy) {
    row.strWhyNotMade = pszWhy;
    return row;
}

// Waits, looking rarely so as not to disturb the run, until the presses of the key have arrived or
// stopped coming; then the recorder's log.
std::vector<RecordedKeyMessage> WaitForPresses(const std::wstring& strLogPath, int nPresses, WPARAM nKey) {
    CPressCounter counter(strLogPath, nKey);
    int nSeen = 0;
    ULONGLONG nLastArrival = GetTickCount64();
    for (;;) {
        const int nCount = counter.Count();
        const ULONGLONG nNow = GetTickCount64();
        if (nCount >= nPresses) {
            break;
        }
        if (nCount != nSeen) {
            nSeen = nCount;
            nLastArrival = nNow;
        } else if (nNow - nLastArrival > (nSeen == 0 ? FIRST_PRESS_TIMEOUT_MS : STALLED_AFTER_MS)) {
            break;
        }
        Sleep(PRESS_POLL_MS);
    }
    return ReadRecorderLog(strLogPath);
}

// The times of the key's key-downs.
std::vector<double> PressTimes(const std::vector<RecordedKeyMessage>& log, WPARAM nKey) {
    std::vector<double> times;
    for (const RecordedKeyMessage& press : MessagesOf(log, WM_KEYDOWN, nKey)) {
        times.push_back(press.dMs);
    }
    return times;
}

void Finish(BenchRow& row, const std::vector<double>& times, const CpuMarks& start, const CpuMarks& end) {
    row.bMade = true;
    row.intervals = MeasureIntervals(times, row.nDelayMs);
    SetCpuFigures(start, end, row);
}

std::wstring PathFromEnvironment(const wchar_t* pszVariable) {
    wchar_t szPath[MAX_PATH] = {};
    const DWORD nLength = GetEnvironmentVariableW(pszVariable, szPath, MAX_PATH);
    return nLength > 0 && nLength < MAX_PATH ? WindowsPath(szPath) : L"";
}

// Written aside and renamed, so that the script never reads half of it.
bool WriteWholeFile(const std::wstring& strPath, const std::string& strText) {
    const std::wstring strPartPath = strPath + L".part";
    HANDLE hFile = CreateFileW(strPartPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD nWritten = 0;
    const bool bWritten =
        WriteFile(hFile, strText.data(), static_cast<DWORD>(strText.size()), &nWritten, nullptr) &&
        nWritten == strText.size();
    CloseHandle(hFile);
    return bWritten && MoveFileExW(strPartPath.c_str(), strPath.c_str(), MOVEFILE_REPLACE_EXISTING);
}

double ReadSecondsFile(const std::wstring& strPath) {
    HANDLE hFile = CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        return -1.0;
    }
    char szText[64] = {};
    DWORD nRead = 0;
    ReadFile(hFile, szText, sizeof(szText) - 1, &nRead, nullptr);
    CloseHandle(hFile);
    char* pEnd = nullptr;
    const double dSeconds = std::strtod(szText, &pEnd);
    return pEnd != szText ? dSeconds : -1.0;
}

// Keys posted into the window, the picked window's other options left at their defaults (no key-ups,
// no characters, the window itself rather than its first Edit).
bool StorePickedWindow(HWND hWindow) {
    return WriteProfileDword(SECTION_FIRST_INSTANCE, L"SendKeysToActiveWindow", 0) &&
           WriteSeekedWindow(SECTION_FIRST_INSTANCE, static_cast<DWORD>(reinterpret_cast<UINT_PTR>(hWindow)));
}
} // namespace

std::wstring ProgramBesideThisOne(const wchar_t* pszProgram) {
    wchar_t szPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring strPath = szPath;
    return strPath.substr(0, strPath.find_last_of(L"\\/") + 1) + pszProgram;
}

bool StoreTapwellSettings(DWORD nPauseMs) {
    ResetTapwellRegistry();
    // "Brute": keybd_event, as the peers press.
    return WriteProfileDword(L"Settings", L"TimeDelayBetweenKeyDownAndKeyUp", nPauseMs) &&
           WriteProfileDword(L"Settings", L"UseOldKeyInputMethod", 1);
}

BenchRow RunPeerProgram(const wchar_t* pszProgram, const BenchSubject& subject, int nDelayMs, int nPresses) {
    BenchRow row = NewRow(subject, false, nDelayMs, nPresses);
    CTapwellDriver driver;
    CTargetWindow* pRecorder = driver.StartRecorder();
    if (!pRecorder) {
        return NotMade(row, "the recorder did not come up");
    }
    HANDLE hReady = CreateEventW(nullptr, TRUE, FALSE, BENCH_READY_EVENT);
    HANDLE hGo = CreateEventW(nullptr, TRUE, FALSE, BENCH_GO_EVENT);
    ResetEvent(hReady);
    ResetEvent(hGo);
    CProcessGroup peers;
    const std::wstring strProgramPath = ProgramBesideThisOne(pszProgram);
    CChildProcess* pPeer = peers.Start(
        CommandLine(strProgramPath, std::to_wstring(nDelayMs) + L" " + std::to_wstring(nPresses)));
    if (pPeer && WaitForSingleObject(hReady, START_TIMEOUT_MS) == WAIT_OBJECT_0 && pRecorder->Focus()) {
        const COwnCpu ownCpu(*pPeer, strProgramPath);
        const CpuMarks start = MarkCpu(ownCpu.Seconds());
        SetEvent(hGo);
        const std::vector<double> times =
            PressTimes(WaitForPresses(driver.RecorderLogPath(), nPresses, 'A'), 'A');
        Finish(row, times, start, MarkCpu(ownCpu.Seconds()));
    } else {
        row.strWhyNotMade = "the program did not get ready to press";
    }
    peers.EndAll();
    CloseHandle(hReady);
    CloseHandle(hGo);
    driver.EndAll();
    ReleaseKeysLeftDown();
    return row;
}

BenchRow RunXdotool(int nDelayMs, int nPresses) {
    BenchRow row = NewRow({"xdotool", "xdotool"}, false, nDelayMs, nPresses);
    const std::wstring strDirectory = PathFromEnvironment(L"BENCH_XDOTOOL_DIR");
    if (strDirectory.empty()) {
        return NotMade(row, "xdotool is run by bench/press-accuracy.sh only");
    }
    CTapwellDriver driver;
    if (!driver.StartRecorder()) {
        return NotMade(row, "the recorder did not come up");
    }
    const std::wstring strResult = strDirectory + XDOTOOL_RESULT;
    DeleteFileW(strResult.c_str());
    // xdotool's own CPU time comes from the script, which runs it.
    const CpuMarks start = MarkCpu(0.0);
    if (!WriteWholeFile(strDirectory + XDOTOOL_REQUEST,
                        std::to_string(nDelayMs) + " " + std::to_string(nPresses) + "\n")) {
        return NotMade(row, "the request to run xdotool could not be written");
    }
    const std::vector<double> times =
        PressTimes(WaitForPresses(driver.RecorderLogPath(), nPresses, 'A'), 'A');
    CpuMarks end = MarkCpu(-1.0);
    if (WaitUntil([&] { return GetFileAttributesW(strResult.c_str()) != INVALID_FILE_ATTRIBUTES; },
                  XDOTOOL_RESULT_TIMEOUT_MS)) {
        end.dOwn = ReadSecondsFile(strResult);
    }
    Finish(row, times, start, end);
    driver.EndAll();
    ReleaseKeysLeftDown();
    return row;
}

TapwellPresses LetterPresses(DWORD nPauseMs) {
    return {nPauseMs, MODIFIER_NONE, KEY_LETTER_A, 'A', false};
}

BenchRow RunTapwell(const TapwellPresses& presses, const BenchSubject& subject, int nDelayMs, int nPresses,
                    std::vector<RecordedKeyMessage>* pLog) {
    BenchRow row = NewRow(subject, true, nDelayMs, nPresses);
    if (!StoreTapwellSettings(presses.nPauseMs)) {
        return NotMade(row, "the settings could not be stored");
    }
    CTapwellDriver driver;
    // The recorder first: a picked window is stored before Tapwell starts. Keys posted every 2 ms
    // would outrun a recorder that shows them and reads the modifiers: it only logs them.
    CTargetWindow* pRecorder = presses.bPickedWindow ? driver.StartLogOnlyRecorder() : driver.StartRecorder();
    if (!pRecorder || (presses.bPickedWindow && !StorePickedWindow(pRecorder->Frame()))) {
        return NotMade(row, "the recorder did not come up");
    }
    CTapwellInstance* pTapwell = driver.StartTapwell();
    if (!pTapwell ||
        !pTapwell->FillInRun(presses.nKeyPosition, std::to_wstring(nDelayMs), std::to_wstring(nPresses)) ||
        pTapwell->Form().SelectListEntry(IDC_MODIFIER_LIST, presses.nModifierPosition) !=
            ActionResult::Done ||
        !pRecorder->Focus()) {
        return NotMade(row, "Tapwell did not come up");
    }
    const COwnCpu ownCpu(pTapwell->Process(), TapwellExePath());
    const CpuMarks start = MarkCpu(ownCpu.Seconds());
    if (pTapwell->Form().Click(IDC_START_KEYPRESSING) != ActionResult::Done) {
        return NotMade(row, "Start could not be clicked");
    }
    const std::vector<RecordedKeyMessage> log =
        WaitForPresses(driver.RecorderLogPath(), nPresses, presses.nKeyCode);
    Finish(row, PressTimes(log, presses.nKeyCode), start, MarkCpu(ownCpu.Seconds()));
    if (pLog) {
        *pLog = log;
    }
    driver.EndAll();
    ReleaseKeysLeftDown();
    return row;
}

std::vector<BenchRow> RunTapwellCopies(int nCopies, int nDelayMs, int nPresses) {
    std::vector<BenchRow> rows;
    for (int i = 0; i < nCopies; ++i) {
        const std::string strLetter(1, static_cast<char>('A' + i));
        rows.push_back(NewRow({"", ""}, true, nDelayMs, nPresses));
        rows.back().strSubject = "Tapwell copy " + std::to_string(i + 1) + " of " + std::to_string(nCopies) +
                                 " (" + strLetter + ", pause 0)";
        rows.back().strShortName = "copy " + strLetter;
    }
    const auto notMade = [&](const char* pszWhy) {
        for (BenchRow& row : rows) {
            row.strWhyNotMade = pszWhy;
        }
        return rows;
    };
    if (!StoreTapwellSettings(0) || !WriteProfileDword(L"Settings", L"UseSingleInstance", 0)) {
        return notMade("the settings could not be stored");
    }
    CTapwellDriver driver;
    // Eight letters at 10 ms would soon outrun an Edit that shows them all: the recorder only logs.
    CTargetWindow* pRecorder = driver.StartLogOnlyRecorder();
    if (!pRecorder) {
        return notMade("the recorder did not come up");
    }
    std::vector<CTapwellInstance*> copies;
    for (int i = 0; i < nCopies; ++i) {
        CTapwellInstance* pTapwell = driver.StartTapwell();
        if (!pTapwell ||
            !pTapwell->FillInRun(KEY_LETTER_A + i, std::to_wstring(nDelayMs), std::to_wstring(nPresses))) {
            driver.EndAll();
            return notMade("a copy of Tapwell did not come up");
        }
        copies.push_back(pTapwell);
    }
    if (!pRecorder->Focus()) {
        driver.EndAll();
        return notMade("the recorder could not be focused");
    }
    for (CTapwellInstance* pTapwell : copies) {
        if (pTapwell->Form().Click(IDC_START_KEYPRESSING) != ActionResult::Done) {
            driver.EndAll();
            return notMade("Start could not be clicked");
        }
    }
    const CpuMarks none = MarkCpu(-1.0);
    for (int i = 0; i < nCopies; ++i) {
        const WPARAM nLetter = static_cast<WPARAM>('A' + i);
        Finish(rows[static_cast<std::size_t>(i)],
               PressTimes(WaitForPresses(driver.RecorderLogPath(), nPresses, nLetter), nLetter), none, none);
    }
    driver.EndAll();
    ReleaseKeysLeftDown();
    return rows;
}
