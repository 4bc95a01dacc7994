#include "core/PickedWindow.h"

#include <vector>

#include "core/FilePath.h"

namespace {

// GetClassNameW buffer size: class names are at most 256 characters.
constexpr int MAX_CLASS_NAME = 256;

} // namespace

CPickedWindow::CPickedWindow(IWindowQueries& windows, IProcess& process)
    : m_windows(windows), m_process(process) {}

TargetIdentity CPickedWindow::Identify(WindowHandle window) {
    TargetIdentity identity;
    if (!m_windows.IsWindow(window)) {
        return identity;
    }
    const WindowHandle topLevel = TopLevelOf(window);
    identity.strProgram = ProgramOf(topLevel);
    identity.strClass = m_windows.GetClassName(topLevel, MAX_CLASS_NAME);
    identity.strTitle = m_windows.GetWindowText(topLevel);
    if (window != topLevel) {
        identity.strControlClass = m_windows.GetClassName(window, MAX_CLASS_NAME);
        identity.nControlId = m_windows.GetDlgCtrlID(window);
    }
    return identity;
}

CPickedWindow::Match CPickedWindow::Find(WindowHandle hStored, const TargetIdentity& identity) {
    if (identity.strProgram.empty()) {
        return Match{Outcome::HandleOnly, hStored};
    }
    if (m_windows.IsWindow(hStored) && IsOfProgramAndClass(TopLevelOf(hStored), identity)) {
        return Match{Outcome::Found, hStored};
    }
    std::vector<WindowHandle> candidates;
    std::vector<WindowHandle> titled;
    m_process.EnumWindows([&](WindowHandle window) {
        if (IsOfProgramAndClass(window, identity)) {
            candidates.push_back(window);
            if (m_windows.GetWindowText(window) == identity.strTitle) {
                titled.push_back(window);
            }
        }
        return true;
    });
    const std::vector<WindowHandle>& chosen = candidates.size() > 1 ? titled : candidates;
    if (chosen.size() != 1) {
        return Match{candidates.empty() ? Outcome::None : Outcome::Several, 0};
    }
    const WindowHandle window = ControlIn(chosen.front(), identity);
    return Match{window != 0 ? Outcome::Found : Outcome::None, window};
}

CPickedWindow::Match CPickedWindow::Recheck(CAppSettings& settings, std::wstring& strMessage) {
    const TargetIdentity identity = settings.GetTargetIdentity();
    const WindowHandle hStored = settings.GetSeekedWindow();
    const Match match = Find(hStored, identity);
    if (match.outcome == Outcome::Found && match.window != hStored) {
        settings.SetSeekedWindow(match.window);
    }
    const std::wstring strProgram = FileNameOf(identity.strProgram);
    if (match.outcome == Outcome::None) {
        strMessage = L"The picked window of " + strProgram + L" is not open. Start " + strProgram +
                     L", or pick a window again with \"Target...\".";
    } else if (match.outcome == Outcome::Several) {
        strMessage = L"Several windows of " + strProgram +
                     L" look like the picked window. Pick the one to press keys into with \"Target...\".";
    }
    return match;
}

WindowHandle CPickedWindow::TopLevelOf(WindowHandle window) {
    // GetParent also answers an owned window's owner, which is another top-level window.
    for (WindowHandle parent = m_windows.GetParent(window); parent != 0 && m_windows.IsChild(parent, window);
         parent = m_windows.GetParent(window)) {
        window = parent;
    }
    return window;
}

std::wstring CPickedWindow::ProgramOf(WindowHandle window) {
    std::uint32_t nProcessId = 0;
    m_windows.GetWindowThreadProcessId(window, &nProcessId);
    return nProcessId != 0 ? m_process.GetProcessImageName(nProcessId) : std::wstring();
}

bool CPickedWindow::IsOfProgramAndClass(WindowHandle topLevel, const TargetIdentity& identity) {
    return m_windows.GetClassName(topLevel, MAX_CLASS_NAME) == identity.strClass &&
           SamePath(ProgramOf(topLevel), identity.strProgram);
}

WindowHandle CPickedWindow::ControlIn(WindowHandle topLevel, const TargetIdentity& identity) {
    if (identity.strControlClass.empty()) {
        return topLevel;
    }
    WindowHandle control = 0;
    m_windows.EnumChildWindows(topLevel, [&](WindowHandle child) {
        if (m_windows.GetDlgCtrlID(child) == identity.nControlId &&
            m_windows.GetClassName(child, MAX_CLASS_NAME) == identity.strControlClass) {
            control = child;
        }
        return control == 0;
    });
    return control;
}
