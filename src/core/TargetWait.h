#pragma once
// How long a press into a picked window keeps its modifier in the shared key state: until the target
// has handled what was posted to it, on the performance counter, never longer than a bound. A target
// that cannot show when it is done (hung, minimised, hidden) is held a fixed time instead.
#include <cstdint>

#include "ports/IKeyboardInput.h"
#include "ports/IWindowQueries.h"

class CTargetWait {
public:
    // The longest wait for a target that shows it is handling its posts.
    static constexpr Microseconds WAIT_LIMIT = 50000;
    // The hold given to a target that cannot show it: about what a keyboard's quick press lasts.
    static constexpr Microseconds UNSEEN_HOLD = 20000;
    // First the processor is only yielded, where a target that answers soon is caught soonest; then
    // the wait sleeps POLL_STEP between looks. Under Wine a target that paints only itself answers
    // within about a millisecond (Ctrl into a picked window every 2 ms: drift +0.26 to +0.32 ms a
    // press at 0.2 ms of yielding, +0.00 to +0.04 at 1 ms).
    static constexpr Microseconds YIELDING_SPAN = 1000;
    static constexpr Microseconds POLL_STEP = 500;
    // While it yields, the wait looks at most this often: the target needs the system it would ask.
    static constexpr Microseconds LOOK_STEP = 100;
    // How long what the system said of the target (whether its thread hangs, which thread it is,
    // whether it can paint) is taken as it stands, while it stays the target: each question is a
    // round trip, and where the system sends a message to find out whether it hangs it would slow
    // fast presses. A target minimised meanwhile is held up to WAIT_LIMIT until then.
    static constexpr Microseconds TARGET_RECHECK = 1000000;

    CTargetWait(IKeyboardInput& input, IWindowQueries& windows);

    // Whether the window's thread answers (is not hung).
    bool Answers(WindowHandle window) { return Facts(window).answers; }
    std::uint32_t ThreadOf(WindowHandle window) { return Facts(window).thread; }
    // answering: the target's thread was not hung when input was attached to it.
    void WaitForPostsHandled(WindowHandle window, bool answering);

private:
    struct TargetFacts {
        bool answers = true;
        std::uint32_t thread = 0;
        bool paints = true; // visible, and neither it nor a parent minimised
    };

    const TargetFacts& Facts(WindowHandle window);
    bool IsMinimised(WindowHandle window);
    void HoldUntil(Microseconds due);

    IKeyboardInput& m_input;
    IWindowQueries& m_windows;
    WindowHandle m_hAsked = 0;
    Microseconds m_nAskedAt = 0;
    TargetFacts m_facts;
};
