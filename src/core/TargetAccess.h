#pragma once
// Whether a press may go into its target: Windows drops input into a window of a program that runs
// at a higher integrity level (elevated, "as administrator") without a word, so such a press is not
// made at all. The levels are asked only when the target window or its process changes.
#include <cstdint>
#include <string>

#include "core/PressSession.h"
#include "ports/IProcess.h"
#include "ports/IWindowQueries.h"

class CTargetAccess : public IPressCheck {
public:
    // press: the settings the session's presses read, which say where a press goes.
    CTargetAccess(IWindowQueries& windows, IProcess& process, const CPressSettings::Values& press);

    // Asks everything again at the next press.
    bool MayStart(std::wstring& reason) override;
    // True unless the press's window (the foreground one or the picked one) belongs to a program that
    // runs higher than this one or whose level cannot be read; true also when this program's own
    // level cannot be read, since then nothing can be compared.
    bool MayPress() override;
    std::wstring SkipReason() override;
    void Forget() { m_bKnown = false; }

private:
    bool Allows(std::uint32_t processId);

    IWindowQueries& m_windows;
    IProcess& m_process;
    const CPressSettings::Values& m_press;

    bool m_bKnown = false;
    WindowHandle m_hLastWindow = 0;
    std::uint32_t m_nLastProcess = 0;
    bool m_bLastAllowed = true;
};
