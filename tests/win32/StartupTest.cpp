// Start-up against the real system under Wine: the named mutex, the instance count over real
// top-level windows, and the process services the composition root hands to the program.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "app/LimitSingleInstance.h"
#include "app/PellorApp.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32HotKeys.h"
#include "platform/win32/Win32KeyboardInput.h"
#include "platform/win32/Win32KeyboardLayout.h"
#include "platform/win32/Win32Menus.h"
#include "platform/win32/Win32NotificationArea.h"
#include "platform/win32/Win32Painting.h"
#include "platform/win32/Win32Process.h"
#include "platform/win32/Win32RandomSource.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Timers.h"
#include "platform/win32/Win32Windows.h"
#include "settings/AppSettings.h"
#include "settings/Profile.h"

#include "platform/win32/Win32Sdk.h"

namespace {

constexpr wchar_t TITLE[] = L"Tapwell by Tovrin";
constexpr wchar_t WINDOW_CLASS[] = L"TapwellStartupTestWindow";
// A name of this test's own, so that a running program is never disturbed.
constexpr wchar_t TEST_MUTEX_NAME[] = L"Global\\{719967F0-DCC6-49b5-9C61-DE91175C318P}-StartupTest";

void RegisterTestClass() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = WINDOW_CLASS;
    RegisterClassW(&windowClass); // fails harmlessly when already registered
}

// A top-level window destroyed at the end of the test. Hidden unless a test needs it shown: the
// count does not look at visibility, and without a window manager Wine takes about two seconds to
// destroy a shown top-level window.
class TestWindow {
public:
    TestWindow(const wchar_t* title, DWORD style, HWND parent = nullptr) {
        RegisterTestClass();
        m_hWnd = CreateWindowExW(0, WINDOW_CLASS, title, style, 0, 0, 200, 100, parent, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    }
    ~TestWindow() {
        if (m_hWnd != nullptr) {
            DestroyWindow(m_hWnd);
        }
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Get() const { return m_hWnd; }

private:
    HWND m_hWnd = nullptr;
};

class StartupFixture : public ::testing::Test {
protected:
    CWin32Registry m_registry;
    CWin32KeyboardInput m_input;
    CWin32KeyboardLayout m_layout;
    CWin32Windows m_windows;
    CWin32Menus m_menus;
    CWin32Painting m_painting;
    CWin32Timers m_timers;
    CWin32HotKeys m_hotKeys;
    CWin32NotificationArea m_tray;
    CWin32Shell m_shell;
    CWin32Process m_process;
    CWin32RandomSource m_random;
    CWin32Clipboard m_clipboard;
    CWin32Files m_files;
    const Platform m_platform{m_registry, m_input,    m_layout, m_windows,   m_windows,
                              m_menus,    m_painting, m_timers, m_hotKeys,   m_tray,
                              m_shell,    m_process,  m_random, m_clipboard, m_files};
    CProfile m_profile{m_registry};
    CAppSettings m_settings{m_profile};
    CLimitSingleInstance m_singleInstance{m_process, TEST_MUTEX_NAME};
    CPellorApp m_app{m_platform, m_settings, m_singleInstance};

    void SetUp() override {
        // The title comes from the program's string table, which this test program does not carry.
        m_app.m_strAppName = TITLE;
        m_nBaseline = m_app.CountRunningInstances();
    }

    int Counted() { return m_app.CountRunningInstances() - m_nBaseline; }

    int m_nBaseline = 0;
};

} // namespace

TEST(StartupMutex, TheNameIsAcceptedASecondCreationFindsTheFirstAndTheLastCloseEndsIt) {
    CWin32Process process;
    {
        CLimitSingleInstance first(process, SINGLE_INSTANCE_MUTEX_NAME);
        EXPECT_FALSE(first.IsAlreadyRunning());
        CLimitSingleInstance second(process, SINGLE_INSTANCE_MUTEX_NAME);
        EXPECT_TRUE(second.IsAlreadyRunning());
    }
    CLimitSingleInstance later(process, SINGLE_INSTANCE_MUTEX_NAME);
    EXPECT_FALSE(later.IsAlreadyRunning());
}

// Real top-level windows, each row in a fresh scene (one Wine process for all: each takes seconds
// to start): which of them the count takes for another instance's main window.
TEST_F(StartupFixture, TheCountTakesEnabledUnownedWindowsTitledExactlyShownOrNot) {
    EXPECT_EQ(m_nBaseline, 0) << "no other window titled \"Tapwell by Tovrin\" should exist";
    struct Row {
        const char* name;
        const wchar_t* title;
        DWORD style;
        bool bUnder; // a child or owned pop-up of another window
        int nCounted;
    };
    const Row rows[] = {
        {"shown", TITLE, WS_OVERLAPPEDWINDOW | WS_VISIBLE, false, 1},
        {"hidden", TITLE, WS_OVERLAPPEDWINDOW, false, 1},
        {"disabled", TITLE, WS_OVERLAPPEDWINDOW | WS_DISABLED, false, 0},
        {"a child", TITLE, WS_CHILD | WS_VISIBLE, true, 0},
        {"an owned pop-up", TITLE, WS_POPUP | WS_CAPTION, true, 0},
        {"the title in other case", L"TAPWELL BY TOVRIN", WS_OVERLAPPEDWINDOW, false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestWindow other(L"Some parent", WS_OVERLAPPEDWINDOW);
        TestWindow window(row.title, row.style, row.bUnder ? other.Get() : nullptr);
        ASSERT_NE(window.Get(), nullptr);
        EXPECT_EQ(Counted(), row.nCounted);
    }
    TestWindow first(TITLE, WS_OVERLAPPEDWINDOW);
    TestWindow second(TITLE, WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(Counted(), 2) << "two windows count two";
}

TEST(Win32RandomSource, SeedsDifferFromCallToCall) {
    CWin32RandomSource random;
    std::set<std::uint32_t> seeds;
    for (int i = 0; i < 8; ++i) {
        seeds.insert(random.NextSeed());
    }

    // Eight equal 32-bit draws from a working generator would be a 2^-224 event.
    EXPECT_GT(seeds.size(), 1u);
}

TEST(Win32Shell, TheModuleFileNameIsThisProgramsPathAndAShortBufferCutsIt) {
    CWin32Shell shell;
    const std::wstring strPath = shell.GetModuleFileName(MAX_PATH);
    const std::wstring strSuffix = L"win32_StartupTest.exe";

    ASSERT_GE(strPath.size(), strSuffix.size());
    EXPECT_EQ(strPath.substr(strPath.size() - strSuffix.size()), strSuffix);
    EXPECT_EQ(shell.GetModuleFileName(4), strPath.substr(0, 3));
}

TEST(Win32Files, AWriteReplacesTheFileWholeWithANewStampButNeverAReadOnlyFile) {
    CWin32Files files;
    const std::wstring path = files.ProgramFolder() + L"Win32FilesTest.ini";
    std::wstring strError;
    FileStamp first;
    FileStamp second;
    ASSERT_TRUE(files.WriteFile(path, "first", strError));
    ASSERT_TRUE(files.GetStamp(path, first));
    ASSERT_TRUE(files.WriteFile(path, "second, longer", strError));
    ASSERT_TRUE(files.GetStamp(path, second));
    EXPECT_NE(second, first);
    std::string bytes;
    EXPECT_TRUE(files.ReadFile(path, 6, bytes, strError));
    EXPECT_EQ(bytes, "second,") << "one byte past the limit shows the file is longer";

    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(files.WriteFile(path, "third", strError));
    EXPECT_FALSE(strError.empty());
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(files.ReadFile(path, 64, bytes, strError));
    EXPECT_EQ(bytes, "second, longer");
    DeleteFileW(path.c_str());
    EXPECT_FALSE(files.GetStamp(path, first));
}
