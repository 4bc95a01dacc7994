// However a run with a held key ends (or changes what it holds), nothing stays down: not in the
// system's key state, and not in the window the keys went to, which gets a key-up for every key-down.
// Nor does a Tapwell killed outright: the next one to start lets its keys go.
// And a long pause between key-down and key-up never freezes the window, nor do presses that outlast
// their period keep Stop from acting.
#include <windows.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "Polling.h"
#include "RecorderLog.h"
#include "RemoteMessages.h"
#include "SlowHookProcess.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "UserKeyboard.h"
#include "resource.h"
#include "settings/SettingsNames.h"

namespace {
// How long a stopped run is watched for a press that should not come.
const DWORD STILL_FOR_MS = 1000;
// How soon after its start a Tapwell lets go of the keys of one that was killed.
const DWORD KILLED_KEYS_UP_MS = 2000;

enum class Ending {
    StopButton,
    CountReached,
    Shortcut,
    KeysTypedIntoTapwell,
    MessageToTapwell,
    TargetClosed,
    KeyChanged,
    HoldSwitchedOff,
    ExceptionInCommand,
    KilledAndStartedAgain,
};

// A key typed into Tapwell's window, with a modifier held (0: none).
struct TypedKeys {
    WORD nModifier;
    WORD nKey;
};

// A message to Tapwell's main window: posted, or sent where the case must wait until it is handled.
struct MessageToTapwell {
    UINT nMessage;
    WPARAM wParam;
    bool bSent;
};

struct Row {
    const char* name;
    Ending ending;
    bool bProgramEnds;
    // Whether the recorder still sees every key come up: not where it is gone, nor where the focus
    // (and with it the key-ups of the focused window's keys) moves to Tapwell.
    bool checkTargetActive;
    bool checkTargetSelected;
    TypedKeys typed;
    MessageToTapwell message;
};

// clang-format off
const Row ROWS[] = {
    {"Stop", Ending::StopButton, false, true, true, {}, {}},
    {"count reached", Ending::CountReached, false, true, true, {}, {}},
    {"shortcut", Ending::Shortcut, false, true, true, {}, {}},
    {"Escape", Ending::KeysTypedIntoTapwell, true, false, true, {0, VK_ESCAPE}, {}},
    {"close box", Ending::MessageToTapwell, true, true, true, {}, {WM_SYSCOMMAND, SC_CLOSE, false}},
    {"Alt+F4", Ending::KeysTypedIntoTapwell, true, false, true, {VK_MENU, VK_F4}, {}},
    {"tray Exit", Ending::MessageToTapwell, true, true, true, {}, {WM_COMMAND, ID_TRAY_EXIT, false}},
    {"target window closed", Ending::TargetClosed, false, false, false, {}, {}},
    {"session ends", Ending::MessageToTapwell, false, true, true, {}, {WM_ENDSESSION, TRUE, true}},
    {"key changed mid-run", Ending::KeyChanged, false, true, true, {}, {}},
    {"hold switched off mid-run", Ending::HoldSwitchedOff, false, true, true, {}, {}},
    {"an exception inside a command", Ending::ExceptionInCommand, false, false, true, {}, {}},
    {"killed, then started again", Ending::KilledAndStartedAgain, false, true, true, {}, {}},
};
// clang-format on

class StopPaths : public CTapwellCase {
protected:
    std::vector<RecordedKeyMessage> RecorderLog() const {
        return ReadRecorderLog(m_driver.RecorderLogPath());
    }

    bool WaitForKeyDowns(WPARAM nKey, int nAtLeast) const {
        return WaitUntil([&] { return CountMessages(RecorderLog(), WM_KEYDOWN, nKey) >= nAtLeast; },
                         RUN_TIMEOUT_MS);
    }

    // Every key that went down in the recorder has come up again: the last message about it is a key-up.
    bool EveryKeyCameUp() const {
        const std::map<std::uint32_t, UINT> last = LastKeyMessages(RecorderLog());
        for (const auto& key : last) {
            if (key.second != WM_KEYUP && key.second != WM_SYSKEYUP) {
                return false;
            }
        }
        return !last.empty();
    }

    // Types a closing key into Tapwell as a user would, again if the first time did not end it: while
    // a run posts into another window, the input of the two programs is joined for a moment at every
    // press, and activating Tapwell or a key typed in that moment may go to the other program.
    static bool TypeIntoTapwell(CTapwellInstance& tapwell, const TypedKeys& typed) {
        const std::vector<WORD> modifiers =
            typed.nModifier ? std::vector<WORD>{typed.nModifier} : std::vector<WORD>{};
        for (int nTry = 0; nTry < 3; ++nTry) {
            // Keys for the active window now go to Tapwell: a held arrow in a focused list would change
            // the key, and with it what is held, and a focused drop-down list swallows Alt+F4 under
            // Wine. A button takes neither.
            if (tapwell.Activate() && tapwell.Form().Click(IDC_REFRESH_KEYS) == ActionResult::Done &&
                PressKeys(modifiers, typed.nKey) && tapwell.Process().WaitForExit(SETTLE_TIMEOUT_MS)) {
                return true;
            }
        }
        return tapwell.Process().WaitForExit(SETTLE_TIMEOUT_MS);
    }

    void RunRow(const Row& row, bool bSelectedWindow) {
        SCOPED_TRACE(std::string(row.name) + (bSelectedWindow ? ", selected window" : ", active window"));
        // The shortcut cannot be typed while the run holds Shift: a held Ctrl is part of it already.
        const int nModifier = row.ending == Ending::Shortcut ? MODIFIER_CTRL : MODIFIER_SHIFT;
        CTargetWindow* pRecorder = m_driver.StartRecorder();
        ASSERT_NE(pRecorder, nullptr);
        if (bSelectedWindow) {
            ASSERT_TRUE(StoreSelectedWindow(SECTION_FIRST_INSTANCE, pRecorder->Frame()));
        }
        if (row.ending == Ending::Shortcut) {
            ASSERT_TRUE(StoreShortcut(SECTION_FIRST_INSTANCE, VK_F6, MOD_CONTROL | MOD_ALT));
        }
        CTapwellInstance* pTapwell = m_driver.StartTapwell();
        ASSERT_NE(pTapwell, nullptr);
        CDialogRemote& form = pTapwell->Form();
        ASSERT_TRUE(pTapwell->FillInRun(KEY_LEFT, L"50", row.ending == Ending::CountReached ? L"3" : L"0"));
        ASSERT_EQ(form.SelectListEntry(IDC_MODIFIER_LIST, nModifier), ActionResult::Done);
        ASSERT_EQ(form.Click(IDC_HOLD_KEY), ActionResult::Done);
        ASSERT_TRUE(pRecorder->Focus());

        ASSERT_EQ(form.Click(IDC_START_KEYPRESSING), ActionResult::Done);
        ASSERT_TRUE(WaitForKeyDowns(VK_LEFT, 2));
        // Held: no key-up between the presses (a run of three may be over by now).
        EXPECT_TRUE(row.ending == Ending::CountReached ||
                    CountMessages(RecorderLog(), WM_KEYUP, VK_LEFT) == 0);

        switch (row.ending) {
        case Ending::StopButton:
            ASSERT_EQ(form.Click(IDC_STOP_KEYPRESSING), ActionResult::Done);
            break;
        case Ending::CountReached:
            ASSERT_TRUE(pTapwell->WaitForIdle(RUN_TIMEOUT_MS));
            break;
        case Ending::Shortcut:
            ASSERT_TRUE(PressKeys({VK_CONTROL, VK_MENU}, VK_F6));
            ASSERT_TRUE(pTapwell->WaitForIdle(RUN_TIMEOUT_MS));
            break;
        case Ending::KeysTypedIntoTapwell:
            ASSERT_TRUE(TypeIntoTapwell(*pTapwell, row.typed));
            break;
        case Ending::MessageToTapwell:
            if (row.message.bSent) {
                SendMessageW(pTapwell->MainWindow(), row.message.nMessage, row.message.wParam, 0);
            } else {
                ASSERT_TRUE(
                    PostMessageW(pTapwell->MainWindow(), row.message.nMessage, row.message.wParam, 0));
            }
            break;
        case Ending::TargetClosed: {
            ASSERT_TRUE(PostMessageW(pRecorder->Frame(), WM_CLOSE, 0, 0));
            ASSERT_TRUE(WaitUntil([&] { return !IsWindow(pRecorder->Frame()); }, SETTLE_TIMEOUT_MS));
            // The run goes on without its window for a few presses.
            const std::wstring strStatus = form.Text(IDC_STATUS);
            ASSERT_TRUE(WaitUntil([&] { return form.Text(IDC_STATUS) != strStatus; }, RUN_TIMEOUT_MS));
            ASSERT_EQ(form.Click(IDC_STOP_KEYPRESSING), ActionResult::Done);
            break;
        }
        case Ending::KilledAndStartedAgain:
            pTapwell->Process().End();
            pTapwell = m_driver.StartTapwell();
            ASSERT_NE(pTapwell, nullptr);
            EXPECT_TRUE(
                WaitUntil([] { return !IsKeyDown(VK_SHIFT) && !IsKeyDown(VK_LEFT); }, KILLED_KEYS_UP_MS))
                << "the keys of the killed Tapwell are still down";
            break;
        case Ending::KeyChanged:
            ASSERT_EQ(form.SelectListEntry(IDC_KEY_LIST, KEY_RIGHT), ActionResult::Done);
            ASSERT_TRUE(WaitForKeyDowns(VK_RIGHT, 2));
            ASSERT_EQ(form.Click(IDC_STOP_KEYPRESSING), ActionResult::Done);
            break;
        case Ending::HoldSwitchedOff:
            ASSERT_EQ(form.Click(IDC_HOLD_KEY), ActionResult::Done);
            ASSERT_TRUE(WaitUntil([&] { return CountMessages(RecorderLog(), WM_KEYUP, VK_LEFT) >= 2; },
                                  RUN_TIMEOUT_MS));
            ASSERT_EQ(form.Click(IDC_STOP_KEYPRESSING), ActionResult::Done);
            break;
        case Ending::ExceptionInCommand: {
            // A picture of this window would take gigabytes: the screenshot must fail, not Tapwell. Its
            // message box takes the focus, and with it the key-ups of the active window.
            ASSERT_TRUE(SetWindowPos(pTapwell->MainWindow(), nullptr, 0, 0, 32000, 32000,
                                     SWP_NOZORDER | SWP_NOACTIVATE));
            ASSERT_TRUE(PostMessageW(pTapwell->MainWindow(), WM_COMMAND, ID_CONTEXT_SCREENSHOT, 0));
            const HWND hBox = pTapwell->WaitForMessageBox(RUN_TIMEOUT_MS);
            ASSERT_NE(hBox, nullptr);
            ASSERT_TRUE(pTapwell->AnswerMessageBox(hBox, IDOK));
            EXPECT_EQ(pTapwell->WaitForMessageBox(STILL_FOR_MS), nullptr) << "a second message box";
            ASSERT_TRUE(pTapwell->Process().IsRunning());
            ASSERT_EQ(form.Click(IDC_STOP_KEYPRESSING), ActionResult::Done);
            break;
        }
        }

        if (row.bProgramEnds) {
            ASSERT_TRUE(pTapwell->Process().WaitForExit(EXIT_TIMEOUT_MS)) << "Tapwell is still running";
            EXPECT_EQ(pTapwell->Process().ExitCode(), DWORD{0});
        } else {
            EXPECT_TRUE(pTapwell->IsIdle());
        }
        EXPECT_TRUE(WaitUntil(
            [] {
                return !IsKeyDown(VK_SHIFT) && !IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_LEFT) &&
                       !IsKeyDown(VK_RIGHT);
            },
            SETTLE_TIMEOUT_MS))
            << "a key is still down in the system's key state";
        if (bSelectedWindow ? row.checkTargetSelected : row.checkTargetActive) {
            EXPECT_TRUE(WaitUntil([&] { return EveryKeyCameUp(); }, SETTLE_TIMEOUT_MS))
                << "the recorder got a key-down without its key-up";
        }
    }
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

class StopPathsTable : public StopPaths, public ::testing::WithParamInterface<Row> {};

std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    std::string name;
    for (const char* p = info.param.name; *p != '\0'; ++p) {
        if (std::isalnum(static_cast<unsigned char>(*p))) {
            name += *p;
        }
    }
    return name;
}
} // namespace

TEST_P(StopPathsTable, ActiveWindowLeavesNothingDown) {
    RunRow(GetParam(), false);
}

TEST_P(StopPathsTable, SelectedWindowLeavesNothingDown) {
    RunRow(GetParam(), true);
}

INSTANTIATE_TEST_SUITE_P(Endings, StopPathsTable, ::testing::ValuesIn(ROWS), RowName);

TEST_F(StopPaths, StopDuringAFiveSecondPauseLetsGoAtOnceAndTheWindowAnswersThroughout) {
    ASSERT_TRUE(WriteProfileDword(SECTION_SETTINGS, L"TimeDelayBetweenKeyDownAndKeyUp", 5000));
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_NE(pRecorder, nullptr);
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_TRUE(pTapwell->FillInRun(KEY_LETTER_A, L"", L"0"));
    ASSERT_TRUE(pRecorder->Focus());
    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);
    ASSERT_TRUE(WaitForKeyDowns('A', 1));

    // While the key is down the window answers: with a blocking pause none of these would.
    for (int i = 0; i < 20; ++i) {
        DWORD_PTR nResult = 0;
        ASSERT_NE(
            SendMessageTimeoutW(pTapwell->MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &nResult), 0)
            << "message " << i << " was not answered";
        Sleep(50);
    }
    EXPECT_TRUE(IsKeyDown('A'));
    ASSERT_EQ(pTapwell->Form().Click(IDC_STOP_KEYPRESSING), ActionResult::Done);

    EXPECT_FALSE(IsKeyDown('A'));
    ASSERT_TRUE(
        WaitUntil([&] { return CountMessages(RecorderLog(), WM_KEYUP, 'A') >= 1; }, SETTLE_TIMEOUT_MS));
    const std::vector<RecordedKeyMessage> log = RecorderLog();
    const std::vector<RecordedKeyMessage> downs = MessagesOf(log, WM_KEYDOWN, 'A');
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_LT(MessagesOf(log, WM_KEYUP, 'A').back().dMs - downs.front().dMs, 5000.0)
        << "the stop cut the pause short";
}

// Under a keyboard hook that makes every press outlast its 1 ms period, a click on Stop still gets its
// turn in Tapwell's queue and ends the run. Without a pause no wait for a key-up makes room for it.
TEST_F(StopPaths, StopActsWhileASlowKeyboardHookMakesEveryPressOutlastItsPeriod) {
    ASSERT_TRUE(WriteProfileDword(SECTION_SETTINGS, L"TimeDelayBetweenKeyDownAndKeyUp", 0));
    const CSlowHookProcess hook;
    ASSERT_TRUE(hook.IsHooking());
    CTapwellInstance* pTapwell = StartEndlessLetterRun(L"1");
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_TRUE(WaitForKeyDowns('A', 3));

    ASSERT_EQ(pTapwell->Form().PostClick(IDC_STOP_KEYPRESSING), ActionResult::Done);

    ASSERT_TRUE(pTapwell->WaitForIdle(RUN_TIMEOUT_MS)) << "the run goes on after Stop";
    const std::wstring strStatus = pTapwell->Form().Text(IDC_STATUS);
    EXPECT_FALSE(WaitUntil([&] { return pTapwell->Form().Text(IDC_STATUS) != strStatus; }, STILL_FOR_MS))
        << "the count goes on after Stop";
    EXPECT_TRUE(WaitUntil([] { return !IsKeyDown('A'); }, SETTLE_TIMEOUT_MS))
        << "the key is still down in the system's key state";
    EXPECT_TRUE(WaitUntil([&] { return EveryKeyCameUp(); }, SETTLE_TIMEOUT_MS))
        << "the recorder got a key-down without its key-up";
}
