#pragma once
// The user's own mouse: real pointer input through the system's input queue (SendInput). It reaches
// the window under the pointer, or the window that holds the mouse capture, as a hand would.
#include <windows.h>

bool MovePointerTo(POINT point);
// Moves from where the pointer is in small steps, so that every window on the way sees it pass.
bool MovePointerAlong(POINT point);
// The button goes down or up at the point, with the pointer brought there in the same input record,
// so that nothing moving the pointer in between can make it land elsewhere.
bool PressLeftButton(POINT point);
bool ReleaseLeftButton(POINT point);
bool ClickAt(POINT point);
bool DoubleClickAt(POINT point);
bool RightClickAt(POINT point);

POINT CenterOf(HWND hWnd);
