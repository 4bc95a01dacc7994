// The option dialogs the main dialog opens: what each shows when it opens, and what a valid OK
// stores (Cancel is followed end to end).
#include <gtest/gtest.h>

#include "MainDialogFixture.h"

using namespace main_dialog_test;

namespace {

constexpr const wchar_t* CLICK = nullptr;

// A dialog with the settings it shows and stores, in the order it stores them.
struct OptionDialogKind {
    std::uint32_t nOpener;
    const wchar_t* pszCaption;
    bool bShared; // section "Settings" rather than this instance's
    std::vector<const wchar_t*> values;
    std::vector<int> controls; // shown as their text, or x / - for their check
};
const OptionDialogKind RANDOM{
    IDC_RANDOM_DELAY,
    L"Random delay - Tapwell by Tovrin",
    false,
    {L"EnableRandomDelay", L"RandomClicksDelayMilliSeconds", L"RandomClicksDelayMins",
     L"RandomClicksDelaySeconds"},
    {IDC_ENABLE_RANDOM_DELAY, IDC_RANDOM_MINUTES, IDC_RANDOM_SECONDS, IDC_RANDOM_MILLISECONDS}};
const OptionDialogKind METHOD{ID_CONTEXT_SIMULATION_SETTINGS,
                              L"Settings - Tapwell by Tovrin",
                              true,
                              {L"UseOldKeyInputMethod", L"TimeDelayBetweenKeyDownAndKeyUp"},
                              {IDC_METHOD_NORMAL, IDC_METHOD_BRUTE, IDC_KEY_DOWN_UP_DELAY}};
const OptionDialogKind INSTANCE{ID_CONTEXT_INSTANCE_MODE,
                                L"Instance Controller - Tapwell by Tovrin",
                                true,
                                {L"UseSingleInstance"},
                                {IDC_SINGLE_INSTANCE, IDC_MULTIPLE_INSTANCES}};

struct Step {
    int nId;
    const wchar_t* pszText; // CLICK: a click instead of a text
};
struct OptionDialogCase {
    const char* pszName;
    const OptionDialogKind& kind;
    std::vector<int> stored; // the kind's values, in order; none when empty
    std::wstring strShown;
    std::vector<Step> steps; // the last one is OK
    std::wstring strMessage; // a refusal, which keeps the dialog open
    std::vector<int> written;
};

// clang-format off
const OptionDialogCase CASES[] = {
    {"RandomDefaults", RANDOM, {}, L"-|0|30|0", {{IDOK, CLICK}}, L"", {0, 0, 0, 30}},
    {"RandomStoresWhatWasRead", RANDOM, {1, 4, 2, 3}, L"x|2|3|4", {{IDC_ENABLE_RANDOM_DELAY, CLICK},
     {IDC_RANDOM_MINUTES, L" 7 "}, {IDC_RANDOM_MILLISECONDS, L"-5"}, {IDOK, CLICK}}, L"", {0, -5, 7, 3}},
    {"RandomEmptySecondsRefused", RANDOM, {}, L"-|0|30|0", {{IDC_ENABLE_RANDOM_DELAY, CLICK},
     {IDC_RANDOM_SECONDS, L""}, {IDOK, CLICK}}, L"Enter an integer.", {}},
    {"MethodDefaults", METHOD, {}, L"-|x|10", {{IDOK, CLICK}}, L"", {1, 10}},
    {"MethodUnknownStoresMinusOne", METHOD, {5, 25}, L"-|-|25", {{IDC_KEY_DOWN_UP_DELAY, L"0"}, {IDOK, CLICK}},
     L"", {-1, 0}},
    {"MethodNormalHighestDelay", METHOD, {}, L"-|x|10", {{IDC_METHOD_NORMAL, CLICK},
     {IDC_KEY_DOWN_UP_DELAY, L"9999999"}, {IDOK, CLICK}}, L"", {0, 9999999}},
    {"MethodDelayAboveRangeRefused", METHOD, {}, L"-|x|10", {{IDC_KEY_DOWN_UP_DELAY, L"10000000"}, {IDOK, CLICK}},
     L"Enter an integer between 0 and 9999999.", {}},
    {"MethodEmptyDelayRefused", METHOD, {}, L"-|x|10", {{IDC_KEY_DOWN_UP_DELAY, L""}, {IDOK, CLICK}},
     L"Enter a positive integer.", {}},
    {"InstanceNothingStoredIsSingle", INSTANCE, {}, L"x|-", {{IDOK, CLICK}}, L"", {1}},
    {"InstanceTwoIsMultiple", INSTANCE, {2}, L"-|x", {{IDOK, CLICK}}, L"", {0}},
    {"InstanceZeroThenSingleChosen", INSTANCE, {0}, L"-|x", {{IDC_SINGLE_INSTANCE, CLICK}, {IDOK, CLICK}}, L"", {1}},
};
// clang-format on

void PrintTo(const OptionDialogCase& c, std::ostream* out) {
    *out << c.pszName;
}

class OptionDialog : public MainDialogFixture, public ::testing::WithParamInterface<OptionDialogCase> {};

TEST_P(OptionDialog, ShowsTheStoredValuesAndStoresOnlyAValidOk) {
    const OptionDialogCase& c = GetParam();
    for (std::size_t i = 0; i < c.stored.size(); ++i) {
        StoreInt(c.kind.values[i], c.stored[i], c.kind.bShared ? L"Settings" : L"Settings 0");
    }
    Start();
    ClearRegistryLog();
    std::wstring strShown;
    bool bOpenAfterSteps = false;
    m_windows.QueueUserAction([&] {
        const WindowHandle dialog = m_windows.TopDialog();
        EXPECT_EQ(m_windows.Window(dialog).text, c.kind.pszCaption);
        EXPECT_EQ(m_windows.Window(dialog).bigIcon, m_windows.IconOf(IDI_TAPWELL));
        for (int id : c.kind.controls) {
            const FakeWindow& control = m_windows.ControlState(dialog, id);
            strShown +=
                (strShown.empty() ? L"" : L"|") + (control.kind == FakeControlKind::Edit ? control.text
                                                   : control.check                       ? L"x"
                                                                                         : L"-");
        }
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

    m_windows.Deliver(Main(), WM_COMMAND, c.kind.nOpener, 0);
    m_windows.DispatchPosted();

    EXPECT_EQ(strShown, c.strShown);
    EXPECT_EQ(bOpenAfterSteps, !c.strMessage.empty());
    EXPECT_EQ(m_windows.MessageBoxes().empty() ? L"" : m_windows.MessageBoxes().back().text, c.strMessage);
    std::vector<std::string> written;
    for (std::size_t i = 0; i < c.written.size(); ++i) {
        written.push_back("write " + std::string(c.kind.bShared ? "Settings/" : "Settings 0/") +
                          Narrow(c.kind.values[i]) + " = " + std::to_string(c.written[i]));
    }
    EXPECT_EQ(Writes(), written);
}

INSTANTIATE_TEST_SUITE_P(Cases, OptionDialog, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<OptionDialogCase>& info) {
                             return info.param.pszName;
                         });

} // namespace
