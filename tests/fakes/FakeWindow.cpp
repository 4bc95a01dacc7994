#include "fakes/FakeWindow.h"

#include "ports/Win32Constants.h"

namespace {

int AsInt(std::uintptr_t value) {
    return static_cast<int>(static_cast<std::intptr_t>(value));
}

} // namespace

bool FakeWindow::IsButton() const {
    return kind == FakeControlKind::PushButton || kind == FakeControlKind::DefPushButton ||
           kind == FakeControlKind::CheckBox || kind == FakeControlKind::Radio;
}

bool FakeWindow::WholeTextSelected() const {
    return selStart == 0 && selEnd == static_cast<int>(text.size());
}

bool FakeWindow::ControlMessage(std::uint32_t message, WParam wParam, LParam lParam, LResult* result) {
    *result = 0;
    // TTM_ACTIVATE shares its number with HKM_SETHOTKEY: the tooltip answers first.
    if (className == L"tooltips_class32") {
        if (message == TTM_ACTIVATE) {
            toolTipActive = wParam != 0;
            return true;
        }
        if (message == TTM_RELAYEVENT) {
            ++relayedEvents;
            return true;
        }
        return false;
    }
    const int count = static_cast<int>(items.size());
    switch (message) {
    case WM_SETICON: {
        IconHandle& slot = wParam == ICON_BIG ? bigIcon : smallIcon;
        *result = slot;
        slot = static_cast<IconHandle>(lParam);
        return true;
    }
    case BM_GETCHECK:
        *result = IsButton() ? check : 0;
        return IsButton();
    case BM_SETCHECK:
        if (kind == FakeControlKind::CheckBox || kind == FakeControlKind::Radio) {
            check = AsInt(wParam);
        }
        return IsButton();
    case EM_SETSEL: {
        if (kind != FakeControlKind::Edit) {
            return false;
        }
        const int length = static_cast<int>(text.size());
        int start = AsInt(wParam);
        int end = static_cast<int>(lParam);
        if (start == -1) {
            selStart = selEnd;
            return true;
        }
        if (end == -1 || end > length) {
            end = length;
        }
        if (start > length) {
            start = length;
        }
        selStart = start < end ? start : end;
        selEnd = start < end ? end : start;
        return true;
    }
    case EM_GETSEL:
        *result = static_cast<LResult>((selStart & 0xFFFF) | ((selEnd & 0xFFFF) << 16));
        return kind == FakeControlKind::Edit;
    case HKM_SETHOTKEY:
        hotKey = static_cast<std::uint32_t>(wParam & 0xFFFF);
        return kind == FakeControlKind::HotKey;
    case HKM_GETHOTKEY:
        *result = hotKey;
        return kind == FakeControlKind::HotKey;
    case STM_SETICON:
        *result = icon;
        icon = static_cast<IconHandle>(wParam);
        return kind == FakeControlKind::Static;
    default:
        break;
    }

    if (kind == FakeControlKind::ComboBox) {
        const int index = AsInt(wParam);
        const bool valid = index >= 0 && index < count;
        switch (message) {
        case CB_RESETCONTENT:
            items.clear();
            curSel = -1;
            return true;
        case CB_GETCOUNT:
            *result = count;
            return true;
        case CB_GETCURSEL:
            *result = curSel;
            return true;
        case CB_SETCURSEL:
            // An index of -1 or past the end clears the selection and reports CB_ERR.
            curSel = valid ? index : -1;
            *result = valid ? index : CB_ERR;
            return true;
        case CB_SETITEMDATA:
            if (valid) {
                items[static_cast<std::size_t>(index)].data = static_cast<std::uintptr_t>(lParam);
            }
            *result = valid ? 0 : CB_ERR;
            return true;
        case CB_GETITEMDATA:
            *result = valid ? static_cast<LResult>(items[static_cast<std::size_t>(index)].data) : CB_ERR;
            return true;
        case CB_GETLBTEXTLEN:
            *result =
                valid ? static_cast<LResult>(items[static_cast<std::size_t>(index)].text.size()) : CB_ERR;
            return true;
        case CB_SHOWDROPDOWN:
            droppedDown = wParam != 0;
            *result = 1;
            return true;
        default:
            return false;
        }
    }

    return false;
}
