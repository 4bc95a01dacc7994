#pragma once
// Read-only questions about the windows of other processes.
#include <windows.h>

#include <string>
#include <vector>

std::wstring WindowText(HWND hWnd);
std::wstring WindowClass(HWND hWnd);
DWORD WindowProcessId(HWND hWnd);

// Top-level windows, in Z order (topmost first).
std::vector<HWND> TopLevelWindows();
std::vector<HWND> TopLevelWindowsOf(DWORD nProcessId);
std::vector<HWND> TopLevelWindowsTitled(const std::wstring& strTitle);

// The first top-level window of the process with this class and title, or nullptr.
HWND FindTopLevelWindow(DWORD nProcessId, const std::wstring& strClass, const std::wstring& strTitle);
// The first descendant of hParent with this class (compared without regard to case), or nullptr.
HWND FindDescendant(HWND hParent, const std::wstring& strClass);

// The window that has the keyboard focus in the thread that owns hWnd, or nullptr.
HWND FocusOfThreadOf(HWND hWnd);
