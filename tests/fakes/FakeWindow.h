#pragma once
// The state of one window of FakeWindows, and how a control answers the messages sent to it.
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/FakeDialogTemplate.h"
#include "ports/IWindowProcedure.h"
#include "ports/WinTypes.h"

struct FakeComboItem {
    std::wstring text;
    std::uintptr_t data = 0;
};

struct FakeTool {
    WindowHandle owner = 0;
    WindowHandle tool = 0;
    std::wstring text;
};

struct FakeWindow {
    WindowHandle handle = 0;
    WindowHandle parent = 0; // the parent of a child window, the owner of a top-level one
    bool child = false;
    int id = 0;
    FakeControlKind kind = FakeControlKind::Window;
    std::wstring className;
    std::wstring text;
    bool enabled = true;
    bool visible = true;
    bool iconic = false;
    bool destroying = false;
    bool destroyed = false;
    bool digitsOnly = false;
    bool groupStart = false;
    bool tabStop = false;
    IWindowProcedure* procedure = nullptr;
    std::uint32_t templateId = 0;
    Rect rect; // relative to the parent's client area for a child, screen for a top-level window
    std::uint32_t processId = 0;
    std::uint32_t threadId = 0;
    WindowHandle lastFocus = 0; // a dialog's focused control, given back when it is activated

    int check = 0;                    // BST_* of a check box or radio button
    std::vector<FakeComboItem> items; // combo box
    int curSel = -1;
    bool droppedDown = false;
    std::uint32_t hotKey = 0; // MAKEWORD(vk, HOTKEYF_*)
    int selStart = 0;         // edit selection, end exclusive
    int selEnd = 0;
    IconHandle icon = 0;    // STM_SETICON
    IconHandle bigIcon = 0; // WM_SETICON
    IconHandle smallIcon = 0;
    std::vector<FakeTool> tools; // tooltip control
    bool toolTipActive = false;
    int relayedEvents = 0;

    bool IsLive() const { return !destroyed; }
    bool IsButton() const;
    // The whole text is selected (EM_SETSEL 0, -1 or the equivalent).
    bool WholeTextSelected() const;
    // The messages a control understands; false for any other message (the result is then 0).
    bool ControlMessage(std::uint32_t message, WParam wParam, LParam lParam, LResult* result);
};
