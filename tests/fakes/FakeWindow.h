#pragma once
// The state of one window of FakeWindowTree, and how a control answers the messages sent to it.
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "fakes/FakeDialogTemplate.h"
#include "ports/IWindowProcedure.h"
#include "ports/Win32Constants.h"
#include "ports/WinTypes.h"

struct FakeComboItem {
    std::wstring text;
    std::uintptr_t data = 0;
};

struct FakeTool {
    WindowHandle owner = 0, tool = 0;
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
    bool enabled = true, visible = true, iconic = false;
    bool destroying = false, destroyed = false;
    bool digitsOnly = false, groupStart = false, tabStop = false; // as the template says
    IWindowProcedure* procedure = nullptr;
    std::uint32_t templateId = 0;
    Rect rect; // relative to the parent's client area for a child, screen for a top-level window
    std::uint32_t processId = 0, threadId = 0;
    WindowHandle lastFocus = 0; // a dialog's focused control, given back when it is activated

    int check = 0;                    // BST_* of a check box or radio button
    std::vector<FakeComboItem> items; // combo box
    int curSel = -1;
    bool droppedDown = false;
    std::uint32_t hotKey = 0;              // MAKEWORD(vk, HOTKEYF_*)
    int selStart = 0, selEnd = 0;          // edit selection, end exclusive
    IconHandle icon = 0;                   // STM_SETICON
    IconHandle bigIcon = 0, smallIcon = 0; // WM_SETICON
    std::vector<FakeTool> tools;           // tooltip control
    bool toolTipActive = false;
    int relayedEvents = 0;

    bool IsLive() const { return !destroyed; }
    bool IsButton() const {
        return kind == FakeControlKind::PushButton || kind == FakeControlKind::DefPushButton ||
               kind == FakeControlKind::CheckBox || kind == FakeControlKind::Radio;
    }
    // The whole text is selected (EM_SETSEL 0, -1 or the equivalent).
    bool WholeTextSelected() const { return selStart == 0 && selEnd == static_cast<int>(text.size()); }

    // What a control without a procedure answers to a message (0 to one it does not know).
    LResult ControlMessage(std::uint32_t message, WParam wParam, LParam lParam) {
        const int index = static_cast<int>(static_cast<std::intptr_t>(wParam));
        // TTM_ACTIVATE shares its number with HKM_SETHOTKEY: the tooltip answers first.
        if (className == L"tooltips_class32") {
            toolTipActive = message == TTM_ACTIVATE ? wParam != 0 : toolTipActive;
            relayedEvents += message == TTM_RELAYEVENT ? 1 : 0;
            return 0;
        }
        switch (message) {
        case WM_SETICON:
            return std::exchange(wParam == ICON_BIG ? bigIcon : smallIcon, static_cast<IconHandle>(lParam));
        case BM_GETCHECK:
            return IsButton() ? check : 0;
        case BM_SETCHECK:
            check = kind == FakeControlKind::CheckBox || kind == FakeControlKind::Radio ? index : check;
            return 0;
        case EM_SETSEL:
            if (kind == FakeControlKind::Edit) {
                SetSel(index, static_cast<int>(lParam));
            }
            return 0;
        case EM_GETSEL:
            return static_cast<LResult>((selStart & 0xFFFF) | ((selEnd & 0xFFFF) << 16));
        case HKM_SETHOTKEY:
            hotKey = static_cast<std::uint32_t>(wParam & 0xFFFF);
            return 0;
        case HKM_GETHOTKEY:
            return hotKey;
        case STM_SETICON:
            return std::exchange(icon, static_cast<IconHandle>(wParam));
        default:
            return kind == FakeControlKind::ComboBox ? ComboMessage(message, index, lParam) : 0;
        }
    }

private:
    // EM_SETSEL: a start of -1 drops the selection; an end of -1, or past the text, is its end.
    void SetSel(int start, int end) {
        const int length = static_cast<int>(text.size());
        end = end == -1 || end > length ? length : end;
        start = std::min(start, length);
        selStart = start == -1 ? selEnd : std::min(start, end);
        selEnd = start == -1 ? selEnd : std::max(start, end);
    }

    LResult ComboMessage(std::uint32_t message, int index, LParam lParam) {
        const bool valid = index >= 0 && index < static_cast<int>(items.size());
        FakeComboItem* item = valid ? &items[static_cast<std::size_t>(index)] : nullptr;
        switch (message) {
        case CB_RESETCONTENT:
            items.clear();
            curSel = -1;
            return 0;
        case CB_GETCOUNT:
            return static_cast<LResult>(items.size());
        case CB_GETCURSEL:
            return curSel;
        case CB_SETCURSEL: // an index of -1 or past the end clears the selection and reports CB_ERR
            curSel = valid ? index : -1;
            return valid ? index : CB_ERR;
        case CB_SETITEMDATA:
            if (valid) {
                item->data = static_cast<std::uintptr_t>(lParam);
            }
            return valid ? 0 : CB_ERR;
        case CB_GETITEMDATA:
            return valid ? static_cast<LResult>(item->data) : CB_ERR;
        case CB_GETLBTEXTLEN:
            return valid ? static_cast<LResult>(item->text.size()) : CB_ERR;
        case CB_SHOWDROPDOWN:
            droppedDown = index != 0;
            return 1;
        default:
            return 0;
        }
    }
};
