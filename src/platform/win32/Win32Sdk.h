#pragma once
// The one way into the Windows SDK for the program's own code: every Win32 file includes this
// header instead of <windows.h> and its neighbours.
//
// The portable constants come first: once the SDK has defined its macros of the same names, the
// portable header could no longer declare them (and, with #pragma once, is never read again).
#include "ports/Win32Constants.h"

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <ntsecapi.h>
#include <ole2.h>
#include <shellapi.h>

// The SDK turns these names into macros for their ...W functions, which would rename the port
// methods, CWnd's and CProfile's of the same names in one translation unit only (and break the
// link). Win32 functions are called by their W names instead.

#undef AppendMenu
#undef CreateMutex
#undef DefWindowProc
#undef DispatchMessage
#undef FindWindow
#undef GetClassName
#undef GetDlgItemText
#undef GetFullPathName
#undef GetKeyNameText
#undef GetMessage
#undef GetModuleFileName
#undef GetOpenFileName
#undef GetProfileInt
#undef GetProfileString
#undef GetSaveFileName
#undef GetWindowText
#undef InsertMenu
#undef IsDialogMessage
#undef LoadCursor
#undef LoadIcon
#undef LoadMenu
#undef LoadString
#undef MapVirtualKey
#undef MapVirtualKeyEx
#undef MessageBox
#undef PeekMessage
#undef PostMessage
#undef RegisterWindowMessage
#undef SendDlgItemMessage
#undef SendMessage
#undef SetDlgItemText
#undef SetWindowText
#undef ShellExecute
#undef VkKeyScan
#undef WriteProfileString
