// What Windows enforces on a run: no presses into a program of higher rights, and no throttling of
// Tapwell's timers while the run goes on.
#include <gtest/gtest.h>

#include "MainDialogFixture.h"

class RunOnWindows : public MainDialogFixture {
protected:
    void SetUp() override {
        StoreDelay(0, 0, 100);
        StoreInt(L"KeyIndexTobeAutomated", KEY_ENTER);
        Start();
    }
};

TEST_F(RunOnWindows, PressesIntoAnElevatedForegroundWindowAreNotMadeNorCountedAndTheStatusSaysWhy) {
    const WindowHandle elevated = m_windows.AddTopLevelWindow(L"Admin", L"Class", {}, 3001, 3002);
    m_process.m_integrityLevels = {{3001, 0x3000}};
    m_windows.SetForegroundWindow(elevated);
    ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));
    m_input.ClearLog();

    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(Tick());
    }
    EXPECT_EQ(m_input.Log().Count("SendInput"), 0u);
    EXPECT_EQ(Status(), L"Keyed 0 Times. Paused: the Target Window Runs with Higher Rights than Tapwell");

    m_windows.SetForegroundWindow(Main());
    ASSERT_TRUE(Tick());
    EXPECT_EQ(Status(), L"Keyed 1 Times");
}

TEST_F(RunOnWindows, TimerThrottlingIsTurnedOffWhileARunGoesOn) {
    for (const char* system : {"default", "none"}) {
        m_process.m_strPowerThrottling = system;
        ASSERT_TRUE(m_user.Click(IDC_START_KEYPRESSING));
        const std::string expected = system == std::string("none") ? "none" : "opted out";
        EXPECT_EQ(m_process.m_strPowerThrottling, expected) << system;
        ASSERT_TRUE(m_user.Click(IDC_STOP_KEYPRESSING));
        EXPECT_EQ(m_process.m_strPowerThrottling, system) << system;
    }
}
