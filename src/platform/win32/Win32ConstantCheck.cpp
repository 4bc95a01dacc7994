// Checks at compile time that every constant of ports/Win32Constants.h has the SDK's value, so that
// the portable code and the fakes speak the same numbers as the system.
//
// The portable values are copied under other names before the SDK is read; after it, each name is
// the SDK's macro. A constant added to the portable header is added to this list too.
#include <cstdint>

#include "ports/Win32Constants.h"

// clang-format off
#define PORTABLE_WIN32_CONSTANTS(X) \
    X(WM_NULL) X(WM_CREATE) X(WM_DESTROY) X(WM_SETFOCUS) X(WM_PAINT) X(WM_CLOSE) X(WM_SETTEXT) \
    X(WM_QUIT) X(WM_ERASEBKGND) X(WM_SHOWWINDOW) X(WM_QUERYDRAGICON) X(WM_ICONERASEBKGND) \
    X(WM_NOTIFY) X(WM_HELP) X(WM_CONTEXTMENU) X(WM_SETICON) X(WM_NCDESTROY) X(WM_KEYDOWN) \
    X(WM_KEYUP) X(WM_CHAR) X(WM_SYSKEYDOWN) X(WM_SYSKEYUP) X(WM_ENDSESSION) X(WM_INITDIALOG) \
    X(WM_COMMAND) X(WM_SYSCOMMAND) X(WM_TIMER) X(WM_MOUSEMOVE) X(WM_LBUTTONDOWN) X(WM_LBUTTONUP) \
    X(WM_LBUTTONDBLCLK) X(WM_RBUTTONDOWN) X(WM_RBUTTONUP) X(WM_MBUTTONUP) X(MK_LBUTTON) \
    X(WM_HOTKEY) X(WM_USER) X(BN_CLICKED) X(EN_CHANGE) X(CBN_SELCHANGE) X(CB_GETCURSEL) \
    X(CB_SETCURSEL) X(CB_ADDSTRING) X(CB_RESETCONTENT) X(CB_SETITEMDATA) X(CB_GETITEMDATA) \
    X(CB_GETCOUNT) X(CB_GETLBTEXT) X(CB_GETLBTEXTLEN) X(CB_SHOWDROPDOWN) X(CB_ERR) X(BM_GETCHECK) \
    X(BM_SETCHECK) X(BM_CLICK) X(BST_UNCHECKED) X(BST_CHECKED) X(BST_INDETERMINATE) X(EM_SETSEL) \
    X(EM_GETSEL) X(HKM_SETHOTKEY) X(HKM_GETHOTKEY) X(HOTKEYF_SHIFT) X(HOTKEYF_CONTROL) \
    X(HOTKEYF_ALT) X(HOTKEYF_EXT) X(STM_SETICON) X(TTM_ACTIVATE) X(TTM_RELAYEVENT) X(IDOK) \
    X(IDCANCEL) X(SC_CLOSE) X(SW_HIDE) X(SW_SHOWNORMAL) X(SW_SHOWMAXIMIZED) X(SW_SHOW) \
    X(SW_MINIMIZE) X(SW_RESTORE) X(MB_OK) X(MB_ICONERROR) X(MB_ICONEXCLAMATION) \
    X(MB_ICONINFORMATION) X(ICON_SMALL) X(ICON_BIG) X(USER_TIMER_MINIMUM) X(MF_STRING) \
    X(MF_SEPARATOR) X(INPUT_KEYBOARD) X(KEYEVENTF_EXTENDEDKEY) X(KEYEVENTF_KEYUP) \
    X(KEYEVENTF_UNICODE) X(KEYEVENTF_SCANCODE) X(MAPVK_VK_TO_VSC) X(MAPVK_VK_TO_CHAR) X(MOD_ALT) \
    X(MOD_CONTROL) X(MOD_SHIFT) X(MOD_WIN) X(VK_BACK) X(VK_TAB) X(VK_RETURN) X(VK_SHIFT) \
    X(VK_CONTROL) X(VK_MENU) X(VK_PAUSE) X(VK_CAPITAL) X(VK_ESCAPE) X(VK_SPACE) X(VK_PRIOR) \
    X(VK_NEXT) X(VK_END) X(VK_HOME) X(VK_LEFT) X(VK_UP) X(VK_RIGHT) X(VK_DOWN) X(VK_PRINT) \
    X(VK_SNAPSHOT) X(VK_INSERT) X(VK_DELETE) X(VK_HELP) X(VK_NUMPAD0) X(VK_NUMPAD9) X(VK_MULTIPLY) \
    X(VK_ADD) X(VK_SUBTRACT) X(VK_DECIMAL) X(VK_DIVIDE) X(VK_F1) X(VK_F4) X(VK_F5) X(VK_F6) \
    X(VK_F12) X(VK_NUMLOCK) X(VK_SCROLL) X(VK_LSHIFT) X(VK_RSHIFT) X(VK_LCONTROL) X(VK_RCONTROL) \
    X(VK_LMENU) X(VK_RMENU) X(VK_BROWSER_REFRESH) X(HKEY_CURRENT_USER) X(KEY_READ) X(KEY_WRITE) \
    X(REG_SZ) X(REG_BINARY) X(REG_DWORD) X(ERROR_SUCCESS) X(ERROR_FILE_NOT_FOUND) \
    X(ERROR_MORE_DATA) X(ERROR_ALREADY_EXISTS) X(ERROR_HOTKEY_ALREADY_REGISTERED) X(REG_NONE) \
    X(REG_EXPAND_SZ) X(ERROR_ACCESS_DENIED) X(ERROR_INVALID_HANDLE) X(ERROR_INVALID_PARAMETER) \
    X(NIM_ADD) X(NIM_MODIFY) X(NIM_DELETE) X(NIF_MESSAGE) X(NIF_ICON) X(NIF_TIP) X(SM_CXICON) \
    X(SM_CYICON) X(SM_CXVIRTUALSCREEN) X(SM_CYVIRTUALSCREEN) X(DSTINVERT) X(GW_HWNDNEXT) \
    X(GW_HWNDFIRST) X(GW_HWNDLAST) X(GW_HWNDPREV) X(GW_OWNER) X(GW_CHILD)
// clang-format on

namespace portable {
#define KEEP_PORTABLE_VALUE(name) constexpr auto name##_ = ::name;
PORTABLE_WIN32_CONSTANTS(KEEP_PORTABLE_VALUE)
#undef KEEP_PORTABLE_VALUE
} // namespace portable

#include "platform/win32/Win32Sdk.h"

namespace {

// The values compare as numbers, so a sign or width that differs fails as a different value.
template <typename Portable, typename Sdk> constexpr bool SameValue(Portable portable, Sdk sdk) {
    return static_cast<std::int64_t>(portable) == static_cast<std::int64_t>(sdk);
}

// The SDK spells the predefined registry roots as pointers, (HKEY)(ULONG_PTR)((LONG)0x80000001);
// with HKEY an integer here, the same expression is a constant number.
using HKEY = std::uint32_t;

#define CHECK_AGAINST_SDK(name)                                                                              \
    static_assert(SameValue(portable::name##_, name), #name " differs from the SDK's value");
PORTABLE_WIN32_CONSTANTS(CHECK_AGAINST_SDK)
#undef CHECK_AGAINST_SDK

} // namespace
