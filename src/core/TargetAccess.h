#pragma once
// Whether a press may go into its target: Windows drops input into a window of a program that runs
// at a higher integrity level (elevated, "as administrator") without a word, so such a press is not
// made at all. The levels are asked only when the target window or its process changes.
#include <cstdint>

#include "core/ISelectedWindowSource.h"
#include "ports/IProcess.h"
#include "ports/IWindowQueries.h"

class CTargetAccess {
public:
    CTargetAccess(IWindowQueries& windows, IProcess& process, ISelectedWindowSource& selectedWindow);

    // activeWindow: the press goes to the foreground window, else to the picked one. True unless
    // that window's program runs higher than this one or its level cannot be read; true also when
    // this program's own level cannot be read, since then nothing can be compared.
    bool MayPress(bool activeWindow);
    // Asks everything again at the next MayPress (a run starts).
    void Forget();

private:
    bool Allows(std::uint32_t processId);

    IWindowQueries& m_windows;
    IProcess& m_process;
    ISelectedWindowSource& m_selectedWindow;

    bool m_bKnown = false;
    WindowHandle m_hLastWindow = 0;
    std::uint32_t m_nLastProcess = 0;
    bool m_bLastAllowed = true;
};
