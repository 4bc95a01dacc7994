#pragma once
// Drives the real Tapwell.exe from outside, as a user would: starts it and the programs that receive
// its keys, and ends everything it started.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "ProcessGroup.h"
#include "SendPool.h"
#include "TapwellInstance.h"
#include "TargetWindow.h"

class CTapwellDriver {
public:
    CTapwellDriver() = default;
    ~CTapwellDriver();
    CTapwellDriver(const CTapwellDriver&) = delete;
    CTapwellDriver& operator=(const CTapwellDriver&) = delete;

    // Tapwell.exe with the arguments, without waiting for anything; nullptr when it cannot start.
    CChildProcess* LaunchTapwell(const std::wstring& strArguments = L"");
    // Waits until the process has its main window and has finished starting; nullptr when it does not.
    CTapwellInstance* AttachTapwell(CChildProcess& process);
    CTapwellInstance* StartTapwell(const std::wstring& strArguments = L"");

    // The recorder with a fresh log of its own, shown and focused; nullptr when it does not come up.
    CTargetWindow* StartRecorder();
    // The same, its Edit showing no characters (see Recorder.cpp): for many fast runs at once.
    CTargetWindow* StartLogOnlyRecorder();
    const std::wstring& RecorderLogPath() const { return m_strLogPath; }
    // Wine's notepad, shown and focused.
    CTargetWindow* StartNotepad();
    // Wine's wordpad, its text a rich edit control.
    CTargetWindow* StartWordpad();

    // Ends every program started here, then lets go of what it held.
    void EndAll();

private:
    CTargetWindow* StartTarget(const std::wstring& strCommandLine, const std::wstring& strClass,
                               const std::wstring& strTitlePrefix, const wchar_t* pszEditClass);
    CTargetWindow* StartRecorderWith(const std::wstring& strOptions);
    std::wstring NewLogPath();

    // Declared before the processes: the sends are joined only after the programs have ended.
    CSendPool m_sends;
    CProcessGroup m_processes;
    std::vector<std::unique_ptr<CTapwellInstance>> m_tapwells;
    std::vector<std::unique_ptr<CTargetWindow>> m_targets;
    std::wstring m_strLogPath;
    std::vector<std::wstring> m_logPaths;
};
