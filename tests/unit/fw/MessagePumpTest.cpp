// The message pump's rule: a deadline that has come goes before the queue, the queue is served at
// least once between two deadlines, and a late wake-up still hands the deadline out; the window timer
// standing in for loops of the system's own is set just after every deadline, for the time left.
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fw/MessagePump.h"
#include "ports/Win32Constants.h"

namespace {

constexpr WindowHandle MAIN = 0x1000;
constexpr std::uintptr_t RUN_TIMER = 1;
constexpr Microseconds START = 1000000;

// The clock stands still but for the waits; the window timers are only remembered.
class StillClock : public ITimers {
public:
    std::uintptr_t SetTimer(WindowHandle, std::uintptr_t id, std::uint32_t) override { return id; }
    bool KillTimer(WindowHandle, std::uintptr_t) override { return true; }
    Microseconds Now() override { return now; }
    void SetDeadline(WindowHandle, std::uintptr_t, Microseconds due) override {
        standIns.push_back(due - now);
    }
    WallTime WallClock() override { return {}; }

    Microseconds now = START;
    std::vector<Microseconds> standIns; // how long after the moment it was set each stand-in goes off
};

// Messages waiting, or a click forever; a wait with a deadline wakes lateBy after it.
class ScriptedQueue : public IMessageQueue {
public:
    explicit ScriptedQueue(StillClock& clock) : m_clock(clock) {}
    bool PeekMessage(Msg* msg) override {
        if (neverEmpty) {
            waiting.push_back(Msg{MAIN, WM_COMMAND, 1010, 0, 0, {}});
        }
        if (waiting.empty()) {
            return false;
        }
        *msg = waiting.front();
        waiting.pop_front();
        return true;
    }
    bool WaitForMessage(bool hasDue, Microseconds due) override {
        if (neverEmpty || !waiting.empty()) {
            return false;
        }
        if (!hasDue) {
            // Nothing would ever come: end the loop.
            waiting.push_back(Msg{0, WM_QUIT, 0, 0, 0, {}});
            return false;
        }
        m_clock.now = std::max(m_clock.now, due) + lateBy;
        return true;
    }

    std::deque<Msg> waiting;
    bool neverEmpty = false;
    Microseconds lateBy = 0;

private:
    StillClock& m_clock;
};

class MessagePump : public ::testing::Test {
protected:
    // What the loop takes, as "timer" or "click", until it ends or count messages have been taken;
    // every deadline handed out sets the next one nextAfter from its own due time.
    std::vector<std::string> Take(int count, Microseconds nextAfter) {
        std::vector<std::string> taken;
        Msg msg;
        while (static_cast<int>(taken.size()) < count && m_pump.GetMessage(&msg)) {
            if (msg.message == WM_TIMER && msg.hwnd == MAIN && msg.wParam == RUN_TIMER) {
                taken.push_back("timer at +" + std::to_string(m_clock.now - START));
                m_due += nextAfter;
                m_pump.SetDeadline(MAIN, RUN_TIMER, m_due);
            } else {
                taken.push_back(msg.message == WM_COMMAND ? "click" : std::to_string(msg.message));
            }
        }
        return taken;
    }
    void SetDeadline(Microseconds after) {
        m_due = START + after;
        m_pump.SetDeadline(MAIN, RUN_TIMER, m_due);
    }

    StillClock m_clock;
    ScriptedQueue m_queue{m_clock};
    CMessagePump m_pump{m_clock, m_queue};
    Microseconds m_due = 0;
};

} // namespace

TEST_F(MessagePump, AQueueThatIsNeverEmptyGetsItsTurnBetweenDeadlinesAlreadyDue) {
    m_queue.neverEmpty = true;
    SetDeadline(0);

    EXPECT_EQ(Take(6, -1000), (std::vector<std::string>{"timer at +0", "click", "timer at +0", "click",
                                                        "timer at +0", "click"}));
}

TEST_F(MessagePump, ADeadlineThatHasComeGoesBeforeTheQueueAndALateWakeUpStillHandsItOut) {
    m_queue.waiting.push_back(Msg{MAIN, WM_COMMAND, 1010, 0, 0, {}});
    m_queue.lateBy = 300;
    SetDeadline(0);

    EXPECT_EQ(Take(4, 10000),
              (std::vector<std::string>{"timer at +0", "click", "timer at +10300", "timer at +20300"}));
}

TEST_F(MessagePump, WaitingMessagesGoBeforeADeadlineNotYetDueAndAKilledDeadlineNeverComes) {
    m_queue.waiting.push_back(Msg{MAIN, WM_COMMAND, 1010, 0, 0, {}});
    SetDeadline(5000);
    EXPECT_EQ(Take(1, 0), std::vector<std::string>{"click"});

    m_pump.KillTimer(MAIN, RUN_TIMER);

    EXPECT_EQ(Take(5, 0), std::vector<std::string>{}) << "the loop waits for messages only, then ends";
}

TEST_F(MessagePump, TheStandInIsSetJustAfterEveryDeadlineForTheTimeLeft) {
    SetDeadline(10000);
    m_clock.now += 9000;
    // A stand-in that went off a tick early in a loop of the system's own sets the same moment again.
    m_pump.SetDeadline(MAIN, RUN_TIMER, m_due);

    EXPECT_EQ(m_clock.standIns, (std::vector<Microseconds>{10000 + CMessagePump::STAND_IN_LAG,
                                                           1000 + CMessagePump::STAND_IN_LAG}));
}
