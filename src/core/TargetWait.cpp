#include "core/TargetWait.h"

#include <algorithm>

namespace {

// A window nested deeper than this is not looked at further for a minimised ancestor.
constexpr int ANCESTOR_LIMIT = 16;

} // namespace

CTargetWait::CTargetWait(IKeyboardInput& input, IWindowQueries& windows)
    : m_input(input), m_windows(windows) {}

void CTargetWait::WaitForPostsHandled(WindowHandle window, bool answering) {
    // A thread gets WM_PAINT only when no sent, posted or input message is waiting, so the update
    // region made here empties only after the posts before it, and what their handling posted, are
    // handled. A sent message would not do: it is handled before any posted one.
    const Microseconds start = m_input.Now();
    if (!answering || !Facts(window).paints || !m_input.InvalidateOwnRect(window, Rect{0, 0, 1, 1})) {
        HoldUntil(start + UNSEEN_HOLD);
        return;
    }
    const Microseconds due = start + WAIT_LIMIT;
    Microseconds lookedAt = start;
    for (Microseconds now = start; now < due; now = m_input.Now()) {
        const bool yielding = now - start < YIELDING_SPAN;
        if (!yielding || now - lookedAt >= LOOK_STEP) {
            lookedAt = now;
            if (!m_input.GetUpdateRect(window, false)) {
                return;
            }
        }
        m_input.WaitUntil(yielding ? now : std::min(due, now + POLL_STEP));
    }
}

const CTargetWait::TargetFacts& CTargetWait::Facts(WindowHandle window) {
    const Microseconds now = m_input.Now();
    if (window != m_hAsked || now - m_nAskedAt >= TARGET_RECHECK) {
        m_hAsked = window;
        m_nAskedAt = now;
        m_facts.answers = !m_input.IsHungAppWindow(window);
        m_facts.thread = m_windows.GetWindowThreadProcessId(window, nullptr);
        m_facts.paints = m_windows.IsWindowVisible(window) && !IsMinimised(window);
    }
    return m_facts;
}

bool CTargetWait::IsMinimised(WindowHandle window) {
    // A minimised window's children are not painted either.
    for (int depth = 0; window != 0 && depth < ANCESTOR_LIMIT;
         ++depth, window = m_windows.GetParent(window)) {
        if (m_windows.IsIconic(window)) {
            return true;
        }
    }
    return false;
}

void CTargetWait::HoldUntil(Microseconds due) {
    for (Microseconds now = m_input.Now(); now < due; now = m_input.Now()) {
        m_input.WaitUntil(due);
    }
}
