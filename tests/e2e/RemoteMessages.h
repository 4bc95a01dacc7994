#pragma once
// Synchronous questions to a window of another process, answered by its own thread; each is bounded
// in time, so a hung program makes a test fail instead of stall.
#include <windows.h>

#include <string>

LRESULT AskWindow(HWND hWnd, UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0);
// The text the window itself reports (WM_GETTEXT), which for an Edit is its content.
std::wstring AskWindowText(HWND hWnd);
