// Picking the target by dragging the sight: the drag states, the outline on the window under the
// pointer, the description, and what a release leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "SelectorFixture.h"
#include "fakes/RegistryBytes.h"

namespace selector_test {
namespace {

constexpr Rect EDITOR_RECT{600, 100, 1000, 500};
constexpr Point ON_EDITOR_FRAME{610, 120}; // inside the editor, above its edit control
constexpr Point ON_NOTHING{1200, 900};

using SelectorDrag = SelectorFixture;

TEST_F(SelectorDrag, PressOnTheSightStartsTheDrag) {
    SelectorView view;
    WindowHandle capture = 0;
    WindowHandle dialog = 0;
    IconHandle cursor = 0;
    Run({PressOnSight(), Look(&view), Check([&] {
             capture = m_windows.Capture();
             dialog = Dialog();
             cursor = m_windows.Cursor();
         }),
         Release(), Click(IDCANCEL)});

    EXPECT_EQ(view.sightIcon, m_windows.IconOf(IDI_TARGET_EMPTY));
    EXPECT_EQ(cursor, m_windows.CursorOf(IDCUR_SIGHT));
    EXPECT_NE(dialog, 0u);
    EXPECT_EQ(capture, dialog);
}

TEST_F(SelectorDrag, PressBesideTheSightDoesNothing) {
    SelectorView view;
    Run({PressAt({SIGHT_RECT.right, SIGHT_RECT.top + 5}), Look(&view), Release(), Look(&view),
         Click(IDCANCEL)});

    EXPECT_EQ(m_windows.Log().Count("SetCapture"), 0u);
    EXPECT_EQ(view.sightIcon, 0u); // the template's picture was never replaced
    EXPECT_EQ(view.activeWindow, 1);
}

TEST_F(SelectorDrag, PressAndReleaseWithoutMovingSwitchesToTheSelectedWindowOnly) {
    const WindowHandle editor = AddEditor(EDITOR_RECT);
    StoreTarget(1, editor);

    SelectorView view;
    WindowHandle capture = 1;
    Run({PressOnSight(), Release(), Look(&view), Check([&] { capture = m_windows.Capture(); }), Click(IDOK)});

    EXPECT_EQ(view.activeWindow, 0);
    EXPECT_EQ(view.selectedWindow, 1);
    EXPECT_EQ(view.sightIcon, m_windows.IconOf(IDI_TARGET));
    EXPECT_EQ(capture, 0u);
    EXPECT_EQ(m_painting.Log().Count("PatBlt"), 0u);
    EXPECT_EQ(Stored(L"SendKeysToActiveWindow"), 0);
    EXPECT_EQ(StoredSeeked(), editor);
}

TEST_F(SelectorDrag, DroppingOnAWindowOutlinesDescribesAndStoresIt) {
    const WindowHandle editor = AddEditor(EDITOR_RECT);

    SelectorView during;
    SelectorView after;
    Run({PressOnSight(), MoveTo(ON_EDITOR_FRAME), Look(&during), Release(), Look(&after), Click(IDOK)});

    // Drawn while over the editor, removed on release (the bars themselves are the picker's).
    EXPECT_TRUE(SequenceMatches(m_painting.Log().Select({"GetWindowDC"}),
                                {"GetWindowDC(" + Hex(editor) + ")", "GetWindowDC(" + Hex(editor) + ")"}));
    EXPECT_EQ(m_painting.Log().Count("PatBlt"), 8u);

    const std::wstring description =
        L"Untitled - Notepad, Notepad, Width = 400, Height = 400, Control(s) : 1";
    EXPECT_EQ(during.description, description);
    EXPECT_TRUE(during.firstEditEnabled);
    EXPECT_EQ(during.activeWindow, 1); // the radio group changes only on release
    EXPECT_EQ(after.description, description);
    EXPECT_EQ(after.selectedWindow, 1);
    EXPECT_EQ(StoredSeeked(), editor);
    EXPECT_EQ(Stored(L"SendKeysToActiveWindow"), 0);
}

TEST_F(SelectorDrag, MovesWithinTheSameWindowDrawNothingMore) {
    AddEditor(EDITOR_RECT);

    Run({PressOnSight(), MoveTo(ON_EDITOR_FRAME), MoveTo({620, 125}), MoveTo({700, 130}), Release(),
         Click(IDCANCEL)});

    EXPECT_EQ(m_painting.Log().Count("GetWindowDC"), 2u); // drawn once, removed once
}

TEST_F(SelectorDrag, MovingToAnotherWindowMovesTheOutline) {
    const WindowHandle editor = AddEditor(EDITOR_RECT);
    const WindowHandle edit = m_windows.Control(editor, 15);
    m_process.SetImageName(FakeWindows::OWN_PROCESS_ID + 1, L"C:\\Editor.exe");

    SelectorView view;
    Run({PressOnSight(), MoveTo(ON_EDITOR_FRAME), MoveTo({700, 300}), Look(&view), Release(), Click(IDOK)});

    EXPECT_TRUE(SequenceMatches(m_painting.Log().Select({"GetWindowDC"}),
                                {"GetWindowDC(" + Hex(editor) + ")", "GetWindowDC(" + Hex(editor) + ")",
                                 "GetWindowDC(" + Hex(edit) + ")", "GetWindowDC(" + Hex(edit) + ")"}));
    EXPECT_EQ(view.description, L", Edit, Width = 384, Height = 342, Control(s) : 0");
    EXPECT_FALSE(view.firstEditEnabled);
    EXPECT_EQ(StoredSeeked(), edit);
    for (const auto& [name, text] : {std::pair{L"TargetWindowProgram", L"C:\\Editor.exe"},
                                     {L"TargetWindowClass", L"Notepad"},
                                     {L"TargetControlClass", L"Edit"}}) {
        const FakeRegistry::StoredValue* value = m_store.FindValue(SECTION_PATH, name);
        EXPECT_TRUE(value != nullptr && value->data == StringBytes(text));
    }
    EXPECT_EQ(Stored(L"TargetControlId"), 15);
}

TEST_F(SelectorDrag, OwnWindowIsSelectedButNeitherOutlinedNorDescribed) {
    const WindowHandle editor = AddEditor(EDITOR_RECT);
    const Point onOwnDialog{DIALOG_RECT.left + 10, DIALOG_RECT.top + 290};

    SelectorView overOwn;
    Run({PressOnSight(), MoveTo(ON_EDITOR_FRAME), MoveTo(onOwnDialog), Look(&overOwn), Release(),
         Click(IDOK)});

    // Drawn over the editor, removed from it on release; never drawn on the selector.
    EXPECT_TRUE(SequenceMatches(m_painting.Log().Select({"GetWindowDC"}),
                                {"GetWindowDC(" + Hex(editor) + ")", "GetWindowDC(" + Hex(editor) + ")"}));
    EXPECT_EQ(overOwn.description, L"Untitled - Notepad, Notepad, Width = 400, Height = 400, Control(s) : 1");
    EXPECT_EQ(StoredSeeked(), m_windows.DialogsCreated(IDD_WINDOW_SELECTOR).back());
}

TEST_F(SelectorDrag, NoWindowUnderThePointClearsTheSelectionAndTheOutline) {
    const WindowHandle editor = AddEditor(EDITOR_RECT);
    StoreTarget(0, editor);

    SelectorView view;
    Run({PressOnSight(), MoveTo(ON_EDITOR_FRAME), MoveTo(ON_NOTHING), Look(&view), Release(), Click(IDOK)});

    EXPECT_EQ(m_painting.Log().Count("GetWindowDC"), 2u);
    EXPECT_EQ(view.description, PROMPT);
    EXPECT_EQ(StoredSeeked(), 0);
}

TEST_F(SelectorDrag, PositionsLeftOfThePrimaryScreenAreSignExtended) {
    const WindowHandle left = m_windows.AddTopLevelWindow(L"Left Screen", L"Viewer", {-900, 100, -500, 400});

    Run({PressOnSight(), MoveTo({-700, 200}), Release(), Click(IDOK)});

    EXPECT_EQ(StoredSeeked(), left);
}

TEST_F(SelectorDrag, OnlyTheDialogsOwnMovesTakePart) {
    AddEditor(EDITOR_RECT);
    // Another window of ours; in its client coordinates the move would lie over the editor.
    const WindowHandle other =
        m_windows.AddTopLevelWindow(L"Other", L"Other", {0, 600, 100, 700}, FakeWindows::OWN_PROCESS_ID);

    Run({PressOnSight(),
         [this, other] {
             m_windows.Enqueue(Msg{other, WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(610, -480), 0, {}});
         },
         Release(), Click(IDOK)});

    EXPECT_EQ(m_painting.Log().Count("PatBlt"), 0u);
    EXPECT_EQ(StoredSeeked(), 0);
}

TEST_F(SelectorDrag, MovesAfterTheReleaseSelectNothing) {
    AddEditor(EDITOR_RECT);

    Run({PressOnSight(), Release(), MoveTo(ON_EDITOR_FRAME), Click(IDOK)});

    EXPECT_EQ(m_painting.Log().Count("PatBlt"), 0u);
    EXPECT_EQ(StoredSeeked(), 0);
}

TEST_F(SelectorDrag, EscapeDuringTheDragRemovesTheOutline) {
    const WindowHandle editor = AddEditor(EDITOR_RECT);

    Run({PressOnSight(), MoveTo(ON_EDITOR_FRAME), [this] { m_user.PressKey(VK_ESCAPE); }});

    EXPECT_TRUE(SequenceMatches(m_painting.Log().Select({"GetWindowDC"}),
                                {"GetWindowDC(" + Hex(editor) + ")", "GetWindowDC(" + Hex(editor) + ")"}));
    EXPECT_TRUE(m_store.m_writes.empty());
}

} // namespace
} // namespace selector_test
