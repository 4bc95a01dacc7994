#pragma once
// How one running instance recognises the main window of another among the top-level windows.
#include <string>

#include "ports/IWindowQueries.h"
#include "ports/WinTypes.h"

// GetClassNameW buffer size: class names are at most 256 characters.
constexpr int MAX_CLASS_NAME = 256;

// The tests, in this order, stopping at the first that fails (so a window is asked no more than
// needed): no parent (owned pop-ups report their owner here), enabled (a main window behind a
// modal dialog is disabled), not the desktop, a folder or the taskbar, a non-empty title, and the
// title equal to strTitle, case-sensitively. The title read is left in strWindowText.
bool IsInstanceMainWindow(IWindowQueries& windows, WindowHandle window, const std::wstring& strTitle,
                          std::wstring& strWindowText);

// The same tests without the one for enabled: a script's command is for every running instance,
// also one whose main window waits behind a modal dialog.
bool IsRunningInstanceWindow(IWindowQueries& windows, WindowHandle window, const std::wstring& strTitle);
