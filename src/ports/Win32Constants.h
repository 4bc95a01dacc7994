#pragma once
// Win32 constants under their Win32 names, for portable code. The Win32 build checks each value
// against the SDK's (platform/win32/Win32ConstantCheck.cpp).
#include <cstdint>

// Window messages
constexpr std::uint32_t WM_NULL = 0x0000;
constexpr std::uint32_t WM_CREATE = 0x0001;
constexpr std::uint32_t WM_DESTROY = 0x0002;
constexpr std::uint32_t WM_SETFOCUS = 0x0007;
constexpr std::uint32_t WM_PAINT = 0x000F;
constexpr std::uint32_t WM_CLOSE = 0x0010;
constexpr std::uint32_t WM_SETTEXT = 0x000C;
constexpr std::uint32_t WM_QUIT = 0x0012;
constexpr std::uint32_t WM_ERASEBKGND = 0x0014;
constexpr std::uint32_t WM_SHOWWINDOW = 0x0018;
constexpr std::uint32_t WM_QUERYDRAGICON = 0x0037;
constexpr std::uint32_t WM_ICONERASEBKGND = 0x0027;
constexpr std::uint32_t WM_NOTIFY = 0x004E;
constexpr std::uint32_t WM_HELP = 0x0053;
constexpr std::uint32_t WM_COPYDATA = 0x004A;
constexpr std::uint32_t WM_CONTEXTMENU = 0x007B;
constexpr std::uint32_t WM_SETICON = 0x0080;
constexpr std::uint32_t WM_NCDESTROY = 0x0082;
constexpr std::uint32_t WM_KEYDOWN = 0x0100;
constexpr std::uint32_t WM_KEYUP = 0x0101;
constexpr std::uint32_t WM_CHAR = 0x0102;
constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr std::uint32_t WM_SYSKEYUP = 0x0105;
constexpr std::uint32_t WM_ENDSESSION = 0x0016;
constexpr std::uint32_t WM_INITDIALOG = 0x0110;
constexpr std::uint32_t WM_COMMAND = 0x0111;
constexpr std::uint32_t WM_SYSCOMMAND = 0x0112;
constexpr std::uint32_t WM_TIMER = 0x0113;
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
constexpr std::uint32_t WM_MBUTTONUP = 0x0208;
constexpr std::uint32_t MK_LBUTTON = 0x0001;
constexpr std::uint32_t WM_HOTKEY = 0x0312;
constexpr std::uint32_t WM_USER = 0x0400;

// Control notifications and messages
constexpr std::uint32_t BN_CLICKED = 0;
constexpr std::uint32_t EN_CHANGE = 0x0300;
constexpr std::uint32_t CBN_SELCHANGE = 1;
constexpr std::uint32_t CB_GETCURSEL = 0x0147;
constexpr std::uint32_t CB_SETCURSEL = 0x014E;
constexpr std::uint32_t CB_ADDSTRING = 0x0143;
constexpr std::uint32_t CB_RESETCONTENT = 0x014B;
constexpr std::uint32_t CB_SETITEMDATA = 0x0151;
constexpr std::uint32_t CB_GETITEMDATA = 0x0150;
constexpr std::uint32_t CB_GETCOUNT = 0x0146;
constexpr std::uint32_t CB_GETLBTEXT = 0x0148;
constexpr std::uint32_t CB_GETLBTEXTLEN = 0x0149;
constexpr std::uint32_t CB_SHOWDROPDOWN = 0x014F;
constexpr std::int32_t CB_ERR = -1;
constexpr std::uint32_t BM_GETCHECK = 0x00F0;
constexpr std::uint32_t BM_SETCHECK = 0x00F1;
constexpr std::uint32_t BM_CLICK = 0x00F5;
constexpr std::uint32_t BST_UNCHECKED = 0;
constexpr std::uint32_t BST_CHECKED = 1;
constexpr std::uint32_t BST_INDETERMINATE = 2;
constexpr std::uint32_t EM_SETSEL = 0x00B1;
constexpr std::uint32_t EM_GETSEL = 0x00B0;
constexpr std::uint32_t HKM_SETHOTKEY = 0x0401;
constexpr std::uint32_t HKM_GETHOTKEY = 0x0402;
constexpr std::uint32_t HOTKEYF_SHIFT = 0x01;
constexpr std::uint32_t HOTKEYF_CONTROL = 0x02;
constexpr std::uint32_t HOTKEYF_ALT = 0x04;
constexpr std::uint32_t HOTKEYF_EXT = 0x08;
constexpr std::uint32_t STM_SETICON = 0x0170;
constexpr std::uint32_t TTM_ACTIVATE = 0x0401;
constexpr std::uint32_t TTM_RELAYEVENT = 0x0407;

// Dialog results and commands
constexpr std::uint32_t IDOK = 1;
constexpr std::uint32_t IDCANCEL = 2;
constexpr std::uint32_t SC_CLOSE = 0xF060;

// Show commands
constexpr std::uint32_t SW_HIDE = 0;
constexpr std::uint32_t SW_SHOWNORMAL = 1;
constexpr std::uint32_t SW_SHOWMINIMIZED = 2;
constexpr std::uint32_t SW_SHOWMAXIMIZED = 3;
constexpr std::uint32_t SW_SHOWNOACTIVATE = 4;
constexpr std::uint32_t SW_SHOW = 5;
constexpr std::uint32_t SW_MINIMIZE = 6;
constexpr std::uint32_t SW_SHOWMINNOACTIVE = 7;
constexpr std::uint32_t SW_SHOWNA = 8;
constexpr std::uint32_t SW_RESTORE = 9;

// Message boxes
constexpr std::uint32_t MB_OK = 0x00000000;
constexpr std::uint32_t MB_ICONERROR = 0x00000010;
constexpr std::uint32_t MB_ICONEXCLAMATION = 0x00000030;
constexpr std::uint32_t MB_ICONINFORMATION = 0x00000040;

// Icons
constexpr std::uint32_t ICON_SMALL = 0;
constexpr std::uint32_t ICON_BIG = 1;

// Timers
constexpr std::uint32_t USER_TIMER_MINIMUM = 0x0000000A;

// Menus
constexpr std::uint32_t MF_STRING = 0x0000;
constexpr std::uint32_t MF_POPUP = 0x0010;
constexpr std::uint32_t MF_SEPARATOR = 0x0800;
constexpr std::uint32_t MF_GRAYED = 0x0001;
constexpr std::uint32_t MF_BYCOMMAND = 0x0000;

// Keyboard input
constexpr std::uint32_t INPUT_KEYBOARD = 1;
constexpr std::uint32_t KEYEVENTF_EXTENDEDKEY = 0x0001;
constexpr std::uint32_t KEYEVENTF_KEYUP = 0x0002;
constexpr std::uint32_t KEYEVENTF_UNICODE = 0x0004;
constexpr std::uint32_t KEYEVENTF_SCANCODE = 0x0008;
constexpr std::uint32_t MAPVK_VK_TO_VSC = 0;
constexpr std::uint32_t MAPVK_VK_TO_CHAR = 2;
constexpr std::uint32_t MAPVK_VK_TO_VSC_EX = 4;
constexpr std::uint32_t MOD_ALT = 0x0001;
constexpr std::uint32_t MOD_CONTROL = 0x0002;
constexpr std::uint32_t MOD_SHIFT = 0x0004;
constexpr std::uint32_t MOD_WIN = 0x0008;
constexpr std::uint32_t MOD_NOREPEAT = 0x4000;
constexpr std::uint32_t SECURITY_MANDATORY_MEDIUM_RID = 0x2000;

// Virtual-key codes
constexpr std::uint32_t VK_BACK = 0x08;
constexpr std::uint32_t VK_TAB = 0x09;
constexpr std::uint32_t VK_RETURN = 0x0D;
constexpr std::uint32_t VK_SHIFT = 0x10;
constexpr std::uint32_t VK_CONTROL = 0x11;
constexpr std::uint32_t VK_MENU = 0x12;
constexpr std::uint32_t VK_PAUSE = 0x13;
constexpr std::uint32_t VK_CAPITAL = 0x14;
constexpr std::uint32_t VK_ESCAPE = 0x1B;
constexpr std::uint32_t VK_SPACE = 0x20;
constexpr std::uint32_t VK_PRIOR = 0x21;
constexpr std::uint32_t VK_NEXT = 0x22;
constexpr std::uint32_t VK_END = 0x23;
constexpr std::uint32_t VK_HOME = 0x24;
constexpr std::uint32_t VK_LEFT = 0x25;
constexpr std::uint32_t VK_UP = 0x26;
constexpr std::uint32_t VK_RIGHT = 0x27;
constexpr std::uint32_t VK_DOWN = 0x28;
constexpr std::uint32_t VK_PRINT = 0x2A;
constexpr std::uint32_t VK_SNAPSHOT = 0x2C;
constexpr std::uint32_t VK_INSERT = 0x2D;
constexpr std::uint32_t VK_DELETE = 0x2E;
constexpr std::uint32_t VK_HELP = 0x2F;
constexpr std::uint32_t VK_LWIN = 0x5B;
constexpr std::uint32_t VK_APPS = 0x5D;
constexpr std::uint32_t VK_NUMPAD0 = 0x60;
constexpr std::uint32_t VK_NUMPAD9 = 0x69;
constexpr std::uint32_t VK_MULTIPLY = 0x6A;
constexpr std::uint32_t VK_ADD = 0x6B;
constexpr std::uint32_t VK_SUBTRACT = 0x6D;
constexpr std::uint32_t VK_DECIMAL = 0x6E;
constexpr std::uint32_t VK_DIVIDE = 0x6F;
constexpr std::uint32_t VK_F1 = 0x70;
constexpr std::uint32_t VK_F4 = 0x73;
constexpr std::uint32_t VK_F5 = 0x74;
constexpr std::uint32_t VK_F6 = 0x75;
constexpr std::uint32_t VK_F12 = 0x7B;
constexpr std::uint32_t VK_NUMLOCK = 0x90;
constexpr std::uint32_t VK_SCROLL = 0x91;
constexpr std::uint32_t VK_LSHIFT = 0xA0;
constexpr std::uint32_t VK_RSHIFT = 0xA1;
constexpr std::uint32_t VK_LCONTROL = 0xA2;
constexpr std::uint32_t VK_RCONTROL = 0xA3;
constexpr std::uint32_t VK_LMENU = 0xA4;
constexpr std::uint32_t VK_RMENU = 0xA5;
constexpr std::uint32_t VK_BROWSER_BACK = 0xA6;
constexpr std::uint32_t VK_BROWSER_REFRESH = 0xA8;
constexpr std::uint32_t VK_LAUNCH_APP2 = 0xB7;

// Registry
constexpr std::uint32_t HKEY_CLASSES_ROOT = 0x80000000;
constexpr std::uint32_t HKEY_CURRENT_USER = 0x80000001;
constexpr std::uint32_t KEY_READ = 0x20019;
constexpr std::uint32_t KEY_WRITE = 0x20006;
constexpr std::uint32_t REG_SZ = 1;
constexpr std::uint32_t REG_BINARY = 3;
constexpr std::uint32_t REG_DWORD = 4;
constexpr std::uint32_t ERROR_SUCCESS = 0;
constexpr std::uint32_t ERROR_FILE_NOT_FOUND = 2;
constexpr std::uint32_t ERROR_MORE_DATA = 234;
constexpr std::uint32_t ERROR_ALREADY_EXISTS = 183;
constexpr std::uint32_t ERROR_HOTKEY_ALREADY_REGISTERED = 1409;
constexpr std::uint32_t REG_NONE = 0;
constexpr std::uint32_t REG_EXPAND_SZ = 2;
constexpr std::uint32_t ERROR_ACCESS_DENIED = 5;
constexpr std::uint32_t ERROR_INVALID_HANDLE = 6;
constexpr std::uint32_t ERROR_INVALID_PARAMETER = 87;
constexpr std::uint32_t ERROR_NO_MORE_ITEMS = 259;

// Results of ShellExecuteW that say why it failed
constexpr std::uint32_t SE_ERR_FNF = 2;
constexpr std::uint32_t SE_ERR_PNF = 3;
constexpr std::uint32_t SE_ERR_ACCESSDENIED = 5;
constexpr std::uint32_t ERROR_BAD_FORMAT = 11;

// Notification area
constexpr std::uint32_t NIM_ADD = 0;
constexpr std::uint32_t NIM_MODIFY = 1;
constexpr std::uint32_t NIM_DELETE = 2;
constexpr std::uint32_t NIF_MESSAGE = 0x01;
constexpr std::uint32_t NIF_ICON = 0x02;
constexpr std::uint32_t NIF_TIP = 0x04;

// System metrics and raster operations
constexpr std::uint32_t SM_CXICON = 11;
constexpr std::uint32_t SM_CYICON = 12;
constexpr std::uint32_t SM_CXVIRTUALSCREEN = 78;
constexpr std::uint32_t SM_CYVIRTUALSCREEN = 79;
constexpr std::uint32_t DSTINVERT = 0x00550009;
constexpr std::uint32_t GW_HWNDNEXT = 2;
constexpr std::uint32_t GW_HWNDFIRST = 0;
constexpr std::uint32_t GW_HWNDLAST = 1;
constexpr std::uint32_t GW_HWNDPREV = 3;
constexpr std::uint32_t GW_OWNER = 4;
constexpr std::uint32_t GW_CHILD = 5;

// Common controls
constexpr std::uint32_t ICC_WIN95_CLASSES = 0x00FF;
