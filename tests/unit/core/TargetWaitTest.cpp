#include "InjectorFixture.h"

namespace {

class TargetWait : public InjectorFixture {
protected:
    void SetUp() override { SelectTarget(); }
};

} // namespace

// The fake clock moves only while the press waits, so the time a press took is how long it held Ctrl.
TEST_F(TargetWait, CtrlIsHeldUntilTheTargetHasHandledThePressByTheClockAndNoLonger) {
    constexpr Microseconds NEVER = 1000000000;
    struct Row {
        const char* name;
        Microseconds paintsAt;
        bool hung;
        bool minimised;
        Microseconds heldMin, heldMax;
    };
    const Row rows[] = {
        {"answers at once", 0, false, false, 0, 0},
        {"answers after 1.2 ms, while the wait yields", 1200, false, false, 1200, 1200},
        {"answers after 9 ms, caught within a step", 9000, false, false, 9000, 9000 + CTargetWait::POLL_STEP},
        {"never answers: the limit", NEVER, false, false, CTargetWait::WAIT_LIMIT, CTargetWait::WAIT_LIMIT},
        {"hung: a fixed hold", NEVER, true, false, CTargetWait::UNSEEN_HOLD, CTargetWait::UNSEEN_HOLD},
        {"minimised: a fixed hold", NEVER, false, true, CTargetWait::UNSEEN_HOLD, CTargetWait::UNSEEN_HOLD},
    };
    for (const Row& row : rows) {
        // A second on, so that whether the target hangs is asked again.
        const Microseconds start = input.m_nNow += CTargetWait::HUNG_RECHECK;
        input.m_nPaintsAt = start + row.paintsAt;
        input.m_bTargetHung = row.hung;
        windows.SetIconic(target, row.minimised);
        input.ClearLog();
        injector.PressKey(VK_CONTROL, VK_F5, false);
        EXPECT_GE(input.m_nNow - start, row.heldMin) << row.name;
        EXPECT_LE(input.m_nNow - start, row.heldMax) << row.name;
        // A hung thread is not attached to.
        EXPECT_EQ(input.Log().Count("AttachThreadInput") == 0, row.hung) << row.name;
        EXPECT_EQ(input.m_keyState, KeyboardState{}) << row.name;
        EXPECT_EQ(input.KeysDownIn(target), NOTHING_DOWN) << row.name;
    }
}
