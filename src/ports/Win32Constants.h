#pragma once
// Win32 constants under their Win32 names, for portable code. Each is declared only when
// <windows.h> has not already defined it, so an adapter may include both in any order.
#include <cstdint>

// Window messages
#ifndef WM_NULL
constexpr std::uint32_t WM_NULL = 0x0000;
#endif
#ifndef WM_CREATE
constexpr std::uint32_t WM_CREATE = 0x0001;
#endif
#ifndef WM_DESTROY
constexpr std::uint32_t WM_DESTROY = 0x0002;
#endif
#ifndef WM_SETFOCUS
constexpr std::uint32_t WM_SETFOCUS = 0x0007;
#endif
#ifndef WM_PAINT
constexpr std::uint32_t WM_PAINT = 0x000F;
#endif
#ifndef WM_CLOSE
constexpr std::uint32_t WM_CLOSE = 0x0010;
#endif
#ifndef WM_SETTEXT
constexpr std::uint32_t WM_SETTEXT = 0x000C;
#endif
#ifndef WM_QUIT
constexpr std::uint32_t WM_QUIT = 0x0012;
#endif
#ifndef WM_ERASEBKGND
constexpr std::uint32_t WM_ERASEBKGND = 0x0014;
#endif
#ifndef WM_SHOWWINDOW
constexpr std::uint32_t WM_SHOWWINDOW = 0x0018;
#endif
#ifndef WM_QUERYDRAGICON
constexpr std::uint32_t WM_QUERYDRAGICON = 0x0037;
#endif
#ifndef WM_ICONERASEBKGND
constexpr std::uint32_t WM_ICONERASEBKGND = 0x0027;
#endif
#ifndef WM_NOTIFY
constexpr std::uint32_t WM_NOTIFY = 0x004E;
#endif
#ifndef WM_HELP
constexpr std::uint32_t WM_HELP = 0x0053;
#endif
#ifndef WM_CONTEXTMENU
constexpr std::uint32_t WM_CONTEXTMENU = 0x007B;
#endif
#ifndef WM_SETICON
constexpr std::uint32_t WM_SETICON = 0x0080;
#endif
#ifndef WM_NCDESTROY
constexpr std::uint32_t WM_NCDESTROY = 0x0082;
#endif
#ifndef WM_KEYDOWN
constexpr std::uint32_t WM_KEYDOWN = 0x0100;
#endif
#ifndef WM_KEYUP
constexpr std::uint32_t WM_KEYUP = 0x0101;
#endif
#ifndef WM_CHAR
constexpr std::uint32_t WM_CHAR = 0x0102;
#endif
#ifndef WM_SYSKEYDOWN
constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;
#endif
#ifndef WM_SYSKEYUP
constexpr std::uint32_t WM_SYSKEYUP = 0x0105;
#endif
#ifndef WM_ENDSESSION
constexpr std::uint32_t WM_ENDSESSION = 0x0016;
#endif
#ifndef WM_INITDIALOG
constexpr std::uint32_t WM_INITDIALOG = 0x0110;
#endif
#ifndef WM_COMMAND
constexpr std::uint32_t WM_COMMAND = 0x0111;
#endif
#ifndef WM_SYSCOMMAND
constexpr std::uint32_t WM_SYSCOMMAND = 0x0112;
#endif
#ifndef WM_TIMER
constexpr std::uint32_t WM_TIMER = 0x0113;
#endif
#ifndef WM_MOUSEMOVE
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
#endif
#ifndef WM_LBUTTONDOWN
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
#endif
#ifndef WM_LBUTTONUP
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
#endif
#ifndef WM_LBUTTONDBLCLK
constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
#endif
#ifndef WM_RBUTTONDOWN
constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
#endif
#ifndef WM_RBUTTONUP
constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
#endif
#ifndef WM_MBUTTONUP
constexpr std::uint32_t WM_MBUTTONUP = 0x0208;
#endif
#ifndef MK_LBUTTON
constexpr std::uint32_t MK_LBUTTON = 0x0001;
#endif
#ifndef WM_HOTKEY
constexpr std::uint32_t WM_HOTKEY = 0x0312;
#endif
#ifndef WM_USER
constexpr std::uint32_t WM_USER = 0x0400;
#endif

// Control notifications and messages
#ifndef BN_CLICKED
constexpr std::uint32_t BN_CLICKED = 0;
#endif
#ifndef EN_CHANGE
constexpr std::uint32_t EN_CHANGE = 0x0300;
#endif
#ifndef CBN_SELCHANGE
constexpr std::uint32_t CBN_SELCHANGE = 1;
#endif
#ifndef CB_GETCURSEL
constexpr std::uint32_t CB_GETCURSEL = 0x0147;
#endif
#ifndef CB_SETCURSEL
constexpr std::uint32_t CB_SETCURSEL = 0x014E;
#endif
#ifndef CB_ADDSTRING
constexpr std::uint32_t CB_ADDSTRING = 0x0143;
#endif
#ifndef CB_RESETCONTENT
constexpr std::uint32_t CB_RESETCONTENT = 0x014B;
#endif
#ifndef CB_SETITEMDATA
constexpr std::uint32_t CB_SETITEMDATA = 0x0151;
#endif
#ifndef CB_GETITEMDATA
constexpr std::uint32_t CB_GETITEMDATA = 0x0150;
#endif
#ifndef CB_GETCOUNT
constexpr std::uint32_t CB_GETCOUNT = 0x0146;
#endif
#ifndef CB_GETLBTEXT
constexpr std::uint32_t CB_GETLBTEXT = 0x0148;
#endif
#ifndef CB_GETLBTEXTLEN
constexpr std::uint32_t CB_GETLBTEXTLEN = 0x0149;
#endif
#ifndef CB_SHOWDROPDOWN
constexpr std::uint32_t CB_SHOWDROPDOWN = 0x014F;
#endif
#ifndef CB_ERR
constexpr std::int32_t CB_ERR = -1;
#endif
#ifndef BM_GETCHECK
constexpr std::uint32_t BM_GETCHECK = 0x00F0;
#endif
#ifndef BM_SETCHECK
constexpr std::uint32_t BM_SETCHECK = 0x00F1;
#endif
#ifndef BM_CLICK
constexpr std::uint32_t BM_CLICK = 0x00F5;
#endif
#ifndef BST_UNCHECKED
constexpr std::uint32_t BST_UNCHECKED = 0;
#endif
#ifndef BST_CHECKED
constexpr std::uint32_t BST_CHECKED = 1;
#endif
#ifndef BST_INDETERMINATE
constexpr std::uint32_t BST_INDETERMINATE = 2;
#endif
#ifndef EM_SETSEL
constexpr std::uint32_t EM_SETSEL = 0x00B1;
#endif
#ifndef EM_GETSEL
constexpr std::uint32_t EM_GETSEL = 0x00B0;
#endif
#ifndef HKM_SETHOTKEY
constexpr std::uint32_t HKM_SETHOTKEY = 0x0401;
#endif
#ifndef HKM_GETHOTKEY
constexpr std::uint32_t HKM_GETHOTKEY = 0x0402;
#endif
#ifndef HOTKEYF_SHIFT
constexpr std::uint32_t HOTKEYF_SHIFT = 0x01;
#endif
#ifndef HOTKEYF_CONTROL
constexpr std::uint32_t HOTKEYF_CONTROL = 0x02;
#endif
#ifndef HOTKEYF_ALT
constexpr std::uint32_t HOTKEYF_ALT = 0x04;
#endif
#ifndef HOTKEYF_EXT
constexpr std::uint32_t HOTKEYF_EXT = 0x08;
#endif
#ifndef STM_SETICON
constexpr std::uint32_t STM_SETICON = 0x0170;
#endif
#ifndef TTM_ACTIVATE
constexpr std::uint32_t TTM_ACTIVATE = 0x0401;
#endif
#ifndef TTM_RELAYEVENT
constexpr std::uint32_t TTM_RELAYEVENT = 0x0407;
#endif

// Dialog results and commands
#ifndef IDOK
constexpr std::uint32_t IDOK = 1;
#endif
#ifndef IDCANCEL
constexpr std::uint32_t IDCANCEL = 2;
#endif
#ifndef SC_CLOSE
constexpr std::uint32_t SC_CLOSE = 0xF060;
#endif

// Show commands
#ifndef SW_HIDE
constexpr std::uint32_t SW_HIDE = 0;
#endif
#ifndef SW_SHOWNORMAL
constexpr std::uint32_t SW_SHOWNORMAL = 1;
#endif
#ifndef SW_SHOWMAXIMIZED
constexpr std::uint32_t SW_SHOWMAXIMIZED = 3;
#endif
#ifndef SW_SHOW
constexpr std::uint32_t SW_SHOW = 5;
#endif
#ifndef SW_MINIMIZE
constexpr std::uint32_t SW_MINIMIZE = 6;
#endif
#ifndef SW_RESTORE
constexpr std::uint32_t SW_RESTORE = 9;
#endif

// Message boxes
#ifndef MB_OK
constexpr std::uint32_t MB_OK = 0x00000000;
#endif
#ifndef MB_ICONERROR
constexpr std::uint32_t MB_ICONERROR = 0x00000010;
#endif
#ifndef MB_ICONEXCLAMATION
constexpr std::uint32_t MB_ICONEXCLAMATION = 0x00000030;
#endif
#ifndef MB_ICONINFORMATION
constexpr std::uint32_t MB_ICONINFORMATION = 0x00000040;
#endif

// Icons
#ifndef ICON_SMALL
constexpr std::uint32_t ICON_SMALL = 0;
#endif
#ifndef ICON_BIG
constexpr std::uint32_t ICON_BIG = 1;
#endif

// Timers
#ifndef USER_TIMER_MINIMUM
constexpr std::uint32_t USER_TIMER_MINIMUM = 0x0000000A;
#endif

// Menus
#ifndef MF_STRING
constexpr std::uint32_t MF_STRING = 0x0000;
#endif
#ifndef MF_SEPARATOR
constexpr std::uint32_t MF_SEPARATOR = 0x0800;
#endif

// Keyboard input
#ifndef INPUT_KEYBOARD
constexpr std::uint32_t INPUT_KEYBOARD = 1;
#endif
#ifndef KEYEVENTF_EXTENDEDKEY
constexpr std::uint32_t KEYEVENTF_EXTENDEDKEY = 0x0001;
#endif
#ifndef KEYEVENTF_KEYUP
constexpr std::uint32_t KEYEVENTF_KEYUP = 0x0002;
#endif
#ifndef KEYEVENTF_UNICODE
constexpr std::uint32_t KEYEVENTF_UNICODE = 0x0004;
#endif
#ifndef KEYEVENTF_SCANCODE
constexpr std::uint32_t KEYEVENTF_SCANCODE = 0x0008;
#endif
#ifndef MAPVK_VK_TO_VSC
constexpr std::uint32_t MAPVK_VK_TO_VSC = 0;
#endif
#ifndef MAPVK_VK_TO_CHAR
constexpr std::uint32_t MAPVK_VK_TO_CHAR = 2;
#endif
#ifndef MOD_ALT
constexpr std::uint32_t MOD_ALT = 0x0001;
#endif
#ifndef MOD_CONTROL
constexpr std::uint32_t MOD_CONTROL = 0x0002;
#endif
#ifndef MOD_SHIFT
constexpr std::uint32_t MOD_SHIFT = 0x0004;
#endif
#ifndef MOD_WIN
constexpr std::uint32_t MOD_WIN = 0x0008;
#endif

// Virtual-key codes
#ifndef VK_BACK
constexpr std::uint32_t VK_BACK = 0x08;
#endif
#ifndef VK_TAB
constexpr std::uint32_t VK_TAB = 0x09;
#endif
#ifndef VK_RETURN
constexpr std::uint32_t VK_RETURN = 0x0D;
#endif
#ifndef VK_SHIFT
constexpr std::uint32_t VK_SHIFT = 0x10;
#endif
#ifndef VK_CONTROL
constexpr std::uint32_t VK_CONTROL = 0x11;
#endif
#ifndef VK_MENU
constexpr std::uint32_t VK_MENU = 0x12;
#endif
#ifndef VK_PAUSE
constexpr std::uint32_t VK_PAUSE = 0x13;
#endif
#ifndef VK_CAPITAL
constexpr std::uint32_t VK_CAPITAL = 0x14;
#endif
#ifndef VK_ESCAPE
constexpr std::uint32_t VK_ESCAPE = 0x1B;
#endif
#ifndef VK_SPACE
constexpr std::uint32_t VK_SPACE = 0x20;
#endif
#ifndef VK_PRIOR
constexpr std::uint32_t VK_PRIOR = 0x21;
#endif
#ifndef VK_NEXT
constexpr std::uint32_t VK_NEXT = 0x22;
#endif
#ifndef VK_END
constexpr std::uint32_t VK_END = 0x23;
#endif
#ifndef VK_HOME
constexpr std::uint32_t VK_HOME = 0x24;
#endif
#ifndef VK_LEFT
constexpr std::uint32_t VK_LEFT = 0x25;
#endif
#ifndef VK_UP
constexpr std::uint32_t VK_UP = 0x26;
#endif
#ifndef VK_RIGHT
constexpr std::uint32_t VK_RIGHT = 0x27;
#endif
#ifndef VK_DOWN
constexpr std::uint32_t VK_DOWN = 0x28;
#endif
#ifndef VK_PRINT
constexpr std::uint32_t VK_PRINT = 0x2A;
#endif
#ifndef VK_SNAPSHOT
constexpr std::uint32_t VK_SNAPSHOT = 0x2C;
#endif
#ifndef VK_INSERT
constexpr std::uint32_t VK_INSERT = 0x2D;
#endif
#ifndef VK_DELETE
constexpr std::uint32_t VK_DELETE = 0x2E;
#endif
#ifndef VK_HELP
constexpr std::uint32_t VK_HELP = 0x2F;
#endif
#ifndef VK_NUMPAD0
constexpr std::uint32_t VK_NUMPAD0 = 0x60;
#endif
#ifndef VK_NUMPAD9
constexpr std::uint32_t VK_NUMPAD9 = 0x69;
#endif
#ifndef VK_MULTIPLY
constexpr std::uint32_t VK_MULTIPLY = 0x6A;
#endif
#ifndef VK_ADD
constexpr std::uint32_t VK_ADD = 0x6B;
#endif
#ifndef VK_SUBTRACT
constexpr std::uint32_t VK_SUBTRACT = 0x6D;
#endif
#ifndef VK_DECIMAL
constexpr std::uint32_t VK_DECIMAL = 0x6E;
#endif
#ifndef VK_DIVIDE
constexpr std::uint32_t VK_DIVIDE = 0x6F;
#endif
#ifndef VK_F1
constexpr std::uint32_t VK_F1 = 0x70;
#endif
#ifndef VK_F4
constexpr std::uint32_t VK_F4 = 0x73;
#endif
#ifndef VK_F5
constexpr std::uint32_t VK_F5 = 0x74;
#endif
#ifndef VK_F6
constexpr std::uint32_t VK_F6 = 0x75;
#endif
#ifndef VK_F12
constexpr std::uint32_t VK_F12 = 0x7B;
#endif
#ifndef VK_NUMLOCK
constexpr std::uint32_t VK_NUMLOCK = 0x90;
#endif
#ifndef VK_SCROLL
constexpr std::uint32_t VK_SCROLL = 0x91;
#endif
#ifndef VK_LSHIFT
constexpr std::uint32_t VK_LSHIFT = 0xA0;
#endif
#ifndef VK_RSHIFT
constexpr std::uint32_t VK_RSHIFT = 0xA1;
#endif
#ifndef VK_LCONTROL
constexpr std::uint32_t VK_LCONTROL = 0xA2;
#endif
#ifndef VK_RCONTROL
constexpr std::uint32_t VK_RCONTROL = 0xA3;
#endif
#ifndef VK_LMENU
constexpr std::uint32_t VK_LMENU = 0xA4;
#endif
#ifndef VK_RMENU
constexpr std::uint32_t VK_RMENU = 0xA5;
#endif
#ifndef VK_BROWSER_REFRESH
constexpr std::uint32_t VK_BROWSER_REFRESH = 0xA8;
#endif

// Registry
#ifndef HKEY_CURRENT_USER
constexpr std::uint32_t HKEY_CURRENT_USER = 0x80000001;
#endif
#ifndef KEY_READ
constexpr std::uint32_t KEY_READ = 0x20019;
#endif
#ifndef KEY_WRITE
constexpr std::uint32_t KEY_WRITE = 0x20006;
#endif
#ifndef REG_SZ
constexpr std::uint32_t REG_SZ = 1;
#endif
#ifndef REG_BINARY
constexpr std::uint32_t REG_BINARY = 3;
#endif
#ifndef REG_DWORD
constexpr std::uint32_t REG_DWORD = 4;
#endif
#ifndef ERROR_SUCCESS
constexpr std::uint32_t ERROR_SUCCESS = 0;
#endif
#ifndef ERROR_FILE_NOT_FOUND
constexpr std::uint32_t ERROR_FILE_NOT_FOUND = 2;
#endif
#ifndef ERROR_MORE_DATA
constexpr std::uint32_t ERROR_MORE_DATA = 234;
#endif
#ifndef ERROR_ALREADY_EXISTS
constexpr std::uint32_t ERROR_ALREADY_EXISTS = 183;
#endif
#ifndef ERROR_HOTKEY_ALREADY_REGISTERED
constexpr std::uint32_t ERROR_HOTKEY_ALREADY_REGISTERED = 1409;
#endif
#ifndef REG_NONE
constexpr std::uint32_t REG_NONE = 0;
#endif
#ifndef REG_EXPAND_SZ
constexpr std::uint32_t REG_EXPAND_SZ = 2;
#endif
#ifndef ERROR_ACCESS_DENIED
constexpr std::uint32_t ERROR_ACCESS_DENIED = 5;
#endif
#ifndef ERROR_INVALID_HANDLE
constexpr std::uint32_t ERROR_INVALID_HANDLE = 6;
#endif
#ifndef ERROR_INVALID_PARAMETER
constexpr std::uint32_t ERROR_INVALID_PARAMETER = 87;
#endif

// Notification area
#ifndef NIM_ADD
constexpr std::uint32_t NIM_ADD = 0;
#endif
#ifndef NIM_MODIFY
constexpr std::uint32_t NIM_MODIFY = 1;
#endif
#ifndef NIM_DELETE
constexpr std::uint32_t NIM_DELETE = 2;
#endif
#ifndef NIF_MESSAGE
constexpr std::uint32_t NIF_MESSAGE = 0x01;
#endif
#ifndef NIF_ICON
constexpr std::uint32_t NIF_ICON = 0x02;
#endif
#ifndef NIF_TIP
constexpr std::uint32_t NIF_TIP = 0x04;
#endif

// System metrics and raster operations
#ifndef SM_CXICON
constexpr std::uint32_t SM_CXICON = 11;
#endif
#ifndef SM_CYICON
constexpr std::uint32_t SM_CYICON = 12;
#endif
#ifndef SM_CXVIRTUALSCREEN
constexpr std::uint32_t SM_CXVIRTUALSCREEN = 78;
#endif
#ifndef SM_CYVIRTUALSCREEN
constexpr std::uint32_t SM_CYVIRTUALSCREEN = 79;
#endif
#ifndef DSTINVERT
constexpr std::uint32_t DSTINVERT = 0x00550009;
#endif
#ifndef GW_HWNDNEXT
constexpr std::uint32_t GW_HWNDNEXT = 2;
#endif
#ifndef GW_HWNDFIRST
constexpr std::uint32_t GW_HWNDFIRST = 0;
#endif
#ifndef GW_HWNDLAST
constexpr std::uint32_t GW_HWNDLAST = 1;
#endif
#ifndef GW_HWNDPREV
constexpr std::uint32_t GW_HWNDPREV = 3;
#endif
#ifndef GW_OWNER
constexpr std::uint32_t GW_OWNER = 4;
#endif
#ifndef GW_CHILD
constexpr std::uint32_t GW_CHILD = 5;
#endif
