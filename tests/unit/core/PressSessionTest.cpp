// The press session driven as the main window drives it: its timer goes off at each deadline, the
// clock moving on to it. The settings stand in an in-memory registry, the keys go to the recording
// input fake, and a listener notes what the session tells.
#include <algorithm>
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
constexpr Microseconds START = 1000000;
constexpr Microseconds SECOND = 1000000;

// One deadline per timer; KillTimer forgets it. The wall clock goes with the monotonic one from
// 1 s, and jumps on by sleptSeconds at sleepAt (the machine asleep).
class DeadlineTimers : public ITimers {
public:
    std::uintptr_t SetTimer(WindowHandle, std::uintptr_t id, std::uint32_t) override { return id; }
    bool KillTimer(WindowHandle window, std::uintptr_t id) override {
        return window == MAIN && due.erase(id) != 0;
    }
    Microseconds Now() override { return now; }
    WallTime WallClock() override {
        const std::int64_t elapsed = (now - START) / SECOND + (now >= sleepAt ? sleptSeconds : 0);
        return {1700000000 + elapsed, static_cast<int>((secondOfDay + elapsed) % 86400)};
    }
    void SetDeadline(WindowHandle window, std::uintptr_t id, Microseconds at) override {
        if (window == MAIN) {
            due[id] = at;
        }
    }
    // Milliseconds from now until the timer's deadline; -1 when it is not armed.
    int Period(std::uintptr_t id) const {
        return due.count(id) != 0 ? static_cast<int>((due.at(id) - now) / 1000) : -1;
    }

    std::map<std::uintptr_t, Microseconds> due;
    Microseconds now = START;
    int secondOfDay = 0;
    Microseconds sleepAt = START * 1000;
    std::int64_t sleptSeconds = 0;
};

// What the session tells, a line each: "started", "count 7", "stopped: time", "skipped 0", "wait 2"
// (a countdown), "away" (its window is not in front), "left 3" (seconds left).
class Recorder : public IPressSessionListener {
public:
    void OnRunStarted() override { Note("started"); }
    void OnKeyedCount(std::uint32_t count) override { Note("count " + std::to_string(count)); }
    void OnRunStopped(RunEnd why) override {
        Note(why == RunEnd::CountReached ? "stopped: count"
             : why == RunEnd::TimeUp     ? "stopped: time"
                                         : "stopped");
    }
    void OnStartRefused(const std::wstring&) override { Note("refused"); }
    void OnPressSkipped(std::uint32_t count, const std::wstring& why) override {
        Note("skipped " + std::to_string(count));
        reason = why;
    }
    void OnRunWaiting(RunWait why, int seconds) override {
        Note(why == RunWait::Countdown ? "wait " + std::to_string(seconds) : "away");
    }
    void OnTimeLeftChanged() override { Note("left " + std::to_string(session->SecondsLeft())); }
    // The events but the start (and the counts, unless asked), joined by ", ": a wait told again
    // once, and a run of seconds left as "left 3..0".
    std::string Told(bool counts = false) const {
        std::vector<std::string> told;
        for (const std::string& event : events) {
            const bool left = event.rfind("left ", 0) == 0 && event != "left -1";
            if (event == "started" || (!counts && event.rfind("count", 0) == 0) ||
                (!told.empty() && told.back() == event)) {
                continue;
            } else if (left && !told.empty() && told.back().rfind("left ", 0) == 0) {
                told.back() = told.back().substr(0, told.back().find("..")) + ".." + event.substr(5);
            } else {
                told.push_back(event);
            }
        }
        std::string joined;
        for (const std::string& event : told) {
            joined += (joined.empty() ? "" : ", ") + event;
        }
        return joined;
    }
    void Note(const std::string& event) { events.push_back(event); }

    CPressSession* session = nullptr;
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
        m_recorder.session = &m_session;
        StorePause(10);
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

    // The key-downs of vk the input got, injected or posted.
    std::size_t KeyDowns(int vk) const {
        const std::string code = Hex(static_cast<std::uint32_t>(vk), 2);
        const auto& lines = m_input.Log().Entries();
        return static_cast<std::size_t>(
            std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
                return (line.rfind("SendInput 1 {vk=" + code, 0) == 0 &&
                        line.find("flags=0x0}") != std::string::npos) ||
                       line.find(" WM_KEYDOWN " + code + " ") != std::string::npos;
            }));
    }
    // Lets whichever run timer is armed go off once, as the message loop would, so that the session
    // must set it again; false when none is armed.
    bool Tick() {
        for (std::uintptr_t id : {FIXED, RANDOM}) {
            if (m_timers.due.count(id) != 0) {
                m_timers.now = std::max(m_timers.now, m_timers.due.at(id));
                m_timers.due.erase(id);
                EXPECT_TRUE(m_session.OnTimer(id));
                return true;
            }
        }
        return false;
    }
    // One whole press: its key-down when due, then its key-up.
    void PressAndPause() {
        EXPECT_TRUE(Tick());
        EXPECT_TRUE(Tick());
    }
    void Start() {
        ASSERT_TRUE(m_session.Start(m_form));
        m_input.ClearLog();
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

// --- A run from start to end, as its run options and the window in front have it ---

namespace {

struct TimelineRow : NamedRow {
    int delayMs;
    int count;
    int startAfter, stopAfterSeconds, stopAtMinute; // 0, 0, -1: none
    bool onlyInFront;
    int wallSecondOfDay;
    int awayFromMs, awayToMs;    // another window in front meanwhile
    int sleepAtMs, sleepSeconds; // the wall clock jumps on, the monotonic one stands still
    int presses, firstMs, lastMs, minGapMs, endMs;
    const char* told;
};
using PressSessionTimeline = TableTest<PressSessionTest, TimelineRow>;

// clang-format off
const TimelineRow TIMELINE_ROWS[] = {
    {{"off: the keys follow the front"},      200, 10, 0, 0, -1, false, 0, 900, 1900, 0, 0, 10, 200, 2000, 200, 2000, "stopped: count"},
    {{"held while away, no burst on return"}, 200, 10, 0, 0, -1, true,  0, 900, 1900, 0, 0, 10, 200, 2900, 200, 2900, "away, stopped: count"},
    {{"a short absence keeps the grid"},      200, 4,  0, 0, -1, true,  0, 500, 700,  0, 0, 4,  200, 800,  100, 800,  "away, stopped: count"},
    {{"stop after 3 s at 100 ms"},            100, 0,  0, 3, -1, false, 0, 0, 0, 0, 0, 30, 100, 3000, 100, 3100, "left 3..0, stopped: time, left -1"},
    {{"start after 2 s"},                     100, 0,  2, 1, -1, false, 0, 0, 0, 0, 0, 10, 2000, 2900, 100, 3000, "wait 2, left 2, wait 1, left 1..0, stopped: time, left -1"},
    {{"the count before 1 h 1 min 1 s"},      100, 5,  0, 3661, -1, false, 0, 0, 0, 0, 0, 5, 100, 500, 100, 500, "left 3661, stopped: count, left -1"},
    {{"a time past today is tomorrow's"},     100, 5,  0, 0, 600, false, 36030, 0, 0, 0, 0, 5, 100, 500, 100, 500, "left 86370, stopped: count, left -1"},
    {{"a stop time passed asleep ends it at wake-up"}, 1000, 0, 0, 0, 601, false, 36000, 0, 0, 10500, 120,
     10, 1000, 10000, 1000, 11000, "left 59..50, stopped: time, left -1"},
};
// clang-format on

} // namespace

TEST_P(PressSessionTimeline, PressesWhenItsOptionsAndTheFrontSayAndTellsWhy) {
    const TimelineRow& row = GetParam();
    StorePause(0);
    Store(L"StartAfterSeconds", row.startAfter);
    Store(L"EnableStopAfter", row.stopAfterSeconds > 0 ? 1 : 0);
    Store(L"StopAfterHours", row.stopAfterSeconds / 3600);
    Store(L"StopAfterMinutes", row.stopAfterSeconds / 60 % 60);
    Store(L"StopAfterSeconds", row.stopAfterSeconds % 60);
    Store(L"EnableStopAt", row.stopAtMinute >= 0 ? 1 : 0);
    Store(L"StopAtHour", std::max(row.stopAtMinute, 0) / 60);
    Store(L"StopAtMinute", std::max(row.stopAtMinute, 0) % 60);
    Store(L"OnlyWhileInFront", row.onlyInFront ? 1 : 0);
    m_timers.secondOfDay = row.wallSecondOfDay;
    m_timers.sleepAt = START + row.sleepAtMs * Microseconds{1000};
    m_timers.sleptSeconds = row.sleepAtMs > 0 ? row.sleepSeconds : 0;
    const WindowHandle front = m_windows.AddTopLevelWindow(L"Recorder", L"Recorder");
    const WindowHandle away = m_windows.AddTopLevelWindow(L"Chat", L"Chat");
    m_form.nDelayMilliseconds = row.delayMs;
    m_form.nKeysToPress = row.count;
    m_windows.SetForeground(front);
    ASSERT_TRUE(m_session.Start(m_form));

    std::vector<int> downs;
    while (m_session.IsRunning() && m_timers.now < START + 100 * SECOND) {
        const std::size_t before = KeyDowns(VK_RETURN);
        const auto at = [&] { return static_cast<int>((m_timers.due.at(FIXED) - START) / 1000); };
        m_windows.SetForeground(at() >= row.awayFromMs && at() < row.awayToMs ? away : front);
        ASSERT_TRUE(Tick());
        if (KeyDowns(VK_RETURN) > before) {
            downs.push_back(static_cast<int>((m_timers.now - START) / 1000));
        }
    }

    ASSERT_EQ(static_cast<int>(downs.size()), row.presses);
    EXPECT_EQ(m_session.KeyedCount(), static_cast<std::uint32_t>(row.presses)) << "a press held back counted";
    EXPECT_EQ(downs.front(), row.firstMs);
    EXPECT_EQ(downs.back(), row.lastMs);
    int minGap = 1 << 30;
    for (std::size_t i = 1; i < downs.size(); ++i) {
        minGap = std::min(minGap, downs[i] - downs[i - 1]);
    }
    EXPECT_EQ(minGap, row.minGapMs) << "a burst of presses";
    EXPECT_EQ((m_timers.now - START) / 1000, row.endMs);
    EXPECT_EQ(m_recorder.Told(), row.told);
}

INSTANTIATE_TEST_SUITE_P(Rows, PressSessionTimeline, ::testing::ValuesIn(TIMELINE_ROWS), RowName());

// --- Starting and the period ---

TEST_F(PressSessionTest, StartKillsBothTimersArmsTheFixedOneWithTheDelayAndPressesNothingYet) {
    m_form = PressForm{VK_RETURN, L"Enter", 0, false, 0, 1, 30, 500};
    m_timers.due = {{FIXED, 0}, {RANDOM, 0}}; // left from before

    ASSERT_TRUE(m_session.Start(m_form));

    EXPECT_EQ(m_timers.Period(FIXED), 90500);
    EXPECT_EQ(m_timers.Period(RANDOM), -1);
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

    EXPECT_EQ(m_timers.Period(FIXED), -1);
    EXPECT_GE(m_timers.Period(RANDOM), 2000);
    EXPECT_LE(m_timers.Period(RANDOM), 3000);
    EXPECT_EQ(m_random.SeedsTaken(), 2) << "one draw at start, one at the press";
}

// --- Pressing ---

TEST_F(PressSessionTest, ATimerBeforeItsDeadlinePressesNothing) {
    Start();

    EXPECT_TRUE(m_session.OnTimer(FIXED));
    EXPECT_FALSE(m_session.OnTimer(7)) << "not the run's";

    EXPECT_TRUE(m_input.Log().Empty());
    EXPECT_EQ(m_timers.Period(FIXED), 100);
}

namespace {

// Presses made when due, then a stop or none: what the listener was told and what is left down.
struct PressRow : NamedRow {
    PressForm form;
    int pauseMs;
    bool picked;
    int presses;
    bool stop;
    const char* told;
    std::vector<std::uint32_t> keysDown; // in the focused window or the picked one
    int periodMs;                        // until the next deadline; -1: the run is over
};
using PressSessionPresses = TableTest<PressSessionTest, PressRow>;

const PressForm ENTER{VK_RETURN, L"Enter", 0, false, 0, 0, 0, 100};
const PressForm HELD_CTRL_TAB{VK_TAB, L"Tab", VK_CONTROL, true, 0, 0, 0, 100};
const PressForm HELD_SHIFT_TAB_TWICE{VK_TAB, L"Tab", VK_SHIFT, true, 2, 0, 0, 100};

// clang-format off
const PressRow PRESS_ROWS[] = {
    {{"a fast run tells the count at most twice a second, and the last at the stop"}, ENTER, 0, false, 7, true,
     "count 1, count 6, count 7, stopped", {}, -1},
    {{"a held run ended by the count lets go of its keys after the last press"}, HELD_SHIFT_TAB_TWICE, 10, false, 2, false,
     "count 1, count 2, stopped: count", {}, -1},
    {{"a held run into a picked window ended by the count lets go there"}, HELD_SHIFT_TAB_TWICE, 10, true, 2, false,
     "count 1, count 2, stopped: count", {}, -1},
    {{"a stop in the pause lets the key go at once"}, ENTER, 5000, false, 1, true, "count 1, stopped", {}, -1},
    {{"a stop lets a held key go, and the count stays"}, HELD_CTRL_TAB, 5000, false, 1, true, "count 1, stopped", {}, -1},
    {{"presses that keep no key-up back come one delay apart whatever the pause"}, HELD_CTRL_TAB, 500, false, 2, false,
     "count 1", {VK_TAB, VK_CONTROL}, 100},
};
// clang-format on

} // namespace

TEST_P(PressSessionPresses, TellTheCountAndLeaveNoKeyDownBehind) {
    const PressRow& row = GetParam();
    StorePause(row.pauseMs);
    if (row.picked) {
        SelectTarget();
    }
    m_form = row.form;
    Start();

    for (int i = 0; i < row.presses; ++i) {
        ASSERT_TRUE(Tick());
    }
    if (row.stop) {
        m_session.Stop();
    }

    EXPECT_EQ(KeyDowns(row.form.nKeyVk), static_cast<std::size_t>(row.presses));
    EXPECT_EQ(m_recorder.Told(true), row.told);
    EXPECT_EQ(row.picked ? m_input.KeysDownIn(m_hTarget) : m_input.KeysDown(), row.keysDown);
    EXPECT_EQ(m_timers.Period(FIXED), row.periodMs);
    EXPECT_EQ(m_session.IsRunning(), row.periodMs >= 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, PressSessionPresses, ::testing::ValuesIn(PRESS_ROWS), RowName());

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
     [](PressSessionTest& t) { EXPECT_EQ(t.m_timers.now - START, 110 * 1000) << "down 10 ms, not 50"; }},
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
    {"a letter entry and the input method at the next press", false,
     [](PressSessionTest& t) {
         t.m_form = PressForm{'A', L"a", 0, false, 0, 0, 0, 100};
         t.m_session.Update(t.m_form);
         t.Store(SHARED, L"UseOldKeyInputMethod", 1);
     },
     [](PressSessionTest& t) {
         EXPECT_TRUE(SequenceMatches(t.m_input.Log(),
                                     {"keybd_event 0x41 0x1E 0x0 0", "keybd_event 0x41 0x1E 0x2 0"}));
     }},
    {"the target and its options at the next press", false,
     [](PressSessionTest& t) {
         t.SelectTarget();
         t.Store(L"SendChars", 1);
     },
     [](PressSessionTest& t) {
         EXPECT_EQ(t.m_input.Log().Select({"PostMessage"}),
                   std::vector<std::string>(2, t.Posted("WM_CHAR", "0x0D", "0x00000000")));
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

// --- Checks others add ---

TEST_F(PressSessionTest, APressThatFindsNoWindowStillCounts) {
    SelectTarget();
    Start();
    m_windows.DestroyWindow(m_hTarget);

    ASSERT_TRUE(Tick());

    EXPECT_TRUE(m_input.Log().Select({"PostMessage"}).empty());
    EXPECT_EQ(m_recorder.events, std::vector<std::string>{"count 1"});
}

TEST_F(PressSessionTest, ACheckMayRefuseTheStart) {
    struct Check : IPressCheck {
        bool MayStart(std::wstring&) override { return false; }
    } check;
    m_session.AddCheck(check);

    EXPECT_FALSE(m_session.Start(m_form));

    EXPECT_EQ(m_recorder.events, std::vector<std::string>{"refused"});
    EXPECT_FALSE(m_session.IsRunning());
    EXPECT_TRUE(m_timers.due.empty());
}

// A check's refusal skips the press uncounted; the grid goes on, and the presses come back with the window.
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
    EXPECT_EQ(KeyDowns(VK_RETURN), 1u);
    EXPECT_TRUE(m_input.KeysDown().empty()) << "up after its pause";
    EXPECT_EQ(m_recorder.events.back(), "count 1");
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
