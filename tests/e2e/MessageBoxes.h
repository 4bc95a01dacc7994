#pragma once
// Message boxes shown by another process: dialogs of class "#32770" that carry their text in the
// static control 0xFFFF.
#include <windows.h>

#include <string>

// The first visible message box of the process, or nullptr.
HWND FindMessageBox(DWORD nProcessId);
std::wstring MessageBoxText(HWND hBox);
