#pragma once
// A run of presses on a monotonic clock, as decisions only: what is due now (a press, the key-up of
// the press under way, the end of the run) and when to look again. The owner carries each answer out
// (it makes the press, sends the key-up, stops) and tells the run what happened.
//
// Key-downs fall on a grid: each is due one period after the one before it was due, so lateness never
// adds up. A key-up kept back by the press goes out the pause after its key-down went out, and the
// next key-down never goes before it: with a pause as long as the period presses run back to back. A press
// that keeps no key-up back (a modifier, a held key, a message without a key-up) holds nothing up.
//
// The catch-up rule: a key-down late by a stall of a few periods leaves its place on the grid to the
// presses after it, which catch up one at a time (each waits until the queue has been served); only
// a key-down more than CATCH_UP_PERIODS periods and more than CATCH_UP_LIMIT late (the machine
// slept, the process was stopped) moves the grid on, so that it is the one catch-up press.
#include <cstdint>

#include "ports/ITimers.h"

class CPressRun {
public:
    // The shortest period honoured: a delay of 0 counts as one millisecond.
    static constexpr Microseconds MIN_PERIOD = 1000;
    // How late a key-down may be and still keep its place on the grid. Wake-ups on a busy machine
    // stall tens of milliseconds (copies sharing two cores: up to 23 ms), which must not move the
    // grid, or every such stall would add to the run's length; a sleeping machine or a stopped
    // process is gone for seconds, and a burst making up for that is not what anyone asked for.
    static constexpr Microseconds CATCH_UP_LIMIT = 250000;
    static constexpr int CATCH_UP_PERIODS = 4;
    // Back to back (the pause fills the period) each key-down waits for the key-up before it, and the
    // grid goes with them: one more than a period and this late, it moves on.
    static constexpr Microseconds BACK_TO_BACK_CATCH_UP_LIMIT = 10000;
    // Where the pause fills the period, a key-down at most this share of the pause late keeps its
    // key-up on the grid, its due time plus the pause: otherwise the wake-up's own latency would put
    // off every press after it, and the run would drift. Any later, and the key-up is timed from when
    // the key-down went out, less this share. A shorter pause is always timed from there.
    static constexpr int BACK_TO_BACK_PAUSE_ABSORBED_DIVISOR = 4;

    enum class Action {
        Wait,        // nothing is due: look again at the deadline
        Press,       // the next press is due: count it (BeginPress), make it, then KeyDown
        FinishPress, // the key-up kept back is due: send it, then KeyUpSent
        Stop,        // the last press is done: the run is over
    };
    struct Answer {
        Action action;
        Microseconds deadline; // Wait: when something is next due
    };
    // What a press about to be made needs to know.
    struct PressPlan {
        std::uint32_t count; // this press's number in the run, from 1
        bool last;           // the run ends with it
        bool drawPeriod;     // the period after it is drawn anew (SetPeriod before KeyDown)
    };

    static Microseconds PeriodOf(int milliseconds);

    // A run starting at now: its first press is due one period later.
    void Start(Microseconds now, Microseconds period, Microseconds pause);
    // Whatever the run kept back is the owner's to let go.
    void Stop() {
        m_bRunning = false;
        m_bKeyUpPending = false;
    }

    // What is due at now.
    Answer Next(Microseconds now) const;

    // keysToPress: the run's length as it now stands (0: until stopped); randomDelay: whether the
    // period after this press is drawn anew.
    PressPlan BeginPress(std::uint32_t keysToPress, bool randomDelay);
    void SetPeriod(Microseconds period);
    // The key-down went out at now; keyUpKeptBack: the press keeps its key-up for FinishPress.
    // Answers Wait or Stop, never another press: even when the next one is due already, whatever
    // else is waiting gets its turn between two presses.
    Answer KeyDown(Microseconds now, bool keyUpKeptBack);
    void KeyUpSent();

private:
    bool m_bRunning = false;
    std::uint32_t m_nCount = 0;
    bool m_bLastPressMade = false;
    bool m_bKeyUpPending = false;
    Microseconds m_nPause = 0;
    Microseconds m_nPeriod = MIN_PERIOD;
    Microseconds m_nNextKeyDown = 0;
    Microseconds m_nKeyUpDue = 0;
};
