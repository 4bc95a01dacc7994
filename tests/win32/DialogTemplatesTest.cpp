// The fakes' dialog templates, written from Tapwell.rc at build time, against the real ones the
// system creates from it: the same controls in the same order, with the same identifiers, kinds,
// texts and states, so the dialogs the unit tests drive cannot drift from what the user sees.
#include "platform/win32/Win32Sdk.h"

#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/ResourceDialogTemplates.h"

namespace {

// In the order of FakeControlKind.
const wchar_t* const KIND_NAMES[] = {L"Dialog",   L"Window",   L"PushButton", L"DefPushButton",
                                     L"CheckBox", L"Radio",    L"Edit",       L"ComboBox",
                                     L"Static",   L"GroupBox", L"HotKey"};
static_assert(std::size(KIND_NAMES) == static_cast<std::size_t>(FakeControlKind::HotKey) + 1);

const wchar_t* KindName(FakeControlKind kind) {
    return KIND_NAMES[static_cast<std::size_t>(kind)];
}

FakeControlKind KindOf(HWND control) {
    wchar_t className[64] = {};
    GetClassNameW(control, className, 64);
    const std::wstring strClass = className;
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (strClass == L"Button") {
        switch (style & BS_TYPEMASK) {
        case BS_DEFPUSHBUTTON:
            return FakeControlKind::DefPushButton;
        case BS_AUTOCHECKBOX:
            return FakeControlKind::CheckBox;
        case BS_AUTORADIOBUTTON:
            return FakeControlKind::Radio;
        case BS_GROUPBOX:
            return FakeControlKind::GroupBox;
        default:
            return FakeControlKind::PushButton;
        }
    }
    if (strClass == L"Edit") {
        return FakeControlKind::Edit;
    }
    if (strClass == L"ComboBox") {
        return FakeControlKind::ComboBox;
    }
    if (strClass == HOTKEY_CLASSW) {
        return FakeControlKind::HotKey;
    }
    return strClass == L"Static" ? FakeControlKind::Static : FakeControlKind::Window;
}

// One line per control; a static's group flag is left out, since the fakes give it no meaning.
std::wstring Describe(int id, FakeControlKind kind, const std::wstring& text, bool visible, bool enabled,
                      bool digitsOnly, bool groupStart, bool tabStop) {
    std::wstring line = std::to_wstring(id) + L" " + KindName(kind) + L" \"" + text + L"\"";
    line += visible ? L"" : L" hidden";
    line += enabled ? L"" : L" disabled";
    line += digitsOnly ? L" digits" : L"";
    line += groupStart && kind != FakeControlKind::Static ? L" group" : L"";
    line += tabStop ? L" tab" : L"";
    return line;
}

std::vector<std::wstring> Describe(const FakeDialogTemplate& dialog) {
    std::vector<std::wstring> lines{L"caption \"" + dialog.caption + L"\""};
    for (const FakeControl& c : dialog.controls) {
        lines.push_back(
            Describe(c.id, c.kind, c.text, c.visible, c.enabled, c.digitsOnly, c.groupStart, c.tabStop));
    }
    return lines;
}

INT_PTR CALLBACK NoProcedure(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

std::vector<std::wstring> DescribeReal(int dialogId) {
    const HWND dialog =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialogId), nullptr, NoProcedure, 0);
    if (dialog == nullptr) {
        return {L"no dialog " + std::to_wstring(dialogId)};
    }
    wchar_t text[256] = {};
    GetWindowTextW(dialog, text, 256);
    std::vector<std::wstring> lines{L"caption \"" + std::wstring(text) + L"\""};
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(c, GWL_STYLE);
        const FakeControlKind kind = KindOf(c);
        text[0] = L'\0';
        // An icon's text is the resource it shows, which the fakes do not copy.
        if (kind != FakeControlKind::Static || (style & SS_TYPEMASK) != SS_ICON) {
            GetWindowTextW(c, text, 256);
        }
        lines.push_back(Describe(static_cast<short>(GetDlgCtrlID(c)), kind, text, (style & WS_VISIBLE) != 0,
                                 (style & WS_DISABLED) == 0,
                                 kind == FakeControlKind::Edit && (style & ES_NUMBER) != 0,
                                 (style & WS_GROUP) != 0, (style & WS_TABSTOP) != 0));
    }
    DestroyWindow(dialog);
    return lines;
}

struct TemplateCase {
    const char* name;
    int dialogId;
};

class DialogTemplates : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(DialogTemplates, FakeCopyMatchesTheResource) {
    const TemplateCase& c = GetParam();
    EXPECT_EQ(DescribeReal(c.dialogId), Describe(ResourceDialogTemplate(c.dialogId)));
}

INSTANTIATE_TEST_SUITE_P(Tapwell, DialogTemplates,
                         ::testing::Values(TemplateCase{"Main", IDD_MAIN_DIALOG},
                                           TemplateCase{"About", IDD_ABOUT_DIALOG},
                                           TemplateCase{"RandomDelay", IDD_RANDOM_DELAY},
                                           TemplateCase{"InstanceMode", IDD_INSTANCE_MODE},
                                           TemplateCase{"SimulationMethod", IDD_SIMULATION_METHOD}),
                         [](const ::testing::TestParamInfo<TemplateCase>& info) { return info.param.name; });

} // namespace
