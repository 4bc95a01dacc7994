#include "SlowHookProcess.h"

#include "ProgramPaths.h"
#include "TapwellConstants.h"

CSlowHookProcess::CSlowHookProcess()
    : m_pProcess(m_group.Start(CommandLine(SlowKeyboardHookExePath(), L""))) {
    // The program hooks before it first waits for messages.
    m_bReady = m_pProcess && m_pProcess->WaitForInputIdle(START_TIMEOUT_MS);
}

CSlowHookProcess::~CSlowHookProcess() {
    if (m_pProcess && PostThreadMessageW(m_pProcess->ThreadId(), WM_QUIT, 0, 0)) {
        m_pProcess->WaitForExit(EXIT_TIMEOUT_MS);
    }
    m_group.EndAll();
}
