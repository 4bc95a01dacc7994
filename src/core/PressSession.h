#pragma once
// The press session: the one object that starts, runs and stops a run of presses, whoever asks (the
// buttons, the shortcut, a script's command). It owns the run's timing (CPressRun), the injector, the
// key journal and the settings a press reads, and is driven by one window timer: a press goes
// timer -> session -> injector, and the window that owns the timer only forwards it.
//
// When a changed value takes effect (the one rule; the session's table holds a row of it):
//  - the key-down/up time: read from the settings at Start only;
//  - the form (key, modifier, Hold Key, count, delay): handed over at Start and whenever the form
//    changes (Update); key, modifier, Hold Key and count count from the next press, the delay from
//    the next period computed: at Start for a fixed delay, at every press for a random one;
//  - the stored press settings (the target and its options, the input method, the random delay and
//    its range): read at Start and again at every press.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/FrontWindowRule.h"
#include "core/KeyJournal.h"
#include "core/MouseClickManager.h"
#include "core/PressRun.h"
#include "core/RunOptions.h"
#include "core/RunTiming.h"
#include "core/RunPowerPolicy.h"
#include "core/StoredSelectedWindow.h"
#include "ports/IRandomSource.h"
#include "ports/ITimers.h"
#include "settings/PressSettings.h"

// Why a run ended.
enum class RunEnd {
    Stopped,      // asked to stop: a button, the shortcut, a command, the window going
    CountReached, // its last press is made
    TimeUp,       // the time its run options gave it is over
    Failed,       // something went wrong while it ran
};

// Why a run waits without pressing.
enum class RunWait {
    Countdown,  // before its first press
    NotInFront, // its window is not in front
};

// What the session tells whoever shows it.
class IPressSessionListener {
public:
    virtual ~IPressSessionListener() = default;
    virtual void OnRunStarted() {}
    // The count to show: the first and the last of a run always, those between at most every
    // STATUS_REFRESH, since drawing each would cost more than a fast press.
    virtual void OnKeyedCount(std::uint32_t /*count*/) {}
    virtual void OnRunStopped(RunEnd /*why*/) {}
    // A check refused a start; the reason is for the status line.
    virtual void OnStartRefused(const std::wstring& /*reason*/) {}
    // The run waits (seconds: to its first press during a countdown); sent again as they change.
    virtual void OnRunWaiting(RunWait /*why*/, int /*seconds*/) {}
    // The whole seconds a timed run has left changed (SecondsLeft()).
    virtual void OnTimeLeftChanged() {}
    // A check skipped a press, or would skip the first one: the count stays, and the check's reason,
    // when it gives one, is for the status line.
    virtual void OnPressSkipped(std::uint32_t /*count*/, const std::wstring& /*reason*/) {}
};

// A condition on a run, asked before it starts and before each press; MayPress also as it starts, so
// that a press it would skip is told of at once.
class IPressCheck {
public:
    virtual ~IPressCheck() = default;
    // False refuses the start, with a reason the status line shows.
    virtual bool MayStart(std::wstring& /*reason*/) { return true; }
    // False skips this press: it is not made and not counted, and the run keeps its grid.
    virtual bool MayPress() { return true; }
    // Why presses are skipped, asked when MayPress said false; empty says nothing.
    virtual std::wstring SkipReason() { return std::wstring(); }
};

class CPressSession {
public:
    // The run's window timers: one of the two, chosen at Start by whether the delay is random.
    static constexpr std::uintptr_t IDT_PRESS_FIXED = 1;
    static constexpr std::uintptr_t IDT_PRESS_RANDOM = 2;
    static constexpr Microseconds STATUS_REFRESH = 500000;

    CPressSession(ITimers& timers, IRandomSource& random, IKeyboardInput& input, IWindowQueries& windows,
                  IRegistry& registry, IProcess& process, const CAppSettings& settings);
    CPressSession(const CPressSession&) = delete;
    CPressSession& operator=(const CPressSession&) = delete;

    // The window whose timers drive the run.
    void SetTimerWindow(WindowHandle window) { m_hTimerWindow = window; }
    void AddListener(IPressSessionListener& listener) { m_listeners.push_back(&listener); }
    void AddCheck(IPressCheck& check) { m_checks.push_back(&check); }
    // The settings a press reads, read just before the checks are asked; the same object throughout.
    const CPressSettings::Values& PressValues() const { return m_pressSettings.Latest(); }

    // A run with form, asked for at askedAt (a countdown counts from there; now when not given);
    // false when one is going on already or a check refused.
    bool Start(const PressForm& form, std::optional<Microseconds> askedAt = std::nullopt);
    // A script's "/for" and "/until" for the next Start only, in place of the stored run options.
    void LimitNextRun(const RunLimitSwitches& limits) { m_nextRunLimits = limits; }
    // Ends a run, letting go of every key it holds; without a run, only lets go of keys.
    void Stop(RunEnd why = RunEnd::Stopped);
    // The start/stop shortcut's decision: a run going on is stopped (true); otherwise the caller,
    // which knows the form, starts one (false).
    bool ToggleKeyPressing();
    bool IsRunning() const { return m_bRunning; }
    std::uint32_t KeyedCount() const { return m_nKeyedCount; }
    // Whole seconds until a timed run ends; -1 without a run or a limit on its time.
    std::int64_t SecondsLeft();
    // The form changed; what of it counts when is the rule above.
    void Update(const PressForm& form) { m_pressSettings.SetForm(form); }
    // A window timer went off: false when it is not one of the run's.
    bool OnTimer(std::uintptr_t id);

    // Milliseconds until the next press: the form's delay plus, when the delay is random, a draw.
    int ComputeNextDelay();

    // Lets go of every key down because of this process (a failure, the process's end).
    void ReleaseHeldKeys() { m_injector.ReleaseHeldKeys(); }
    // Lets go of keys that ended Tapwells left down, as they went down.
    void ReleaseKeysOfEndedInstances();

private:
    // One press of the run, due now, with the settings just read.
    void PressKeyOnce();
    // Asks the checks whether a press may go now; a refusal is told with its reason.
    bool MayPress();
    // Sets the timer for the deadline the run gives, or ends the run when it says so.
    void Follow(const CPressRun::Answer& answer);
    // The run options at a deadline: true when they hold the run (its time over, counting down, or
    // its window away), having done what that takes; false when the answer is the run's to follow.
    bool HoldForRunOptions(const CPressRun::Answer& answer);
    void NotifyWaiting(RunWait why, int seconds);
    void KillTimers();
    void ShowCount();

    ITimers& m_timers;
    IRandomSource& m_random;
    IWindowQueries& m_windows;
    const CAppSettings& m_settings;
    CPressSettings m_pressSettings;
    CStoredSelectedWindow m_selectedWindow;
    CKeyJournal m_keyJournal;
    CMouseClickManager m_injector;
    CPressRun m_run;
    CRunTiming m_runTiming;
    CFrontWindowRule m_frontRule;
    RunLimitSwitches m_nextRunLimits;
    // The seconds left last told, -1 when none were.
    std::int64_t m_nToldSecondsLeft = -1;
    CRunPowerPolicy m_powerPolicy;
    WindowHandle m_hTimerWindow = 0;
    std::uintptr_t m_nTimerId = IDT_PRESS_FIXED;
    bool m_bRunning = false;
    std::uint32_t m_nKeyedCount = 0;
    bool m_bCountPending = false;
    Microseconds m_nCountShownAt = 0;
    std::vector<IPressSessionListener*> m_listeners;
    std::vector<IPressCheck*> m_checks;
};
