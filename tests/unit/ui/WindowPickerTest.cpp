// Which window lies under the pointer, and the inverted outline that marks it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakePainting.h"
#include "fakes/FakeWindowQueries.h"
#include "ports/Win32Constants.h"
#include "ui/WindowPicker.h"
#include "unit/TableRows.h"

namespace {

class PickerFixture : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(m_painting.OpenDCCount(), 0u) << "a device context was not released";
        EXPECT_EQ(m_painting.InvalidDCUses(), 0) << "a device context was misused";
    }

    // Another program's window at rect, with a client area starting at its top-left corner.
    WindowHandle AddForm(Rect rect = {100, 100, 500, 400}) {
        return m_windows.AddTopLevelWindow(L"Order Form", L"FormWindow", rect);
    }

    FakeWindowTree m_windows;
    FakeWindowQueries m_queries{m_windows};
    FakePainting m_painting;
    CWindowPicker m_picker{m_queries, m_painting};
};

// --- Finding the window ---

using PickerFind = PickerFixture;

TEST_F(PickerFind, NoWindowAtThePointGivesNone) {
    AddForm();
    EXPECT_EQ(m_picker.FindWindowAtPoint({50, 50}), 0u);
}

TEST_F(PickerFind, TopLevelWindowIsTakenAsItIs) {
    const WindowHandle behind = m_windows.AddTopLevelWindow(L"Small", L"Tool", {150, 150, 200, 200});
    const WindowHandle form = AddForm(); // newer, so above the small one

    EXPECT_EQ(m_picker.FindWindowAtPoint({160, 160}), form);
    EXPECT_NE(m_picker.FindWindowAtPoint({160, 160}), behind);
}

// The form's children, first on top; which of them the picker finds at each point.
struct Child {
    const wchar_t* className;
    int id;
    Rect rect; // in the form's client area
    bool visible = true;
    bool enabled = true;
};
struct Probe {
    Point point; // screen
    int id;
};
struct PickCase : NamedRow {
    std::vector<Child> children;
    int systemHit; // the control the system reports at (140, 140); 0: not checked
    std::vector<Probe> probes;
};
using PickerFindChild = TableTest<PickerFixture, PickCase>;

TEST_P(PickerFindChild, TakesTheSmallestVisibleControlUnderThePoint) {
    const PickCase& c = GetParam();
    const WindowHandle form = AddForm();
    for (const Child& child : c.children) {
        const WindowHandle window = m_windows.AddChildWindow(form, child.className, child.id, child.rect);
        m_windows.MutableWindow(window).visible = child.visible;
        m_windows.MutableWindow(window).enabled = child.enabled;
    }
    if (c.systemHit != 0) {
        ASSERT_EQ(m_queries.WindowFromPoint({140, 140}), m_windows.Control(form, c.systemHit));
    }

    for (const Probe& probe : c.probes) {
        EXPECT_EQ(m_picker.FindWindowAtPoint(probe.point), m_windows.Control(form, probe.id))
            << "at (" << probe.point.x << ", " << probe.point.y << ")";
    }
}

const Child FRAME{L"Button", 10, {10, 10, 300, 200}};
const Child EDIT{L"Edit", 12, {30, 30, 130, 52}};

INSTANTIATE_TEST_SUITE_P(Children, PickerFindChild,
                         ::testing::Values(
                             // A frame drawn as a plain child lies on top of the controls it surrounds; (200,
                             // 200) is (100, 100) in the form, outside the edit.
                             PickCase{"frame over controls gives way",
                                      {FRAME, {L"Panel", 11, {20, 20, 200, 150}}, EDIT},
                                      10,
                                      {{{140, 140}, 12}, {{200, 200}, 11}, {{350, 250}, 10}}},
                             PickCase{"hidden smaller sibling passed over",
                                      {FRAME, {L"Edit", 12, {30, 30, 130, 52}, false}},
                                      0,
                                      {{{140, 140}, 10}}},
                             PickCase{"on equal areas the earlier sibling stays",
                                      {FRAME, EDIT, {L"Edit", 13, {20, 30, 120, 52}}},
                                      0,
                                      {{{140, 140}, 12}}},
                             // Above the frame in z-order but disabled, so the system reports the frame.
                             PickCase{"siblings above the hit window not considered",
                                      {{L"Edit", 9, {30, 30, 130, 52}, true, false}, FRAME},
                                      10,
                                      {{{140, 140}, 10}}},
                             // Right and bottom edges are outside a rectangle.
                             PickCase{"smaller sibling not under the point passed over",
                                      {FRAME, EDIT},
                                      0,
                                      {{{230, 140}, 10}, {{140, 152}, 10}, {{229, 151}, 12}}}),
                         RowName());

// --- The outline ---

struct OutlineCase : NamedRow {
    Rect rect; // screen
    int virtualWidth;
    int virtualHeight;
    std::vector<std::string> patBlts; // after "GetWindowDC", before "ReleaseDC"
};

using PickerOutline = TableTest<PickerFixture, OutlineCase>;

TEST_P(PickerOutline, InvertsFourBarsInWindowCoordinates) {
    const OutlineCase& c = GetParam();
    m_queries.SetSystemMetric(SM_CXVIRTUALSCREEN, c.virtualWidth);
    m_queries.SetSystemMetric(SM_CYVIRTUALSCREEN, c.virtualHeight);
    const WindowHandle form = AddForm(c.rect);

    m_picker.InvertFrame(form);

    std::vector<std::string> expected{"GetWindowDC(" + Hex(form) + ")"};
    expected.insert(expected.end(), c.patBlts.begin(), c.patBlts.end());
    expected.push_back("ReleaseDC(" + Hex(form) + ", 0xD00)");
    EXPECT_TRUE(SequenceMatches(m_painting.Log(), expected));
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, PickerOutline,
    ::testing::Values(
        OutlineCase{"OnScreen",
                    {100, 50, 300, 250},
                    1280,
                    1024,
                    {"PatBlt(0xD00, 0, 0, 200, 3, 0x550009)", "PatBlt(0xD00, 0, 197, 3, -194, 0x550009)",
                     "PatBlt(0xD00, 197, 3, 3, 194, 0x550009)",
                     "PatBlt(0xD00, 200, 197, -200, 3, 0x550009)"}},
        OutlineCase{"PastTheLeftEdge",
                    {-50, 10, 150, 110},
                    1280,
                    1024,
                    {"PatBlt(0xD00, 50, 0, 200, 3, 0x550009)", "PatBlt(0xD00, 50, 97, 3, -94, 0x550009)",
                     "PatBlt(0xD00, 247, 3, 3, 94, 0x550009)", "PatBlt(0xD00, 250, 97, -200, 3, 0x550009)"}},
        OutlineCase{"PastTheTopEdge",
                    {10, -20, 110, 80},
                    1280,
                    1024,
                    {"PatBlt(0xD00, 0, 20, 100, 3, 0x550009)", "PatBlt(0xD00, 0, 117, 3, -94, 0x550009)",
                     "PatBlt(0xD00, 97, 23, 3, 94, 0x550009)", "PatBlt(0xD00, 100, 117, -100, 3, 0x550009)"}},
        OutlineCase{"LargerThanTheVirtualScreen",
                    {0, 0, 1400, 1100},
                    1280,
                    1024,
                    {"PatBlt(0xD00, 0, 0, 1283, 3, 0x550009)", "PatBlt(0xD00, 0, 1024, 3, -1021, 0x550009)",
                     "PatBlt(0xD00, 1280, 3, 3, 1021, 0x550009)",
                     "PatBlt(0xD00, 1283, 1024, -1283, 3, 0x550009)"}},
        OutlineCase{"MaximisedPastEveryEdge",
                    {-8, -8, 1288, 1032},
                    1280,
                    1024,
                    {"PatBlt(0xD00, 8, 8, 1275, 3, 0x550009)", "PatBlt(0xD00, 8, 1024, 3, -1013, 0x550009)",
                     "PatBlt(0xD00, 1280, 11, 3, 1013, 0x550009)",
                     "PatBlt(0xD00, 1283, 1024, -1275, 3, 0x550009)"}},
        OutlineCase{"OnASecondScreenToTheRight",
                    {1400, 100, 1600, 300},
                    2560,
                    1024,
                    {"PatBlt(0xD00, 0, 0, 200, 3, 0x550009)", "PatBlt(0xD00, 0, 197, 3, -194, 0x550009)",
                     "PatBlt(0xD00, 197, 3, 3, 194, 0x550009)",
                     "PatBlt(0xD00, 200, 197, -200, 3, 0x550009)"}}),
    RowName());

// A window the outline cannot be drawn on: only GetWindowDC may be asked, and only for a window.
struct NoOutlineCase : NamedRow {
    Rect rect; // of the form
    bool formGone;
    bool noDeviceContext;
    bool nullWindow; // a null window would stand for the whole screen
};
using PickerNoOutline = TableTest<PickerFixture, NoOutlineCase>;

TEST_P(PickerNoOutline, DrawsNothing) {
    const NoOutlineCase& c = GetParam();
    const WindowHandle form = AddForm(c.rect);
    if (c.formGone) {
        m_windows.DestroyWindow(form);
    }
    if (c.noDeviceContext) {
        m_painting.FailNextWindowDC();
    }

    m_picker.InvertFrame(c.nullWindow ? 0 : form);

    EXPECT_EQ(m_painting.Log().Count("PatBlt"), 0u);
    EXPECT_EQ(m_painting.Log().Count("GetWindowDC(0x0)"), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, PickerNoOutline,
    ::testing::Values(NoOutlineCase{"empty window", {100, 100, 100, 300}, false, false, false},
                      NoOutlineCase{"window gone", {100, 100, 500, 400}, true, false, false},
                      NoOutlineCase{"no device context", {100, 100, 500, 400}, false, true, false},
                      NoOutlineCase{"no window", {100, 100, 500, 400}, false, false, true}),
    RowName());

} // namespace
