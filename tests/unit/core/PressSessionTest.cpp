// The press session driven as the main window drives it: its timer goes off at each deadline, the
// clock moving on to it. The settings stand in an in-memory registry, the keys go to the recording
// input fake, and a listener notes what the session tells.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/PressSession.h"
#include "core/TargetAccess.h"
#include "fakes/FakeKeyboardInput.h"
#include "fakes/FakeProcess.h"
#include "fakes/FakeRandomSource.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeWindowQueries.h"
#include "ports/Win32Constants.h"
#include "unit/TableRows.h"
#include "unit/settings/SettingsCases.h"

namespace {

const std::wstring SECTION = L"software\\Tov rin\\Tapwell by Tovrin\\Settings 0";
const std::wstring SHARED = L"software\\Tov rin\\Tapwell by Tovrin\\Settings";
constexpr std::uintptr_t FIXED = CPressSession::IDT_PRESS_FIXED;
constexpr std::uintptr_t RANDOM = CPressSession::IDT_PRESS_RANDOM;
constexpr WindowHandle MAIN = 0x1000;

const std::vector<std::string> ENTER_STROKE = {
    "SendInput 1 {vk=0x0D scan=0x1C flags=0x0}",
    "SendInput 1 {vk=0x0D scan=0x1C flags=0x2}",
};

// One deadline per timer; KillTimer forgets it. Nothing else of the port is used.
class DeadlineTimers : public ITimers {
public:
    std::uintptr_t SetTimer(WindowHandle, std::uintptr_t id, std::uint32_t) override { return id; }
    bool KillTimer(WindowHandle window, std::uintptr_t id) override {
        log.push_back("kill " + std::to_string(id));
        return window == MAIN && due.erase(id) != 0;
    }
    Microseconds Now() override { return now; }
    WallTime WallClock() override { return {}; }
    void SetDeadline(WindowHandle window, std::uintptr_t id, Microseconds at) override {
        log.push_back("set " + std::to_string(id) + " " + std::to_string((at - now) / 1000));
        if (window == MAIN) {
            due[id] = at;
        }
    }
    // Milliseconds from now until the timer's deadline; -1 when it is not armed.
    int Period(std::uintptr_t id) const {
        return due.count(id) != 0 ? static_cast<int>((due.at(id) - now) / 1000) : -1;
    }

    std::map<std::uintptr_t, Microseconds> due;
    Microseconds now = 1000000;
    std::vector<std::string> log;
};

class Recorder : public IPressSessionListener {
public:
    void OnRunStarted() override { events.push_back("started"); }
    void OnKeyedCount(std::uint32_t count) override { events.push_back("count " + std::to_string(count)); }
    void OnRunStopped(RunEnd why) override {
        events.push_back(why == RunEnd::CountReached ? "stopped: count" : "stopped");
    }
    void OnStartRefused(const std::wstring&) override { events.push_back("refused"); }
    void OnPressSkipped(std::uint32_t count, const std::wstring& why) override {
        events.push_back("skipped " + std::to_string(count));
        reason = why;
    }
    std::vector<std::string> events;
    std::wstring reason;
};

} // namespace

// Public, so that the rows of a table can act on it.
class PressSessionTest : public ::testing::Test {
public:
    PressSessionTest() {
        SetUpAsAtStartUp(m_profile);
        m_session.SetTimerWindow(MAIN);
        m_session.AddListener(m_recorder);
        Store(SHARED, L"TimeDelayBetweenKeyDownAndKeyUp", 10);
    }

    void Store(const std::wstring& path, const std::wstring& name, int value) {
        m_registry.PutDword(path, name, static_cast<std::uint32_t>(value));
    }
    void Store(const std::wstring& name, int value) { Store(SECTION, name, value); }
    void StorePause(int ms) { Store(SHARED, L"TimeDelayBetweenKeyDownAndKeyUp", ms); }
    void StoreRandomRange(int seconds, int milliseconds) {
        Store(L"EnableRandomDelay", 1);
        Store(L"RandomClicksDelaySeconds", seconds);
        Store(L"RandomClicksDelayMilliSeconds", milliseconds);
    }

    // Keys go to a window of another program from now on.
    void SelectTarget() {
        m_hTarget = m_windows.AddTopLevelWindow(L"Untitled - Notepad", L"Notepad");
        Store(L"Software\\Tovrin\\Tapwell\\SeekedWindows", L"Settings 0", static_cast<int>(m_hTarget));
        Store(L"SendKeysToActiveWindow", 0);
    }
    std::string Posted(const char* message, const char* vk, const char* lParam) const {
        return "PostMessage " + Hex(m_hTarget) + " " + message + " " + vk + " " + lParam;
    }

    // Lets whichever run timer is armed go off once, as the message loop would; false when none is.
    bool Tick() {
        for (std::uintptr_t id : {FIXED, RANDOM}) {
            if (m_timers.due.count(id) != 0) {
                m_timers.now = std::max(m_timers.now, m_timers.due.at(id));
                EXPECT_TRUE(m_session.OnTimer(id));
                return true;
            }
        }
        return false;
    }
    // One whole press: its key-down when due, then its key-up; the milliseconds the key was down.
    Microseconds PressAndPause() {
        EXPECT_TRUE(Tick());
        const Microseconds down = m_timers.now;
        EXPECT_TRUE(Tick());
        return (m_timers.now - down) / 1000;
    }
    void Start() {
        ASSERT_TRUE(m_session.Start(m_form));
        m_input.ClearLog();
        m_timers.log.clear();
        m_recorder.events.clear();
    }

    FakeRegistry m_registry;
    CProfile m_profile{m_registry};
    CAppSettings m_settings{m_profile};
    FirstInstanceSection m_section{m_settings};
    FakeWindowTree m_windows;
    FakeWindowQueries m_queries{m_windows};
    CFakeKeyboardInput m_input;
    FakeProcess m_process;
    FakeRandomSource m_random;
    DeadlineTimers m_timers;
    Recorder m_recorder;
    CPressSession m_session{m_timers, m_random, m_input, m_queries, m_registry, m_process, m_settings};
    WindowHandle m_hTarget = 0;
    // Enter every 100 ms until stopped.
    PressForm m_form{VK_RETURN, L"Enter", 0, false, 0, 0, 0, 100};
};

// --- Starting and the period ---

TEST_F(PressSessionTest, StartKillsBothTimersArmsTheFixedOneWithTheDelayAndPressesNothingYet) {
    m_form.nDelayMinutes = 1;
    m_form.nDelaySeconds = 30;
    m_form.nDelayMilliseconds = 500;

    ASSERT_TRUE(m_session.Start(m_form));

    EXPECT_EQ(m_timers.log, (std::vector<std::string>{"kill 1", "kill 2", "set 1 90500"}));
    EXPECT_TRUE(m_input.Log().Empty()) << "the first press comes one delay later";
    EXPECT_EQ(m_recorder.events, std::vector<std::string>{"started"}) << "the last count stays until a press";
    EXPECT_TRUE(m_session.IsRunning());
    EXPECT_FALSE(m_session.Start(m_form)) << "one run at a time";
}

namespace {

// The period the run's first timer is armed with, from the delay and the random range stored.
struct PeriodRow : NamedRow {
    int delayMilliseconds;
    bool random;
    int randomMinutes;
    int randomSeconds;
    std::uint32_t seed;
    int least;
    int most;
};
using PressSessionPeriod = TableTest<PressSessionTest, PeriodRow>;

} // namespace

TEST_P(PressSessionPeriod, IsArmedOnTheTimerOfTheDelaysKind) {
    const PeriodRow& row = GetParam();
    m_form.nDelayMilliseconds = row.delayMilliseconds;
    if (row.random) {
        StoreRandomRange(row.randomSeconds, 0);
        Store(L"RandomClicksDelayMins", row.randomMinutes);
    }
    m_random.QueueSeed(row.seed);

    Start();

    EXPECT_EQ(m_timers.Period(row.random ? FIXED : RANDOM), -1);
    EXPECT_GE(m_timers.Period(row.random ? RANDOM : FIXED), row.least);
    EXPECT_LE(m_timers.Period(row.random ? RANDOM : FIXED), row.most);
}

INSTANTIATE_TEST_SUITE_P(
    Delays, PressSessionPeriod,
    ::testing::Values(PeriodRow{"a zero delay as one millisecond", 0, false, 0, 0, 0, 1, 1},
                      PeriodRow{"an overlong random range clamped", 1000, true, 40000, 0, 0xFFFFFFFF, 1000,
                                0x7FFFFFFF},
                      PeriodRow{"a negative random range adding nothing", 1000, true, 0, -30, 0, 1000, 1000}),
    RowName());

TEST_F(PressSessionTest, ARandomDelayIsDrawnWithinTheRangeAtStartAndAtEveryPress) {
    m_form.nDelayMilliseconds = 2000;
    StoreRandomRange(1, 0);
    for (std::uint32_t seed : {11u, 22u, 33u}) {
        m_random.QueueSeed(seed);
    }
    StorePause(0);
    Start();
    EXPECT_GE(m_timers.Period(RANDOM), 2000);
    EXPECT_LE(m_timers.Period(RANDOM), 3000);

    ASSERT_TRUE(Tick());

    EXPECT_EQ(m_timers.log.size(), 1u);
    EXPECT_GE(m_timers.Period(RANDOM), 2000);
    EXPECT_LE(m_timers.Period(RANDOM), 3000);
    EXPECT_EQ(m_random.SeedsTaken(), 2) << "one draw at start, one at the press";
}

// --- Pressing ---

TEST_F(PressSessionTest, AFastRunTellsTheCountAtMostTwiceASecondAndTheLastAtTheStop) {
    StorePause(0);
    Start();

    for (int i = 0; i < 7; ++i) {
        ASSERT_TRUE(Tick());
    }
    m_session.Stop();

    EXPECT_EQ(m_recorder.events, (std::vector<std::string>{"count 1", "count 6", "count 7", "stopped"}));
}

TEST_F(PressSessionTest, ATimerBeforeItsDeadlinePressesNothing) {
    Start();

    EXPECT_TRUE(m_session.OnTimer(FIXED));
    EXPECT_FALSE(m_session.OnTimer(7)) << "not the run's";

    EXPECT_TRUE(m_input.Log().Empty());
    EXPECT_EQ(m_timers.Period(FIXED), 100);
}

TEST_F(PressSessionTest, AHeldRunEndedByTheCountReleasesItsKeysAfterTheLastPress) {
    m_form = PressForm{VK_TAB, L"Tab", VK_SHIFT, true, 2, 0, 0, 100};
    Start();

    ASSERT_TRUE(Tick());
    ASSERT_TRUE(Tick());

    EXPECT_TRUE(SequenceMatches(m_input.Log(), {
                                                   "SendInput 1 {vk=0x10 scan=0x2A flags=0x0}",
                                                   "SendInput 1 {vk=0x09 scan=0x0F flags=0x0}",
                                                   "SendInput 1 {vk=0x10 scan=0x2A flags=0x0}",
                                                   "SendInput 1 {vk=0x09 scan=0x0F flags=0x0}",
                                                   "SendInput 1 {vk=0x10 scan=0x2A flags=0x2}",
                                                   "SendInput 1 {vk=0x09 scan=0x0F flags=0x2}",
                                               }));
    EXPECT_TRUE(m_input.KeysDown().empty());
    EXPECT_EQ(m_recorder.events, (std::vector<std::string>{"count 1", "count 2", "stopped: count"}));
    EXPECT_FALSE(m_session.IsRunning());
    EXPECT_TRUE(m_timers.due.empty());
}

TEST_F(PressSessionTest, ALetterEntryIsTypedByTheChosenMethod) {
    const struct {
        int useOldMethod;
        std::vector<std::string> expected;
    } cases[] = {
        {0, {"SendInput 1 {vk=0x00 scan=0x61 flags=0x4}", "SendInput 1 {vk=0x00 scan=0x61 flags=0x6}"}},
        {1, {"keybd_event 0x41 0x1E 0x0 0", "keybd_event 0x41 0x1E 0x2 0"}},
    };
    m_form.nKeyVk = 'A';
    m_form.strKeyText = L"a";
    for (const auto& item : cases) {
        Store(SHARED, L"UseOldKeyInputMethod", item.useOldMethod);
        Start();

        EXPECT_EQ(PressAndPause(), 10) << item.useOldMethod;

        EXPECT_TRUE(SequenceMatches(m_input.Log(), item.expected)) << item.useOldMethod;
        m_session.Stop();
    }
}

TEST_F(PressSessionTest, PressesThatKeepNoKeyUpBackComeOneDelayApartWhateverThePause) {
    StorePause(500);
    m_form.nKeyVk = VK_TAB;
    m_form.nModifierVk = VK_CONTROL;
    m_form.bHoldKey = true;
    Start();

    ASSERT_TRUE(Tick());
    ASSERT_TRUE(Tick());

    EXPECT_EQ(m_timers.Period(FIXED), 100);
    EXPECT_EQ(m_input.KeysDown(), (std::vector<std::uint32_t>{VK_TAB, VK_CONTROL}));
}

TEST_F(PressSessionTest, StoppingDuringThePauseSendsTheKeyUpAtOnce) {
    StorePause(5000);
    Start();
    ASSERT_TRUE(Tick());
    ASSERT_EQ(m_input.KeysDown(), std::vector<std::uint32_t>{VK_RETURN});

    m_session.Stop();

    EXPECT_TRUE(SequenceMatches(m_input.Log(), ENTER_STROKE));
    EXPECT_TRUE(m_timers.due.empty());
    EXPECT_FALSE(m_session.IsRunning());
}

TEST_F(PressSessionTest, AHeldKeyGoesUpAtTheStopAndTheCountStays) {
    m_form = PressForm{VK_TAB, L"Tab", VK_CONTROL, true, 0, 0, 0, 100};
    Start();
    ASSERT_TRUE(Tick());

    m_session.Stop();

    EXPECT_TRUE(m_input.KeysDown().empty());
    EXPECT_TRUE(m_timers.due.empty());
    EXPECT_EQ(m_recorder.events, (std::vector<std::string>{"count 1", "stopped"}));
}

// --- What counts when: the rule of PressSession.h, one row per value ---

namespace {

struct ChangeRow : NamedRow {
    bool random;
    std::function<void(PressSessionTest&)> change; // made after the start
    std::function<void(PressSessionTest&)> expect; // after one whole press
};
using PressSessionChange = TableTest<PressSessionTest, ChangeRow>;

void LowerDelay(PressSessionTest& t) {
    t.m_form.nDelayMilliseconds = 50;
    t.m_session.Update(t.m_form);
}

const ChangeRow CHANGE_ROWS[] = {
    {"the pause at the next start", false, [](PressSessionTest& t) { t.StorePause(50); },
     [](PressSessionTest& t) { EXPECT_EQ(t.m_timers.now - 1000000, 110 * 1000) << "down 10 ms, not 50"; }},
    {"a fixed delay at the next start", false, LowerDelay,
     [](PressSessionTest& t) { EXPECT_EQ(t.m_timers.Period(FIXED), 90); }},
    {"a random delay at the next press", true, LowerDelay,
     [](PressSessionTest& t) { EXPECT_EQ(t.m_timers.Period(RANDOM), 40); }},
    {"the count at the next press", false,
     [](PressSessionTest& t) {
         t.m_form.nKeysToPress = 1;
         t.m_session.Update(t.m_form);
     },
     [](PressSessionTest& t) { EXPECT_FALSE(t.m_session.IsRunning()); }},
    {"the key and Hold Key at the next press", false,
     [](PressSessionTest& t) {
         t.m_form = PressForm{VK_TAB, L"Tab", VK_CONTROL, true, 0, 0, 0, 100};
         t.m_session.Update(t.m_form);
     },
     [](PressSessionTest& t) {
         EXPECT_EQ(t.m_input.KeysDown(), (std::vector<std::uint32_t>{VK_TAB, VK_CONTROL}));
     }},
    {"the target at the next press", false, [](PressSessionTest& t) { t.SelectTarget(); },
     [](PressSessionTest& t) {
         EXPECT_FALSE(t.m_input.Log().Select({"PostMessage"}).empty());
         EXPECT_TRUE(t.m_input.Log().Select({"SendInput"}).empty());
     }},
};

} // namespace

TEST_P(PressSessionChange, TakesEffectWhenTheRuleSays) {
    const ChangeRow& row = GetParam();
    if (row.random) {
        StoreRandomRange(0, 0);
    }
    Start();

    row.change(*this);
    PressAndPause();

    row.expect(*this);
}

INSTANTIATE_TEST_SUITE_P(Rule, PressSessionChange, ::testing::ValuesIn(CHANGE_ROWS), RowName());

// --- A selected window ---

TEST_F(PressSessionTest, TheDeliveryOptionsAreReadAtEveryPress) {
    SelectTarget();
    Store(L"SendKeyUps", 1);
    Start();

    PressAndPause();
    EXPECT_EQ(m_input.Log().Select({"PostMessage"}),
              (std::vector<std::string>{Posted("WM_KEYDOWN", "0x0D", "0x001C0001"),
                                        Posted("WM_KEYUP", "0x0D", "0x401C0001")}));

    Store(L"SendKeyUps", 0);
    Store(L"SendChars", 1);
    m_input.ClearLog();
    ASSERT_TRUE(Tick());
    EXPECT_EQ(m_input.Log().Select({"PostMessage"}),
              (std::vector<std::string>{Posted("WM_CHAR", "0x0D", "0x00000000")}));

    Store(L"SendKeysToActiveWindow", 1);
    m_input.ClearLog();
    PressAndPause();
    EXPECT_TRUE(SequenceMatches(m_input.Log(), ENTER_STROKE));
}

TEST_F(PressSessionTest, APressThatFindsNoWindowStillCounts) {
    SelectTarget();
    Start();
    m_windows.DestroyWindow(m_hTarget);

    ASSERT_TRUE(Tick());

    EXPECT_TRUE(m_input.Log().Select({"PostMessage"}).empty());
    EXPECT_EQ(m_recorder.events, std::vector<std::string>{"count 1"});
}

TEST_F(PressSessionTest, AHeldRunEndedByTheCountReleasesTheKeyInTheTargetWindow) {
    SelectTarget();
    m_form.bHoldKey = true;
    m_form.nKeysToPress = 1;
    Start();

    ASSERT_TRUE(Tick());

    EXPECT_EQ(m_input.Log().Count(Posted("WM_KEYDOWN", "0x0D", "0x001C0001")), 1u);
    EXPECT_TRUE(m_input.KeysDownIn(m_hTarget).empty());
    EXPECT_FALSE(m_session.IsRunning());
}

// --- Checks others add ---

TEST_F(PressSessionTest, ACheckMayRefuseTheStartOrSkipAPressUncounted) {
    struct Check : IPressCheck {
        bool MayStart(std::wstring& reason) override {
            reason = L"not now";
            return bStart;
        }
        bool MayPress() override { return bPress; }
        bool bStart = false;
        bool bPress = false;
    } check;
    m_session.AddCheck(check);
    EXPECT_FALSE(m_session.Start(m_form));
    EXPECT_EQ(m_recorder.events, std::vector<std::string>{"refused"});
    check.bStart = true;
    Start();

    ASSERT_TRUE(Tick());
    EXPECT_TRUE(m_input.Log().Empty());
    EXPECT_EQ(m_timers.Period(FIXED), 100) << "the grid goes on";
    check.bPress = true;
    PressAndPause();
    EXPECT_EQ(m_recorder.events, (std::vector<std::string>{"skipped 0", "count 1"}));
}

TEST_F(PressSessionTest, PressesIntoAnElevatedForegroundWindowAreNotMadeNorCountedAndTheStatusSaysWhy) {
    CTargetAccess access{m_queries, m_process, m_session.PressValues()};
    m_session.AddCheck(access);
    m_process.m_integrityLevels = {{3001, 0x3000}};
    m_windows.SetForeground(m_windows.AddTopLevelWindow(L"Admin", L"Class", {}, 3001, 3002));
    ASSERT_TRUE(m_session.Start(m_form));
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(Tick());
    }
    EXPECT_TRUE(m_input.Log().Empty());
    EXPECT_EQ(m_recorder.events,
              (std::vector<std::string>{"started", "skipped 0", "skipped 0", "skipped 0", "skipped 0"}))
        << "said at once, then at each press";
    EXPECT_EQ(m_recorder.reason, L"Paused: the Target Window Runs with Higher Rights than Tapwell");

    m_windows.SetForeground(m_windows.AddTopLevelWindow(L"Notepad", L"Notepad"));
    PressAndPause();
    EXPECT_TRUE(SequenceMatches(m_input.Log(), ENTER_STROKE));
}

// --- Windows' own rules ---

TEST_F(PressSessionTest, TimerThrottlingIsTurnedOffWhileARunGoesOn) {
    for (const char* system : {"default", "none"}) {
        m_process.m_strPowerThrottling = system;
        Start();
        EXPECT_EQ(m_process.m_strPowerThrottling, system == std::string("none") ? "none" : "opted out")
            << system;
        m_session.Stop();
        EXPECT_EQ(m_process.m_strPowerThrottling, system) << system;
    }
}
