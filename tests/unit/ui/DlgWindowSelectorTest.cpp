// The target selector: what it shows on opening, how it describes a window, its delivery options
// and what OK and Cancel leave in the settings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SelectorFixture.h"
#include "unit/TableRows.h"

namespace selector_test {
namespace {

// --- Opening ---

using SelectorOpening = SelectorFixture;

TEST_F(SelectorOpening, EmptyRegistryChoosesTheActiveWindowWithEveryOptionCleared) {
    SelectorView view;
    Run({Look(&view), Click(IDCANCEL)});

    EXPECT_EQ(view.caption, L"Target Selector - Tapwell by Tovrin");
    EXPECT_EQ(view.bigIcon, m_windows.IconOf(IDI_TAPWELL));
    EXPECT_EQ(view.smallIcon, m_windows.IconOf(IDI_TAPWELL));
    EXPECT_EQ(view.activeWindow, 1);
    EXPECT_EQ(view.selectedWindow, 0);
    EXPECT_EQ(view.description, PROMPT);
    EXPECT_FALSE(view.firstEditEnabled);
    EXPECT_EQ(view.firstEdit, 0);
    EXPECT_EQ(view.sendChars, 0);
    EXPECT_EQ(view.sendKeyUp, 0);
    EXPECT_TRUE(view.sendKeyUpEnabled);
}

TEST_F(SelectorOpening, StoredSelectedWindowIsDescribedAtOnce) {
    const WindowHandle editor = AddEditor({600, 100, 1000, 500});
    StoreTarget(0, editor, 1, 1, 1);

    SelectorView view;
    Run({Look(&view), Click(IDCANCEL)});

    EXPECT_EQ(view.description, L"Untitled - Notepad, Notepad, Width = 400, Height = 400, Control(s) : 1");
    EXPECT_EQ(view.activeWindow, 0);
    EXPECT_EQ(view.selectedWindow, 1);
    EXPECT_TRUE(view.firstEditEnabled);
    EXPECT_EQ(view.firstEdit, 1);
    EXPECT_EQ(view.sendChars, 1);
    EXPECT_EQ(view.sendKeyUp, 1);
}

TEST_F(SelectorOpening, SendingCharactersDoesNotDisableKeyUpsOnOpening) {
    StoreTarget(0, 0, 0, 1, 0);

    SelectorView view;
    Run({Look(&view), Click(IDCANCEL)});

    EXPECT_EQ(view.sendChars, 1);
    EXPECT_TRUE(view.sendKeyUpEnabled);
}

TEST_F(SelectorOpening, StoredWindowWithoutEditClearsFirstEdit) {
    const WindowHandle dialogBox = m_windows.AddTopLevelWindow(L"Question", L"#32770", {100, 100, 300, 200});
    m_windows.AddChildWindow(dialogBox, L"Button", 1, {10, 10, 80, 30}, L"Yes");
    StoreTarget(0, dialogBox, 1);

    SelectorView view;
    Run({Look(&view), Click(IDOK)});

    EXPECT_FALSE(view.firstEditEnabled);
    EXPECT_EQ(view.firstEdit, 0);
    EXPECT_EQ(Stored(L"SendKeysToFirstEditOfSelectedWindow"), 0);
}

TEST_F(SelectorOpening, StaleStoredWindowShowsThePromptAndKeepsFirstEdit) {
    const WindowHandle gone = AddEditor();
    m_windows.DestroyWindow(gone);
    StoreTarget(0, gone, 1);

    SelectorView view;
    Run({Look(&view), Click(IDCANCEL)});

    EXPECT_EQ(view.description, PROMPT);
    EXPECT_FALSE(view.firstEditEnabled);
    EXPECT_EQ(view.firstEdit, 1);
    EXPECT_EQ(view.selectedWindow, 1);
}

// --- Describing a window ---

struct DescriptionCase : NamedRow {
    // Classes of the children; a class after ">" is a child of the one before it.
    std::vector<std::wstring> children;
    int expectedControls;
    bool expectedEdit;
};

using SelectorDescription = TableTest<SelectorFixture, DescriptionCase>;

TEST_P(SelectorDescription, CountsEveryDescendantAndLooksForAnEditControl) {
    const DescriptionCase& c = GetParam();
    const WindowHandle target = m_windows.AddTopLevelWindow(L"Target", L"TargetClass", {0, 0, 640, 480});
    WindowHandle last = target;
    for (const std::wstring& className : c.children) {
        if (className.rfind(L">", 0) == 0) {
            last = m_windows.AddChildWindow(last, className.substr(1), 0, {1, 1, 20, 20});
        } else {
            last = m_windows.AddChildWindow(target, className, 0, {1, 1, 20, 20});
        }
    }
    StoreTarget(0, target, 1);

    SelectorView view;
    Run({Look(&view), Click(IDCANCEL)});

    EXPECT_EQ(view.description, L"Target, TargetClass, Width = 640, Height = 480, Control(s) : " +
                                    std::to_wstring(c.expectedControls));
    EXPECT_EQ(view.firstEditEnabled, c.expectedEdit);
    EXPECT_EQ(view.firstEdit, c.expectedEdit ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Children, SelectorDescription,
    ::testing::Values(DescriptionCase{"NoChildren", {}, 0, false},
                      DescriptionCase{"OneEdit", {L"Edit"}, 1, true},
                      DescriptionCase{"EditInCapitals", {L"EDIT"}, 1, true},
                      DescriptionCase{"RichEditIsAnEdit", {L"RichEdit20W"}, 1, true},
                      DescriptionCase{"ComboFieldIsNoEdit", {L"ComboBox", L">Edit"}, 2, false},
                      DescriptionCase{"EditBoxIsNoEdit", {L"EditBox"}, 1, false},
                      DescriptionCase{
                          "GrandchildrenCount", {L"Panel", L">Panel", L">Button", L"Static"}, 4, false},
                      DescriptionCase{"EditDeepDown", {L"Panel", L">Panel", L">Edit"}, 3, true}),
    RowName());

// --- Delivery options ---

using SelectorOptions = SelectorFixture;

TEST_F(SelectorOptions, DisplaysCharactersDisablesKeyUpsAndClearingItEnablesThem) {
    SelectorView checked;
    SelectorView cleared;
    Run({Click(IDC_SEND_CHARS), Look(&checked), Click(IDC_SEND_CHARS), Look(&cleared), Click(IDCANCEL)});

    EXPECT_EQ(checked.sendChars, 1);
    EXPECT_FALSE(checked.sendKeyUpEnabled);
    EXPECT_EQ(cleared.sendChars, 0);
    EXPECT_TRUE(cleared.sendKeyUpEnabled);
}

TEST_F(SelectorOptions, WindowWithoutControlsSendsKeyUpsOnlyAndLeavesEnabledStatesAlone) {
    const WindowHandle editor = AddEditor();
    StoreTarget(0, editor, 1, 0, 0);

    SelectorView view;
    Run({Click(IDC_SEND_CHARS), Click(IDC_WINDOW_WITHOUT_CONTROLS), Look(&view), Click(IDOK)});

    EXPECT_EQ(view.firstEdit, 0);
    EXPECT_TRUE(view.firstEditEnabled);
    EXPECT_EQ(view.sendChars, 0);
    EXPECT_EQ(view.sendKeyUp, 1);
    EXPECT_FALSE(view.sendKeyUpEnabled); // disabled by the click on 1049, and so it stays
    EXPECT_EQ(Stored(L"SendKeysToFirstEditOfSelectedWindow"), 0);
    EXPECT_EQ(Stored(L"SendChars"), 0);
    EXPECT_EQ(Stored(L"SendKeyUps"), 1);
}

// --- OK and Cancel ---

using SelectorClosing = SelectorFixture;

TEST_F(SelectorClosing, OkWritesItsSettingsInOrder) {
    const WindowHandle editor = AddEditor();
    StoreTarget(0, editor, 0, 0, 0);

    const LResult result =
        Run({Click(IDC_SEND_TO_FIRST_EDIT), Click(IDC_SEND_KEY_UPS), Click(IDC_SEND_CHARS), Click(IDOK)});

    EXPECT_EQ(result, static_cast<LResult>(IDOK));
    std::vector<std::string> names;
    for (const std::string& line : m_store.m_writes) {
        names.push_back(line.substr(line.find('/') + 1, line.find(" = ") - line.find('/') - 1));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"SendKeysToActiveWindow", "Settings 0", "TargetWindowProgram",
                                               "TargetWindowClass", "TargetWindowName", "TargetControlClass",
                                               "TargetControlId", "SendKeysToFirstEditOfSelectedWindow",
                                               "SendChars", "SendKeyUps"}));
    EXPECT_EQ(Stored(L"SendKeysToActiveWindow"), 0);
    EXPECT_EQ(StoredSeeked(), editor);
    EXPECT_EQ(Stored(L"SendKeysToFirstEditOfSelectedWindow"), 1);
    EXPECT_EQ(Stored(L"SendChars"), 1);
    EXPECT_EQ(Stored(L"SendKeyUps"), 1);
}

TEST_F(SelectorClosing, OkWorksUnderTheWaitCursorAndPutsThePointerBack) {
    m_windows.SetCursor(0x0002'7F00);
    m_windows.Log().Clear();

    Run({Click(IDOK)});

    EXPECT_TRUE(SequenceMatches(
        m_windows.Log().Select({"LoadWaitCursor", "SetCursor"}),
        {"LoadWaitCursor()", "SetCursor(" + Hex(FakeWindows::WAIT_CURSOR) + ")", "SetCursor(0x27F00)"}));
}

TEST_F(SelectorClosing, CancelWritesNothing) {
    AddEditor();
    StoreTarget(1, 0);

    const LResult result = Run({PressOnSight(), MoveTo({610, 120}), Release(), Click(IDC_SEND_CHARS),
                                Click(IDC_WINDOW_WITHOUT_CONTROLS), Click(IDCANCEL)});

    EXPECT_EQ(result, static_cast<LResult>(IDCANCEL));
    EXPECT_TRUE(m_store.m_writes.empty());
    EXPECT_EQ(Stored(L"SendKeysToActiveWindow"), 1);
    EXPECT_EQ(StoredSeeked(), 0);
}

} // namespace
} // namespace selector_test
