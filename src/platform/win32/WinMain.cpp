// The composition root: the Win32 adapters, the process-wide objects in the order the start-up
// relies on, and the entry point that hands the command line to the application.
#include <cstdlib>
#include <exception>
#include <memory>

#include "app/LimitSingleInstance.h"
#include "app/PellorApp.h"
#include "fw/MessagePump.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32HotKeys.h"
#include "platform/win32/Win32KeyboardInput.h"
#include "platform/win32/Win32KeyboardLayout.h"
#include "platform/win32/Win32Menus.h"
#include "platform/win32/Win32MessageQueue.h"
#include "platform/win32/Win32NotificationArea.h"
#include "platform/win32/Win32Painting.h"
#include "platform/win32/Win32Process.h"
#include "platform/win32/Win32RandomSource.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Sdk.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Timers.h"
#include "platform/win32/Win32Windows.h"
#include "ports/Platform.h"
#include "resource.h"
#include "settings/AppSettings.h"
#include "settings/IniStore.h"
#include "settings/Profile.h"

// Objects in one translation unit are constructed in the order they are defined here and destroyed
// in reverse: the adapters first, since the mutex guard opens the mutex in its constructor and the
// application object's main dialog keeps the platform; the application object last, so that it
// (and a window it may still own) goes before the settings and the mutex handle.
// g_strInstanceSection, defined with the settings, holds no more than an empty string until
// InitInstance names the section.
namespace {

CWin32Registry g_registry;
CWin32KeyboardInput g_keyboardInput;
CWin32KeyboardLayout g_keyboardLayout;
CWin32Timers g_systemTimers;
CWin32MessageQueue g_messageQueue(g_systemTimers);
// The program's timers are the pump's, which serves their deadlines in the program's own loops.
CMessagePump g_timers(g_systemTimers, g_messageQueue);
CWin32Windows g_windows(&g_timers);
CWin32Menus g_menus;
CWin32Painting g_painting;
CWin32HotKeys g_hotKeys;
CWin32NotificationArea g_notificationArea;
CWin32Shell g_shell;
CWin32Process g_process;
CWin32RandomSource g_randomSource;
CWin32Clipboard g_clipboard;
CWin32Files g_files;

const Platform g_platform{g_registry, g_keyboardInput, g_keyboardLayout, g_windows,   g_windows,
                          g_menus,    g_painting,      g_timers,         g_hotKeys,   g_notificationArea,
                          g_shell,    g_process,       g_randomSource,   g_clipboard, g_files};

CProfile g_profile(g_registry);
// Set before the application starts, gone after it.
std::unique_ptr<CIniStore> g_pPortableStore;

} // namespace

CLimitSingleInstance g_singleInstance(g_process, SINGLE_INSTANCE_MUTEX_NAME);
CAppSettings g_appSettings(g_profile);
CPellorApp g_theApp(g_platform, g_appSettings, g_singleInstance);

namespace {

// A crash must not leave a key held down system-wide: the keys go up before the process dies. Once
// only: a release that crashes as well must not come back here.
void ReleaseKeysAsLastResort() {
    static LONG s_nReleased = 0;
    if (InterlockedExchange(&s_nReleased, 1) == 0) {
        g_theApp.m_dlgMain.Session().ReleaseHeldKeys();
    }
}

LONG WINAPI ReleaseKeysOnCrash(EXCEPTION_POINTERS*) {
    ReleaseKeysAsLastResort();
    return EXCEPTION_CONTINUE_SEARCH;
}

// An exception that nothing caught (one outside every window message) ends the process here.
[[noreturn]] void ReleaseKeysOnTerminate() {
    ReleaseKeysAsLastResort();
    std::abort();
}

// A Tapwell.ini beside the program keeps every setting there instead of the registry.
void ChoosePortableStore() {
    g_pPortableStore = OpenPortableStore(g_files, [](const std::wstring& strMessage) {
        wchar_t title[256] = {};
        LoadStringW(GetModuleHandleW(nullptr), IDS_APP_TITLE, title, 256);
        MessageBoxW(nullptr, strMessage.c_str(), title, MB_OK | MB_ICONWARNING);
    });
    if (g_pPortableStore) {
        g_profile.UseStore(*g_pPortableStore);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR pCmdLine, int) {
    SetUnhandledExceptionFilter(ReleaseKeysOnCrash);
    std::set_terminate(ReleaseKeysOnTerminate);
    ChoosePortableStore();
    // pCmdLine is the command line without the program name.
    return g_theApp.WinMainBody(pCmdLine != nullptr ? pCmdLine : L"");
}
