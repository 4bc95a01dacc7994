// CWinApp: start-up, the message loop through the main window, and its exit code.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "fakes/FakeUser.h"
#include "fakes/FakeWindows.h"
#include "fw/Dialog.h"
#include "fw/WinApp.h"

namespace {

constexpr std::uint32_t IDD_APP_MAIN = 102;

class CAppMainDlg : public CDialog {
public:
    explicit CAppMainDlg(const WindowPorts& windows) : CDialog(IDD_APP_MAIN, nullptr, windows) {}
    void OnCancel() override { DestroyWindow(); }
};

class CTestApp : public CWinApp {
public:
    explicit CTestApp(FakeWindows& windows) : CWinApp(windows, windows), m_dlg(windows) {}

    bool InitInstance() override {
        m_strAppNameSeen = m_strAppName;
        m_strCmdLineSeen = m_strCmdLine;
        if (!m_bCreateWindow || !m_dlg.Create()) {
            return false;
        }
        SetMainWindow(&m_dlg);
        m_dlg.ShowWindow(SW_SHOW);
        return true;
    }
    int ExitCodeWhenNotRunning() override { return 5; }

    CAppMainDlg m_dlg;
    bool m_bCreateWindow = true;
    std::wstring m_strAppNameSeen;
    std::wstring m_strCmdLineSeen;
};

class WinAppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        FakeDialogTemplate main{L"Tapwell", {FakeControl::PushButton(1009, L"&Start KeyPressing")}};
        m_windows.AddDialogTemplate(IDD_APP_MAIN, main);
    }

    FakeWindows m_windows;
    FakeUser m_user{m_windows};
    CTestApp m_app{m_windows};
};

} // namespace

TEST_F(WinAppFixture, InitInstanceSeesTitleAndCommandLineAndDestroyingTheMainWindowEndsWithZero) {
    // Escape reaches the main dialog through its PreTranslateMessage (dialog keyboard handling).
    m_windows.QueueUserAction([&] { m_user.PressKey(VK_ESCAPE); });
    EXPECT_EQ(m_app.WinMainBody(L":silent"), 0);
    EXPECT_EQ(m_app.m_strAppNameSeen, L"Tapwell by Tovrin");
    EXPECT_EQ(m_app.m_strCmdLineSeen, L":silent");
    EXPECT_FALSE(m_windows.IsWindow(m_windows.LastDialog(IDD_APP_MAIN)));
    EXPECT_EQ(m_windows.RanDryCount(), 0) << "the loop must end through WM_QUIT";
}

TEST_F(WinAppFixture, RunReturnsTheExitCodeOfWmQuit) {
    m_windows.QueueUserAction([&] { m_windows.PostQuitMessage(4); });
    EXPECT_EQ(m_app.WinMainBody(L""), 4);
}

TEST_F(WinAppFixture, NoMessageLoopWhenInitInstanceFails) {
    m_app.m_bCreateWindow = false;
    bool actionRan = false;
    m_windows.QueueUserAction([&] { actionRan = true; });
    EXPECT_EQ(m_app.WinMainBody(L""), 5);
    EXPECT_FALSE(actionRan) << "nothing may wait for messages";
}

TEST_F(WinAppFixture, LoopThatEndsWithoutWmQuitReportsMinusOne) {
    EXPECT_EQ(m_app.WinMainBody(L""), -1);
}
