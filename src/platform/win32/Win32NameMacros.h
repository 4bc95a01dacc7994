#pragma once
// Include right after <windows.h> in any file that also uses the ports or fw/. <windows.h> turns
// these names into macros for their ...W functions, which would rename the methods of IWindows,
// IMenus, CWnd and CMenu in that file only (and break the link). Call the Win32 functions by their
// W names instead.
#undef AppendMenu
#undef DefWindowProc
#undef DispatchMessage
#undef GetClassName
#undef GetDlgItemText
#undef GetMessage
#undef GetWindowText
#undef IsDialogMessage
#undef LoadCursor
#undef LoadIcon
#undef LoadMenu
#undef LoadString
#undef MessageBox
#undef PostMessage
#undef RegisterWindowMessage
#undef SendDlgItemMessage
#undef SendMessage
#undef SetDlgItemText
#undef SetWindowText
