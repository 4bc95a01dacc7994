#include "UserMouse.h"

namespace {
const int STEPS_ALONG = 16;
// Absolute pointer positions are given in 1/65536 of the primary screen.
const int ABSOLUTE_SCALE = 65536;

INPUT MouseRecord(POINT point, DWORD nFlags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    // Rounded to the middle of the pixel, so that the system's scaling back lands on the same one.
    input.mi.dx = (point.x * ABSOLUTE_SCALE + ABSOLUTE_SCALE / 2) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (point.y * ABSOLUTE_SCALE + ABSOLUTE_SCALE / 2) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | nFlags;
    return input;
}

bool SendAt(POINT point, DWORD nFlags) {
    INPUT input = MouseRecord(point, nFlags);
    return SendInput(1, &input, sizeof(INPUT)) == 1;
}

POINT PointerPosition() {
    POINT point = {};
    GetCursorPos(&point);
    return point;
}

bool PressAndReleaseAt(POINT point, DWORD nDown, DWORD nUp) {
    return MovePointerTo(point) && SendAt(point, nDown) && SendAt(point, nUp);
}
} // namespace

bool MovePointerTo(POINT point) {
    return SendAt(point, 0);
}

bool MovePointerAlong(POINT point) {
    const POINT start = PointerPosition();
    for (int nStep = 1; nStep <= STEPS_ALONG; ++nStep) {
        const POINT next = {start.x + (point.x - start.x) * nStep / STEPS_ALONG,
                            start.y + (point.y - start.y) * nStep / STEPS_ALONG};
        if (!MovePointerTo(next)) {
            return false;
        }
    }
    return true;
}

bool PressLeftButton(POINT point) {
    return SendAt(point, MOUSEEVENTF_LEFTDOWN);
}

bool ReleaseLeftButton(POINT point) {
    return SendAt(point, MOUSEEVENTF_LEFTUP);
}

bool ClickAt(POINT point) {
    return PressAndReleaseAt(point, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

bool DoubleClickAt(POINT point) {
    return ClickAt(point) && ClickAt(point);
}

bool RightClickAt(POINT point) {
    return PressAndReleaseAt(point, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

POINT CenterOf(HWND hWnd) {
    RECT rect = {};
    GetWindowRect(hWnd, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
