#pragma once
// One running Tapwell.exe with its main window, as the user sees it.
#include <windows.h>

#include <string>

#include "ChildProcess.h"
#include "DialogRemote.h"
#include "SendPool.h"

class CTapwellInstance {
public:
    CTapwellInstance(CChildProcess& process, HWND hMainWindow, CSendPool& sends);

    CChildProcess& Process() const { return m_process; }
    HWND MainWindow() const { return m_form.Window(); }
    CDialogRemote& Form() { return m_form; }
    const CDialogRemote& Form() const { return m_form; }

    // Chooses the key and types the delay in milliseconds and the number of presses, as a user would;
    // an empty text leaves its field as it is. True when every step was done.
    bool FillInRun(int nKeyPosition, const std::wstring& strDelayMs, const std::wstring& strCount);
    // The message box the program shows, once it is there; nullptr when none appears in time.
    HWND WaitForMessageBox(DWORD nTimeoutMs) const;
    // A dialog the program opened with this caption, once it is there; its Window() is nullptr when
    // none appears in time.
    CDialogRemote WaitForDialog(const std::wstring& strCaption, DWORD nTimeoutMs);
    // Clicks a button of the message box and waits until the box has gone.
    bool AnswerMessageBox(HWND hBox, int nButton);
    // Opens a dialog (with a button of the main window, or a menu command posted to it), makes one
    // change in it (a text, or a click when pszText is nullptr) and closes it with nButton. True when
    // every step was done and the dialog has gone.
    bool UseDialog(int nOpener, const std::wstring& strCaption, int nId, const wchar_t* pszText,
                   int nButton = IDOK);
    bool WaitForStatus(const std::wstring& strStatus, DWORD nTimeoutMs) const;
    // Idle: Start enabled, Stop disabled.
    bool WaitForIdle(DWORD nTimeoutMs) const;
    bool IsIdle() const;
    // Makes the main window the foreground window, as a click on its caption would.
    bool Activate() const;
    // Sends the main window WM_CLOSE, as another program closing it would, and waits until the
    // program has ended.
    bool Close() const;

private:
    CChildProcess& m_process;
    CDialogRemote m_form;
    CSendPool& m_sends;
};
