// Settings edited by hand or by a cleaner: every stored value in turn missing, of another type, of a
// wrong size or out of range. Each time the program starts, reads the value as the settings store
// defines (its default, or the value unchanged), leaves it as it was, and a run of three presses into
// the recorder delivers exactly three, or the program says why it cannot run. Values read only at
// start-up get a fresh start per row; the others share one running program.
#include <windows.h>
// After <windows.h>, which they need.
#include <commctrl.h>
#include <shellapi.h>

#include <climits>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "MessageBoxes.h"
#include "Polling.h"
#include "RecorderLog.h"
#include "RemoteMessages.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "WindowQueries.h"
#include "resource.h"
#include "settings/SettingsNames.h"
#include "ui/ShortcutTexts.h"

namespace {
// The first instance's section, short for the table of values.
const wchar_t* const SECTION = SECTION_FIRST_INSTANCE;
const wchar_t NO_KEY_SELECTED[] =
    L"Please Select the Keyboard Key to be Pressed.\n\nAlternatively you can also use a Keyboard Shortcut "
    L"Key combination to start or stop the Auto Key Presssing using the Assign Button.";
const UINT STANDING_ICON_ID = 1;
const DWORD BOX_TIMEOUT_MS = 10000;

// The ways a stored value goes wrong; every value is tried with each.
enum class Variant {
    Missing,
    Text,
    Binary0,
    Binary1,
    Binary3,
    Binary5,
    Binary8,
    AllBits,
    SignBit,
    PastRange
};
const Variant VARIANTS[] = {Variant::Missing, Variant::Text,     Variant::Binary0, Variant::Binary1,
                            Variant::Binary3, Variant::Binary5,  Variant::Binary8, Variant::AllBits,
                            Variant::SignBit, Variant::PastRange};

const char* NameOf(Variant variant) {
    const char* const names[] = {"missing",
                                 "REG_SZ",
                                 "REG_BINARY of 0 bytes",
                                 "REG_BINARY of 1 byte",
                                 "REG_BINARY of 3 bytes",
                                 "REG_BINARY of 5 bytes",
                                 "REG_BINARY of 8 bytes",
                                 "0xFFFFFFFF",
                                 "0x80000000",
                                 "just past its range"};
    return names[static_cast<int>(variant)];
}

// What clicking "Start KeyPressing" leads to.
enum class Outcome {
    Presses,      // a run that ends by itself after the count, every press delivered
    RangeMessage, // the form's range prompt; the run then goes on and the user stops it
    NoKeyMessage, // no key is selected: the run does not start
    Selector,     // no target window: the selector asks for one, and the user cancels it
    UntilStopped, // a run too slow to wait for: the user stops it
};

struct Expected {
    Outcome outcome = Outcome::Presses;
    int nPresses = 3;
    std::wstring strMessage;
};

Expected Presses(int nPresses = 3) {
    return {Outcome::Presses, nPresses, L""};
}

// A range-checked field of the main form: out of range, Start says so.
Expected FormField(int nRead, int nMin, int nMax, Expected inRange = Presses()) {
    if (nRead >= nMin && nRead <= nMax) {
        return inRange;
    }
    return {Outcome::RangeMessage, 0,
            L"Enter an integer between " + std::to_wstring(nMin) + L" and " + std::to_wstring(nMax) + L"."};
}

using Check = std::function<void(CTapwellInstance&, int nRead)>;

// One stored value. The program reads the default for a value it cannot read (none for the two texts)
// and otherwise the value unchanged; nPastRange is just past what its dialog accepts (none where
// nothing limits it). bWrittenBack: the program stores what it made of the value at start-up.
struct ValueCase {
    const char* pszName;
    TapwellValuePlace place;
    bool bReadAtStartUp;
    std::optional<int> nDefault;
    std::optional<int> nPastRange;
    std::function<Expected(int nRead)> expect;
    Check checkRead; // what the program shows of the value it read; may be empty
    bool bWrittenBack = false;
};

Check ShowsNumber(int nControl) {
    return [nControl](CTapwellInstance& tapwell, int nRead) {
        EXPECT_EQ(tapwell.Form().Text(nControl), std::to_wstring(nRead));
    };
}

// A list position: selected and written back when inside the list, else no selection and -1 stored.
Check SelectsPosition(int nList, const wchar_t* pszValue, int nCount) {
    return [=](CTapwellInstance& tapwell, int nRead) {
        const bool bInside = nRead >= 0 && nRead < nCount;
        EXPECT_EQ(tapwell.Form().ListSelection(nList), bInside ? nRead : CB_ERR);
        EXPECT_EQ(ReadProfileDword(SECTION, pszValue), static_cast<DWORD>(bInside ? nRead : -1));
    };
}

Check ShowsShareButton(int nButton) {
    return [nButton](CTapwellInstance& tapwell, int nRead) {
        EXPECT_EQ(tapwell.Form().IsVisible(nButton), nRead == 0);
    };
}

std::vector<ValueCase> ValueCases() {
    const auto presses = [](int) { return Presses(); };
    const Expected noKey{Outcome::NoKeyMessage, 0, NO_KEY_SELECTED};
    // clang-format off
    return {
        // Read when the main window starts.
        {"AutoClicksDelayMins", {SECTION, L"AutoClicksDelayMins"}, true, 0, 10000,
         [](int n) { return FormField(n, 0, 9999); }, ShowsNumber(IDC_DELAY_MINUTES)},
        {"AutoClicksDelaySeconds", {SECTION, L"AutoClicksDelaySeconds"}, true, 0, 60,
         [](int n) { return FormField(n, 0, 59); }, ShowsNumber(IDC_DELAY_SECONDS)},
        {"AutoClicksDelayMilliSeconds", {SECTION, L"AutoClicksDelayMilliSeconds"}, true, 10, 100000,
         [](int n) { return FormField(n, 0, 99999); }, ShowsNumber(IDC_DELAY_MILLISECONDS)},
        {"SetNumberOfClicksToAutomate", {SECTION, L"SetNumberOfClicksToAutomate"}, true, 10, 10000,
         [](int n) { return FormField(n, 0, 9999, Presses(n)); }, ShowsNumber(IDC_KEYS_TO_PRESS)},
        // A held key still arrives once per press.
        {"HoldKey", {SECTION, L"HoldKey"}, true, 0, 2, presses, {}},
        {"KeyIndexTobeAutomated", {SECTION, L"KeyIndexTobeAutomated"}, true, -1, KEY_COUNT,
         [noKey](int n) { return n >= 0 && n < KEY_COUNT ? Presses() : noKey; },
         SelectsPosition(IDC_KEY_LIST, L"KeyIndexTobeAutomated", KEY_COUNT), true},
        {"ModKeyIndexTobeAutomated", {SECTION, L"ModKeyIndexTobeAutomated"}, true, -1, MODIFIER_COUNT, presses,
         SelectsPosition(IDC_MODIFIER_LIST, L"ModKeyIndexTobeAutomated", MODIFIER_COUNT), true},
        // A shortcut the system refuses is reported and cleared (checked in RunRow).
        {"shortcut Key", {SECTION, ShortcutKeyValue(SECTION)}, true, 0, 0x100, presses, {}},
        {"shortcut Mod", {SECTION, ShortcutModifierValue(SECTION)}, true, 0, 0x10, presses, {}},
        {"UseSingleInstance", {SECTION_SETTINGS, L"UseSingleInstance"}, true, 1, 2, presses, {}},
        {"Twittered", {SECTION_SOCIAL, L"Twittered"}, true, 0, 2, presses, ShowsShareButton(IDC_SHARE_TWITTER)},
        {"Facebooked", {SECTION_SOCIAL, L"Facebooked"}, true, 0, 2, presses,
         ShowsShareButton(IDC_SHARE_FACEBOOK)},
        {"Googled", {SECTION_SOCIAL, L"Googled"}, true, 0, 2, presses,
         [](CTapwellInstance& tapwell, int) { EXPECT_FALSE(tapwell.Form().IsVisible(IDC_SHARE_GOOGLE)); }},

        // Read for every run or every press.
        {"EnableRandomDelay", {SECTION, L"EnableRandomDelay"}, false, 0, 2, presses, {}},
        // The random range has no upper bound; a negative one adds nothing.
        {"RandomClicksDelayMins", {SECTION, L"RandomClicksDelayMins"}, false, 0, {}, presses, {}},
        {"RandomClicksDelaySeconds", {SECTION, L"RandomClicksDelaySeconds"}, false, 30, {},
         [](int n) { return n > 0 ? Expected{Outcome::UntilStopped, 0, L""} : Presses(); }, {}},
        {"RandomClicksDelayMilliSeconds", {SECTION, L"RandomClicksDelayMilliSeconds"}, false, 0, {}, presses, {}},
        // Any value but 0 sends to the focused window, which is the recorder as well.
        {"SendKeysToActiveWindow", {SECTION, L"SendKeysToActiveWindow"}, false, 1, 2, presses, {}},
        {"SendKeysToFirstEditOfSelectedWindow", {SECTION, L"SendKeysToFirstEditOfSelectedWindow"}, false, 0, 2,
         presses, {}},
        {"SendChars", {SECTION, L"SendChars"}, false, 0, 2, presses, {}},
        {"SendKeyUps", {SECTION, L"SendKeyUps"}, false, 0, 2, presses, {}},
        {"TargetWindowClass", {SECTION, L"TargetWindowClass"}, false, {}, {}, presses, {}},
        {"TargetWindowName", {SECTION, L"TargetWindowName"}, false, {}, {}, presses, {}},
        {"UseOldKeyInputMethod", {SECTION_SETTINGS, L"UseOldKeyInputMethod"}, false, 1, 2, presses, {}},
        // Past its range a press lasts hours: the program must still answer, and stop it.
        {"TimeDelayBetweenKeyDownAndKeyUp", {SECTION_SETTINGS, L"TimeDelayBetweenKeyDownAndKeyUp"}, false, 10,
         10000000,
         [](int n) { return n > 9999999 ? Expected{Outcome::UntilStopped, 0, L""} : Presses(); }, {}},
        // A handle has no range; anything that names no window sends the user to the selector.
        {"SeekedWindows", {L"", SECTION}, false, 0, {},
         [](int) { return Expected{Outcome::Selector, 0, L""}; }, {}},
    };
    // clang-format on
}

bool IsText(const ValueCase& value) {
    return !value.nDefault.has_value();
}

bool Applies(const ValueCase& value, Variant variant) {
    return variant != Variant::PastRange || value.nPastRange.has_value() || IsText(value);
}

// The number a variant leaves for the program to read, as the settings store reads it.
int ReadAs(const ValueCase& value, Variant variant) {
    switch (variant) {
    case Variant::AllBits:
        return -1;
    case Variant::SignBit:
        return INT_MIN;
    case Variant::PastRange:
        return value.nPastRange.value_or(0);
    default:
        return value.nDefault.value_or(0);
    }
}

RawValue Dword(DWORD nValue) {
    return {REG_DWORD,
            {static_cast<BYTE>(nValue), static_cast<BYTE>(nValue >> 8), static_cast<BYTE>(nValue >> 16),
             static_cast<BYTE>(nValue >> 24)}};
}

RawValue Text(const std::wstring& strText) {
    RawValue value{REG_SZ, {}};
    for (wchar_t ch : strText + L'\0') {
        value.data.push_back(static_cast<BYTE>(ch));
        value.data.push_back(static_cast<BYTE>(ch >> 8));
    }
    return value;
}

RawValue Binary(std::size_t nBytes) {
    return {REG_BINARY, std::vector<BYTE>(nBytes, 1)};
}

// What the variant stores; nothing for a missing value.
std::optional<RawValue> Stored(const ValueCase& value, Variant variant) {
    switch (variant) {
    case Variant::Missing:
        return std::nullopt;
    case Variant::Text:
        // Longer than four bytes, so that it is no number in disguise.
        return Text(L"Recorder");
    case Variant::Binary0:
        return Binary(0);
    case Variant::Binary1:
        return Binary(1);
    case Variant::Binary3:
        return Binary(3);
    case Variant::Binary5:
        return Binary(5);
    case Variant::Binary8:
        return Binary(8);
    case Variant::AllBits:
    case Variant::SignBit:
    case Variant::PastRange:
        // A text has no range: a title far longer than any window's is past what it should hold.
        if (IsText(value) && variant == Variant::PastRange) {
            return Text(std::wstring(40000, L'x'));
        }
        return Dword(static_cast<DWORD>(ReadAs(value, variant)));
    }
    return std::nullopt;
}

class HandEditedSettings : public CTapwellCase {
protected:
    void TearDown() override {
        if (m_pTapwell) {
            EndTapwell();
        }
        if (m_pRecorder) {
            RemoveTrayIcon(m_pRecorder->Frame(), STANDING_ICON_ID);
        }
        CTapwellCase::TearDown();
    }

    // Wine hides its notification-area window when the last icon goes, which without a window manager
    // holds up the next program start for two seconds: an icon of the recorder keeps the window up.
    void KeepNotificationAreaUp() {
        NOTIFYICONDATAW icon = {};
        icon.cbSize = sizeof(icon);
        icon.hWnd = m_pRecorder->Frame();
        icon.uID = STANDING_ICON_ID;
        icon.uFlags = NIF_ICON;
        icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &icon));
    }

    static void RemoveTrayIcon(HWND hWnd, UINT nId) {
        NOTIFYICONDATAW icon = {};
        icon.cbSize = sizeof(icon);
        icon.hWnd = hWnd;
        icon.uID = nId;
        Shell_NotifyIconW(NIM_DELETE, &icon);
    }

    // Settings for three quick presses of the letter key, posted into the recorder as the selected
    // window, with a small random extra and a start/stop shortcut: every value above has a part to play.
    void StoreWorkingSettings() {
        ResetTapwellRegistry();
        const struct {
            const wchar_t* pszSection;
            std::wstring strValue;
            DWORD nData;
        } values[] = {
            {SECTION, L"AutoClicksDelayMilliSeconds", 30},
            {SECTION, L"SetNumberOfClicksToAutomate", 3},
            {SECTION, L"KeyIndexTobeAutomated", KEY_LETTER_A},
            {SECTION, L"ModKeyIndexTobeAutomated", 0},
            {SECTION, L"EnableRandomDelay", 1},
            {SECTION, L"RandomClicksDelaySeconds", 0},
            {SECTION, L"RandomClicksDelayMilliSeconds", 20},
            {SECTION, L"SendKeysToActiveWindow", 0},
            {SECTION, L"SendKeyUps", 1},
            {SECTION, ShortcutKeyValue(SECTION), VK_F7},
            {SECTION, ShortcutModifierValue(SECTION), MOD_CONTROL | MOD_ALT},
            {SECTION_SETTINGS, L"UseOldKeyInputMethod", 0},
        };
        for (const auto& value : values) {
            ASSERT_TRUE(WriteProfileDword(value.pszSection, value.strValue, value.nData));
        }
        ASSERT_TRUE(WriteRawValue({SECTION, L"TargetWindowClass"}, Text(RECORDER_CLASS)));
        const DWORD nRecorder = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(m_pRecorder->Frame()));
        ASSERT_TRUE(WriteSeekedWindow(SECTION, nRecorder));
    }

    // A fresh Tapwell on the stored settings; a refused shortcut is answered as the user would.
    void StartTapwell() {
        if (m_pTapwell) {
            EndTapwell();
        }
        CChildProcess* pProcess = m_driver.LaunchTapwell();
        ASSERT_NE(pProcess, nullptr);
        // The box comes while the main window is still hidden, and has the same class and caption.
        HWND hBox = nullptr;
        const auto mainWindowShown = [pProcess] {
            for (HWND hWnd : TopLevelWindowsOf(pProcess->Id())) {
                if (IsWindowVisible(hWnd) && GetDlgItem(hWnd, IDC_KEY_LIST)) {
                    return true;
                }
            }
            return false;
        };
        ASSERT_TRUE(WaitUntil([&] { return (hBox = FindMessageBox(pProcess->Id())) || mainWindowShown(); },
                              START_TIMEOUT_MS))
            << "no main window";
        m_bShortcutRefused = hBox != nullptr;
        if (hBox) {
            EXPECT_EQ(MessageBoxText(hBox), LOAD_HOTKEY_FAILED);
            ASSERT_TRUE(PostMessageW(GetDlgItem(hBox, IDOK), BM_CLICK, 0, 0));
            ASSERT_TRUE(WaitUntil([hBox] { return !IsWindow(hBox); }, BOX_TIMEOUT_MS));
            ASSERT_TRUE(WaitUntil(mainWindowShown, BOX_TIMEOUT_MS)) << "no main window after the box";
        }
        m_pTapwell = m_driver.AttachTapwell(*pProcess);
        ASSERT_NE(m_pTapwell, nullptr);
    }

    // Ends the running Tapwell at once, and takes its icon away as its own exit would.
    void EndTapwell() {
        RemoveTrayIcon(m_pTapwell->MainWindow(), TRAY_ICON_ID);
        m_pTapwell->Process().End();
        m_pTapwell = nullptr;
    }

    // Presses that reached the recorder since the run began: one character each, however it was sent.
    int Delivered() const {
        const std::vector<RecordedKeyMessage> log = ReadRecorderLog(m_driver.RecorderLogPath());
        return CountMessages(log, WM_CHAR, 'a') + CountMessages(log, WM_CHAR, 'A') - m_nDeliveredBefore;
    }

    // Clicks Start and follows what the program does, as a user would.
    void Run(const Expected& expected) {
        CDialogRemote& form = m_pTapwell->Form();
        m_nDeliveredBefore = 0;
        m_nDeliveredBefore = Delivered();
        const std::wstring strStatusBefore = form.Text(IDC_STATUS);
        ASSERT_TRUE(m_pRecorder->Focus());
        // The click returns once the start has been handled, except where it opens the selector. The
        // status still shows the last run's count until this run's first press.
        const bool bOpensSelector = expected.outcome == Outcome::Selector;
        const ActionResult start =
            bOpensSelector ? form.StartClick(IDC_START_KEYPRESSING) : form.Click(IDC_START_KEYPRESSING);
        const bool bSaysWhy =
            expected.outcome == Outcome::RangeMessage || expected.outcome == Outcome::NoKeyMessage;
        ASSERT_EQ(start, bSaysWhy ? ActionResult::MessageBoxShown : ActionResult::Done);

        switch (expected.outcome) {
        case Outcome::Presses: {
            ASSERT_TRUE(m_pTapwell->WaitForIdle(RUN_TIMEOUT_MS)) << "the run does not end";
            EXPECT_EQ(form.Text(IDC_STATUS), L"Keyed " + std::to_wstring(expected.nPresses) + L" Times");
            // The status counts the presses made; each must arrive, and no other.
            WaitUntil([&] { return Delivered() >= expected.nPresses; }, RUN_TIMEOUT_MS);
            EXPECT_EQ(Delivered(), expected.nPresses);
            return;
        }
        case Outcome::RangeMessage:
        case Outcome::NoKeyMessage: {
            const HWND hBox = m_pTapwell->WaitForMessageBox(BOX_TIMEOUT_MS);
            ASSERT_NE(hBox, nullptr) << "no message";
            EXPECT_EQ(MessageBoxText(hBox), expected.strMessage);
            ASSERT_TRUE(m_pTapwell->AnswerMessageBox(hBox, IDOK));
            break;
        }
        case Outcome::Selector: {
            CDialogRemote selector = m_pTapwell->WaitForDialog(SELECTOR_CAPTION, BOX_TIMEOUT_MS);
            ASSERT_NE(selector.Window(), nullptr) << "no target selector";
            ASSERT_EQ(selector.Click(IDCANCEL), ActionResult::Done);
            break;
        }
        case Outcome::UntilStopped:
            ASSERT_TRUE(WaitUntil([&] { return form.IsEnabled(IDC_STOP_KEYPRESSING); }, RUN_TIMEOUT_MS));
            break;
        }
        // A run may also have ended by itself meanwhile, and Stop with it.
        const ActionResult stop = form.Click(IDC_STOP_KEYPRESSING);
        EXPECT_TRUE(stop == ActionResult::Done || stop == ActionResult::NotPossible) << stop;
        ASSERT_TRUE(m_pTapwell->WaitForIdle(RUN_TIMEOUT_MS));
        if (expected.outcome == Outcome::NoKeyMessage || expected.outcome == Outcome::Selector) {
            EXPECT_EQ(form.Text(IDC_STATUS), strStatusBefore) << "no run";
            EXPECT_EQ(Delivered(), 0);
            return;
        }
        // Stopped by hand: every press counted arrives.
        const auto statusMatches = [&] {
            const int nDelivered = Delivered();
            return form.Text(IDC_STATUS) ==
                   (nDelivered == 0 ? strStatusBefore : L"Keyed " + std::to_wstring(nDelivered) + L" Times");
        };
        EXPECT_TRUE(WaitUntil(statusMatches, RUN_TIMEOUT_MS))
            << "delivered " << Delivered() << ", status " << form.Text(IDC_STATUS);
    }

    void RunRow(const ValueCase& value, Variant variant, bool bStartUp) {
        ASSERT_NO_FATAL_FAILURE(StoreWorkingSettings());
        const std::optional<RawValue> stored = Stored(value, variant);
        ASSERT_TRUE(stored ? WriteRawValue(value.place, *stored) : DeleteValue(value.place));
        if (bStartUp) {
            ASSERT_NO_FATAL_FAILURE(StartTapwell());
        }
        const int nRead = ReadAs(value, variant);
        if (value.checkRead) {
            value.checkRead(*m_pTapwell, nRead);
        }
        ASSERT_NO_FATAL_FAILURE(Run(value.expect(nRead)));
        EXPECT_TRUE(m_pTapwell->Process().IsRunning());

        const bool bShortcut = value.place.strValue == ShortcutKeyValue(SECTION) ||
                               value.place.strValue == ShortcutModifierValue(SECTION);
        if (bStartUp && m_bShortcutRefused) {
            EXPECT_TRUE(bShortcut) << "the working shortcut was refused";
            EXPECT_EQ(AskWindow(m_pTapwell->Form().Control(IDC_SHORTCUT_KEY), HKM_GETHOTKEY), 0);
            EXPECT_EQ(ReadProfileDword(SECTION, ShortcutKeyValue(SECTION)), DWORD{0});
            EXPECT_EQ(ReadProfileDword(SECTION, ShortcutModifierValue(SECTION)), DWORD{0});
        } else if (!value.bWrittenBack) {
            EXPECT_EQ(ReadRawValue(value.place), stored) << "the program changed the stored value";
        }
    }

    // Every row of the values read at start-up (bStartUp) or of the others.
    void RunRows(bool bStartUp) {
        m_pRecorder = m_driver.StartRecorder();
        ASSERT_NE(m_pRecorder, nullptr);
        ASSERT_NO_FATAL_FAILURE(KeepNotificationAreaUp());
        if (!bStartUp) {
            ASSERT_NO_FATAL_FAILURE(StoreWorkingSettings());
            ASSERT_NO_FATAL_FAILURE(StartTapwell());
        }
        for (const ValueCase& value : ValueCases()) {
            if (value.bReadAtStartUp != bStartUp) {
                continue;
            }
            for (Variant variant : VARIANTS) {
                if (!Applies(value, variant)) {
                    continue;
                }
                SCOPED_TRACE(std::string(value.pszName) + " " + NameOf(variant));
                const bool bFailedBefore = HasFailure();
                RunRow(value, variant, bStartUp);
                // A row that went wrong may have left the program in any state: the next starts afresh.
                if (HasFailure() && !bFailedBefore && !bStartUp) {
                    ASSERT_NO_FATAL_FAILURE(StartTapwell());
                }
            }
        }
    }

    CTargetWindow* m_pRecorder = nullptr;
    CTapwellInstance* m_pTapwell = nullptr;
    bool m_bShortcutRefused = false;
    int m_nDeliveredBefore = 0;
};
} // namespace

TEST_F(HandEditedSettings, ValuesReadAtStartUp) {
    RunRows(true);
}

TEST_F(HandEditedSettings, ValuesReadForEachRunOrPress) {
    RunRows(false);
}
