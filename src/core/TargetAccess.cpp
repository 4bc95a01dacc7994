#include "core/TargetAccess.h"

CTargetAccess::CTargetAccess(IWindowQueries& windows, IProcess& process, const CPressSettings::Values& press)
    : m_windows(windows), m_process(process), m_press(press) {}

bool CTargetAccess::MayStart(std::wstring&) {
    Forget();
    return true;
}

bool CTargetAccess::MayPress() {
    const WindowHandle window =
        m_press.options.bSendToActiveWindow ? m_windows.GetForegroundWindow() : m_press.hSeekedWindow;
    std::uint32_t processId = 0;
    if (window == 0 || m_windows.GetWindowThreadProcessId(window, &processId) == 0) {
        // No window: the press goes nowhere anyway, and says so its own way.
        return true;
    }
    if (!m_bKnown || window != m_hLastWindow || processId != m_nLastProcess) {
        m_bKnown = true;
        m_hLastWindow = window;
        m_nLastProcess = processId;
        m_bLastAllowed = Allows(processId);
    }
    return m_bLastAllowed;
}

std::wstring CTargetAccess::SkipReason() {
    return L"Paused: the Target Window Runs with Higher Rights than Tapwell";
}

bool CTargetAccess::Allows(std::uint32_t processId) {
    const std::uint32_t ownProcess = m_process.GetCurrentProcessId();
    std::uint32_t ownLevel = 0;
    if (processId == ownProcess || !m_process.GetIntegrityLevel(ownProcess, &ownLevel)) {
        return true;
    }
    std::uint32_t level = 0;
    return m_process.GetIntegrityLevel(processId, &level) && level <= ownLevel;
}
