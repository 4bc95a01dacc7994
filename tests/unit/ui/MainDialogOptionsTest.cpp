// The option dialogs the main dialog opens: what each shows when it opens, and what OK and Cancel
// leave in the registry.
#include <gtest/gtest.h>

#include "MainDialogFixture.h"

using namespace main_dialog_test;

namespace {

constexpr const wchar_t* CLICK = nullptr;

struct Preset {
    bool bShared; // section "Settings" rather than this instance's
    const wchar_t* pszName;
    int nValue;
};
struct Step {
    int nId;
    const wchar_t* pszText; // CLICK: a click instead of a text
};
struct OptionDialogCase {
    const char* pszName;
    std::uint32_t nOpener; // the command that opens the dialog
    std::vector<Preset> stored;
    std::vector<int> shownIds; // the controls shown below, in order
    std::wstring strShown;     // caption, then each control: its text, or x / - for its check
    std::vector<Step> steps;   // the last one closes the dialog, unless a message keeps it open
    std::wstring strMessage;
    std::vector<std::string> writes;
};

const std::vector<int> RANDOM_IDS = {IDC_ENABLE_RANDOM_DELAY, IDC_RANDOM_MINUTES, IDC_RANDOM_SECONDS,
                                     IDC_RANDOM_MILLISECONDS};
const std::vector<int> METHOD_IDS = {IDC_METHOD_NORMAL, IDC_METHOD_BRUTE, IDC_KEY_DOWN_UP_DELAY};
const std::vector<int> INSTANCE_IDS = {IDC_SINGLE_INSTANCE, IDC_MULTIPLE_INSTANCES};
const std::string RANDOM_WRITES[] = {
    "write Settings 0/EnableRandomDelay = ", "write Settings 0/RandomClicksDelayMilliSeconds = ",
    "write Settings 0/RandomClicksDelayMins = ", "write Settings 0/RandomClicksDelaySeconds = "};
const std::string METHOD_WRITE = "write Settings/UseOldKeyInputMethod = ";
const std::string DELAY_WRITE = "write Settings/TimeDelayBetweenKeyDownAndKeyUp = ";
const std::string INSTANCE_WRITE = "write Settings/UseSingleInstance = ";

const OptionDialogCase kCases[] = {
    {"RandomDefaultsStoredAsShown",
     IDC_RANDOM_DELAY,
     {},
     RANDOM_IDS,
     L"Random delay - Tapwell by Tovrin|-|0|30|0",
     {{IDOK, CLICK}},
     L"",
     {RANDOM_WRITES[0] + "0", RANDOM_WRITES[1] + "0", RANDOM_WRITES[2] + "0", RANDOM_WRITES[3] + "30"}},
    {"RandomStoresWhatWasReadUnchecked",
     IDC_RANDOM_DELAY,
     {{false, L"EnableRandomDelay", 1},
      {false, L"RandomClicksDelayMins", 2},
      {false, L"RandomClicksDelaySeconds", 3},
      {false, L"RandomClicksDelayMilliSeconds", 4}},
     RANDOM_IDS,
     L"Random delay - Tapwell by Tovrin|x|2|3|4",
     {{IDC_ENABLE_RANDOM_DELAY, CLICK},
      {IDC_RANDOM_MINUTES, L" 7 "},
      {IDC_RANDOM_MILLISECONDS, L"-5"},
      {IDOK, CLICK}},
     L"",
     {RANDOM_WRITES[0] + "0", RANDOM_WRITES[1] + "-5", RANDOM_WRITES[2] + "7", RANDOM_WRITES[3] + "3"}},
    {"RandomEmptySecondsRefused",
     IDC_RANDOM_DELAY,
     {},
     RANDOM_IDS,
     L"Random delay - Tapwell by Tovrin|-|0|30|0",
     {{IDC_ENABLE_RANDOM_DELAY, CLICK}, {IDC_RANDOM_SECONDS, L""}, {IDOK, CLICK}},
     L"Enter an integer.",
     {}},
    {"RandomCancelStoresNothing",
     IDC_RANDOM_DELAY,
     {},
     RANDOM_IDS,
     L"Random delay - Tapwell by Tovrin|-|0|30|0",
     {{IDC_RANDOM_MINUTES, L"9"}, {IDCANCEL, CLICK}},
     L"",
     {}},
    {"MethodDefaultsStoredAsShown",
     ID_CONTEXT_SIMULATION_SETTINGS,
     {},
     METHOD_IDS,
     L"Settings - Tapwell by Tovrin|-|x|10",
     {{IDOK, CLICK}},
     L"",
     {METHOD_WRITE + "1", DELAY_WRITE + "10"}},
    {"MethodUnknownShowsNeitherAndStoresMinusOne",
     ID_CONTEXT_SIMULATION_SETTINGS,
     {{true, L"UseOldKeyInputMethod", 5}},
     METHOD_IDS,
     L"Settings - Tapwell by Tovrin|-|-|10",
     {{IDOK, CLICK}},
     L"",
     {METHOD_WRITE + "-1", DELAY_WRITE + "10"}},
    {"MethodNormalWithTheHighestDelay",
     ID_CONTEXT_SIMULATION_SETTINGS,
     {},
     METHOD_IDS,
     L"Settings - Tapwell by Tovrin|-|x|10",
     {{IDC_METHOD_NORMAL, CLICK}, {IDC_KEY_DOWN_UP_DELAY, L"9999999"}, {IDOK, CLICK}},
     L"",
     {METHOD_WRITE + "0", DELAY_WRITE + "9999999"}},
    {"MethodZeroDelay",
     ID_CONTEXT_SIMULATION_SETTINGS,
     {{true, L"TimeDelayBetweenKeyDownAndKeyUp", 25}},
     METHOD_IDS,
     L"Settings - Tapwell by Tovrin|-|x|25",
     {{IDC_KEY_DOWN_UP_DELAY, L"0"}, {IDOK, CLICK}},
     L"",
     {METHOD_WRITE + "1", DELAY_WRITE + "0"}},
    {"MethodDelayAboveTheRangeRefused",
     ID_CONTEXT_SIMULATION_SETTINGS,
     {},
     METHOD_IDS,
     L"Settings - Tapwell by Tovrin|-|x|10",
     {{IDC_KEY_DOWN_UP_DELAY, L"10000000"}, {IDOK, CLICK}},
     L"Enter an integer between 0 and 9999999.",
     {}},
    {"MethodEmptyDelayRefused",
     ID_CONTEXT_SIMULATION_SETTINGS,
     {},
     METHOD_IDS,
     L"Settings - Tapwell by Tovrin|-|x|10",
     {{IDC_METHOD_NORMAL, CLICK}, {IDC_KEY_DOWN_UP_DELAY, L""}, {IDOK, CLICK}},
     L"Enter a positive integer.",
     {}},
    {"MethodCancelStoresNothing",
     ID_CONTEXT_SIMULATION_SETTINGS,
     {},
     METHOD_IDS,
     L"Settings - Tapwell by Tovrin|-|x|10",
     {{IDC_METHOD_NORMAL, CLICK}, {IDCANCEL, CLICK}},
     L"",
     {}},
    {"InstanceNothingStoredIsSingle",
     IDC_INSTANCE_MODE_S,
     {},
     INSTANCE_IDS,
     L"Instance Controller - Tapwell by Tovrin|x|-",
     {{IDOK, CLICK}},
     L"",
     {INSTANCE_WRITE + "1"}},
    {"InstanceZeroIsMultiple",
     IDC_INSTANCE_MODE,
     {{true, L"UseSingleInstance", 0}},
     INSTANCE_IDS,
     L"Instance Controller - Tapwell by Tovrin|-|x",
     {{IDOK, CLICK}},
     L"",
     {INSTANCE_WRITE + "0"}},
    {"InstanceTwoIsMultiple",
     ID_CONTEXT_INSTANCE_MODE,
     {{true, L"UseSingleInstance", 2}},
     INSTANCE_IDS,
     L"Instance Controller - Tapwell by Tovrin|-|x",
     {{IDOK, CLICK}},
     L"",
     {INSTANCE_WRITE + "0"}},
    {"InstanceSingleChosen",
     IDC_INSTANCE_MODE,
     {{true, L"UseSingleInstance", 0}},
     INSTANCE_IDS,
     L"Instance Controller - Tapwell by Tovrin|-|x",
     {{IDC_SINGLE_INSTANCE, CLICK}, {IDOK, CLICK}},
     L"",
     {INSTANCE_WRITE + "1"}},
    {"InstanceCancelStoresNothing",
     IDC_INSTANCE_MODE,
     {},
     INSTANCE_IDS,
     L"Instance Controller - Tapwell by Tovrin|x|-",
     {{IDC_MULTIPLE_INSTANCES, CLICK}, {IDCANCEL, CLICK}},
     L"",
     {}},
};

void PrintTo(const OptionDialogCase& c, std::ostream* out) {
    *out << c.pszName;
}

class OptionDialog : public MainDialogFixture, public ::testing::WithParamInterface<OptionDialogCase> {
protected:
    std::wstring Shown(WindowHandle dialog, const std::vector<int>& ids) const {
        std::wstring shown = m_windows.Window(dialog).text;
        for (int id : ids) {
            const FakeWindow& control = m_windows.ControlState(dialog, id);
            shown += L"|" + (control.kind == FakeControlKind::Edit ? control.text
                             : control.check != 0                  ? L"x"
                                                                   : L"-");
        }
        return shown;
    }
};

TEST_P(OptionDialog, ShowsTheStoredValuesAndStoresOnlyAValidOk) {
    const OptionDialogCase& c = GetParam();
    for (const Preset& preset : c.stored) {
        preset.bShared ? StoreShared(preset.pszName, preset.nValue) : StoreInt(preset.pszName, preset.nValue);
    }
    Start();
    ClearRegistryLog();
    std::wstring strShown;
    bool bOpenAfterSteps = false;
    m_windows.QueueUserAction([&] {
        const WindowHandle dialog = m_windows.TopDialog();
        strShown = Shown(dialog, c.shownIds);
        EXPECT_EQ(m_windows.Window(dialog).bigIcon, m_windows.IconOf(IDI_TAPWELL));
        for (const Step& step : c.steps) {
            EXPECT_TRUE(step.pszText == CLICK ? m_user.Click(step.nId)
                                              : m_user.SetText(step.nId, step.pszText));
        }
    });
    // Runs only when the steps left the dialog's loop going.
    m_windows.QueueUserAction([&] {
        bOpenAfterSteps = true;
        m_user.Click(IDCANCEL);
    });

    m_windows.Deliver(Main(), WM_COMMAND, c.nOpener, 0);
    m_windows.DispatchPosted();

    EXPECT_EQ(strShown, c.strShown);
    EXPECT_EQ(bOpenAfterSteps, !c.strMessage.empty());
    EXPECT_EQ(m_windows.MessageBoxes().empty() ? L"" : m_windows.MessageBoxes().back().text, c.strMessage);
    EXPECT_EQ(Writes(), c.writes);
    EXPECT_EQ(m_windows.TopDialog(), Main());
}

INSTANTIATE_TEST_SUITE_P(Cases, OptionDialog, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<OptionDialogCase>& info) {
                             return info.param.pszName;
                         });

} // namespace
