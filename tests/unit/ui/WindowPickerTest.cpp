// Which window lies under the pointer, and the inverted outline that marks it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakePainting.h"
#include "fakes/FakeWindows.h"
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

    FakeWindows m_windows;
    FakePainting m_painting;
    CWindowPicker m_picker{m_windows, m_painting};
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

TEST_F(PickerFind, FrameOverControlsGivesWayToTheSmallestControlUnderThePoint) {
    const WindowHandle form = AddForm();
    // A frame drawn as a plain child lies on top of the controls it surrounds.
    const WindowHandle frame = m_windows.AddChildWindow(form, L"Button", 10, {10, 10, 300, 200});
    const WindowHandle panel = m_windows.AddChildWindow(form, L"Panel", 11, {20, 20, 200, 150});
    const WindowHandle edit = m_windows.AddChildWindow(form, L"Edit", 12, {30, 30, 130, 52});
    ASSERT_EQ(m_windows.WindowFromPoint({140, 140}), frame);

    EXPECT_EQ(m_picker.FindWindowAtPoint({140, 140}), edit);
    EXPECT_EQ(m_picker.FindWindowAtPoint({200, 200}), panel); // (100, 100) in the form: outside the edit
    EXPECT_EQ(m_picker.FindWindowAtPoint({350, 250}), frame);
}

TEST_F(PickerFind, HiddenSmallerSiblingIsPassedOver) {
    const WindowHandle form = AddForm();
    const WindowHandle frame = m_windows.AddChildWindow(form, L"Button", 10, {10, 10, 300, 200});
    const WindowHandle hidden = m_windows.AddChildWindow(form, L"Edit", 12, {30, 30, 130, 52});
    m_windows.MutableWindow(hidden).visible = false;

    EXPECT_EQ(m_picker.FindWindowAtPoint({140, 140}), frame);
}

TEST_F(PickerFind, OnEqualAreasTheEarlierSiblingStays) {
    const WindowHandle form = AddForm();
    m_windows.AddChildWindow(form, L"Button", 10, {10, 10, 300, 200});
    const WindowHandle first = m_windows.AddChildWindow(form, L"Edit", 12, {30, 30, 130, 52});
    m_windows.AddChildWindow(form, L"Edit", 13, {20, 30, 120, 52});

    EXPECT_EQ(m_picker.FindWindowAtPoint({140, 140}), first);
}

TEST_F(PickerFind, SiblingsAboveTheHitWindowAreNotConsidered) {
    const WindowHandle form = AddForm();
    // Above the frame in z-order but disabled, so the system reports the frame.
    const WindowHandle above = m_windows.AddChildWindow(form, L"Edit", 9, {30, 30, 130, 52});
    m_windows.MutableWindow(above).enabled = false;
    const WindowHandle frame = m_windows.AddChildWindow(form, L"Button", 10, {10, 10, 300, 200});
    ASSERT_EQ(m_windows.WindowFromPoint({140, 140}), frame);

    EXPECT_EQ(m_picker.FindWindowAtPoint({140, 140}), frame);
}

TEST_F(PickerFind, SmallerSiblingNotUnderThePointIsPassedOver) {
    const WindowHandle form = AddForm();
    const WindowHandle frame = m_windows.AddChildWindow(form, L"Button", 10, {10, 10, 300, 200});
    m_windows.AddChildWindow(form, L"Edit", 12, {30, 30, 130, 52});

    // Right and bottom edges are outside a rectangle.
    EXPECT_EQ(m_picker.FindWindowAtPoint({230, 140}), frame);
    EXPECT_EQ(m_picker.FindWindowAtPoint({140, 152}), frame);
    EXPECT_EQ(m_picker.FindWindowAtPoint({229, 151}), m_windows.Control(form, 12));
}

// --- The outline ---

using PickerOutlineEdge = PickerFixture;

struct OutlineCase : NamedRow {
    Rect rect; // screen
    int virtualWidth;
    int virtualHeight;
    std::vector<std::string> patBlts; // after "GetWindowDC", before "ReleaseDC"
};

using PickerOutline = TableTest<PickerFixture, OutlineCase>;

TEST_P(PickerOutline, InvertsFourBarsInWindowCoordinates) {
    const OutlineCase& c = GetParam();
    m_windows.SetSystemMetric(SM_CXVIRTUALSCREEN, c.virtualWidth);
    m_windows.SetSystemMetric(SM_CYVIRTUALSCREEN, c.virtualHeight);
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

TEST_F(PickerOutlineEdge, OutlineOfAnEmptyWindowDrawsNothing) {
    const WindowHandle form = AddForm({100, 100, 100, 300});

    m_picker.InvertFrame(form);

    EXPECT_EQ(m_painting.Log().Count("PatBlt"), 0u);
}

TEST_F(PickerOutlineEdge, NoWindowMeansNoDrawingAtAll) {
    // A null window would stand for the whole screen.
    m_picker.InvertFrame(0);

    EXPECT_TRUE(m_painting.Log().Empty());
}

TEST_F(PickerOutlineEdge, WindowThatIsGoneIsNotDrawnOn) {
    const WindowHandle form = AddForm();
    m_windows.DestroyWindow(form);

    m_picker.InvertFrame(form);

    EXPECT_EQ(m_painting.Log().Count("PatBlt"), 0u);
}

TEST_F(PickerOutlineEdge, WithoutADeviceContextNothingIsDrawnOrReleased) {
    const WindowHandle form = AddForm();
    m_painting.FailNextWindowDC();

    m_picker.InvertFrame(form);

    EXPECT_TRUE(SequenceMatches(m_painting.Log(), {"GetWindowDC(" + Hex(form) + ")"}));
}

TEST_F(PickerOutlineEdge, SecondOutlineInvertsTheSameBarsAgain) {
    const WindowHandle form = AddForm({100, 50, 300, 250});

    m_picker.InvertFrame(form);
    m_picker.InvertFrame(form);

    const std::vector<std::string> bars = m_painting.Log().Select({"PatBlt"});
    ASSERT_EQ(bars.size(), 8u);
    for (std::size_t i = 0; i < 4; ++i) {
        // Same geometry; only the device context differs.
        EXPECT_EQ(bars[i].substr(bars[i].find(',')), bars[i + 4].substr(bars[i + 4].find(',')));
    }
}

} // namespace
