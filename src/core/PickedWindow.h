#pragma once
// A picked window found again by what it is. Windows reuses handles: after a logoff or a restart the
// stored number may name an unrelated window. So the stored handle is kept only while its window is
// still of the stored program and class; otherwise the one top-level window of that program and class
// is taken (its title decides among several), and the picked control inside it by class and
// identifier. A handle stored alone (by an older Tapwell) decides by itself, as it always has.
#include <string>

#include "ports/IProcess.h"
#include "ports/IWindowQueries.h"
#include "ports/WinTypes.h"
#include "settings/AppSettings.h"
#include "settings/TargetIdentity.h"

class CPickedWindow {
public:
    enum class Outcome {
        HandleOnly, // no identity stored: the handle alone decides
        Found,
        None,
        Several,
    };
    struct Match {
        Outcome outcome = Outcome::HandleOnly;
        WindowHandle window = 0;
    };

    CPickedWindow(IWindowQueries& windows, IProcess& process);

    // What identifies window now; no program when it is no window or its process cannot be asked.
    TargetIdentity Identify(WindowHandle window);
    Match Find(WindowHandle hStored, const TargetIdentity& identity);
    // Before a run: the stored window found again by its stored identity, and stored anew when its
    // handle changed. When none or several match, strMessage says which program the run waits for.
    Match Recheck(CAppSettings& settings, std::wstring& strMessage);

private:
    WindowHandle TopLevelOf(WindowHandle window);
    std::wstring ProgramOf(WindowHandle window);
    bool IsOfProgramAndClass(WindowHandle topLevel, const TargetIdentity& identity);
    WindowHandle ControlIn(WindowHandle topLevel, const TargetIdentity& identity);

    IWindowQueries& m_windows;
    IProcess& m_process;
};
