#pragma once
// The pointer over a FakeWindowTree: a position the test sets, the capture (which ends with its
// window) and the shape; the program's calls go to the tree's log.
#include "fakes/FakeWindowTree.h"
#include "ports/IPointer.h"

class FakePointer : public IPointer {
public:
    static constexpr IconHandle WAIT_CURSOR = 0x0003'7F02;

    explicit FakePointer(FakeWindowTree& tree) : m_tree(tree) {}

    bool GetCursorPos(Point* point) override {
        *point = m_cursorPos;
        return true;
    }
    WindowHandle SetCapture(WindowHandle window) override {
        return m_tree.LogCall(Call("SetCapture", {Hex(window)}), std::exchange(m_capture, window));
    }
    bool ReleaseCapture() override {
        m_capture = 0;
        return m_tree.LogCall("ReleaseCapture()", true);
    }
    IconHandle SetCursor(IconHandle cursor) override {
        return m_tree.LogCall(Call("SetCursor", {Hex(cursor)}), std::exchange(m_cursor, cursor));
    }
    IconHandle LoadWaitCursor() override { return m_tree.LogCall("LoadWaitCursor()", WAIT_CURSOR); }
    IconHandle LoadCursor(std::uint32_t id) override {
        return m_tree.LogCall(Call("LoadCursor", {std::to_string(id)}), CursorOf(id));
    }

    void SetCursorPos(Point point) { m_cursorPos = point; }
    WindowHandle Capture() const { return m_tree.FindLive(m_capture) != nullptr ? m_capture : 0; }
    IconHandle Cursor() const { return m_cursor; }
    static IconHandle CursorOf(std::uint32_t resourceId) { return 0x0002'0000 | resourceId; }

private:
    FakeWindowTree& m_tree;
    WindowHandle m_capture = 0;
    IconHandle m_cursor = 0;
    Point m_cursorPos;
};
