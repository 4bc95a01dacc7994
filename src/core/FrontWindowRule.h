#pragma once
// "Only while its window is in front": a run into the focused window takes the window in front at
// its first press as its own, and while another one is in front it presses nothing. The run is held,
// not its presses skipped: the press due goes out when the window is back, and the run's catch-up rule
// moves the grid on from there rather than making up for the time away in a burst.
#include "ports/ITimers.h"
#include "ports/WinTypes.h"

class CFrontWindowRule {
public:
    // How often a paused run looks whether its window is back.
    static constexpr Microseconds POLL_INTERVAL = 50000;

    // bEnabled: the option is on and keys go to the focused window.
    void Start(bool bEnabled) {
        m_bEnabled = bEnabled;
        m_hWindow = 0;
    }
    // Whether the run looks at the window in front at all: asking for it costs a round trip a press.
    bool Watches() const { return m_bEnabled; }
    // Whether a press may go out with front in front; the first window seen becomes the run's.
    bool MayPress(WindowHandle front) {
        if (!m_bEnabled) {
            return true;
        }
        if (m_hWindow == 0) {
            m_hWindow = front;
        }
        return front != 0 && front == m_hWindow;
    }

private:
    bool m_bEnabled = false;
    WindowHandle m_hWindow = 0;
};
