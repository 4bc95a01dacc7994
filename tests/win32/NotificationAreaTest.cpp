// The notification-area adapter against the real shell, with the records CTrayIcon builds: the
// 952-byte record is accepted for add, tooltip change and delete.
#include "platform/win32/Win32Sdk.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/win32/Win32NotificationArea.h"
#include "ui/TrayIcon.h"

namespace {

WindowHandle ToHandle(HWND window) {
    return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}

class NotificationAreaFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_hWnd = CreateWindowExW(0, L"Static", L"Tapwell tray test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_hWnd, nullptr);
        m_hIcon =
            static_cast<IconHandle>(reinterpret_cast<std::uintptr_t>(LoadIconW(nullptr, IDI_APPLICATION)));
    }
    void TearDown() override {
        if (m_hWnd != nullptr) {
            DestroyWindow(m_hWnd);
        }
    }

    HWND m_hWnd = nullptr;
    IconHandle m_hIcon = 0;
    CWin32NotificationArea m_shell;
};

} // namespace

TEST_F(NotificationAreaFixture, RecordOf952BytesIsAcceptedForAddModifyAndDelete) {
    const WindowHandle window = ToHandle(m_hWnd);

    EXPECT_TRUE(
        m_shell.ShellNotifyIcon(NIM_ADD, CTrayIcon::MakeAddRecord(window, m_hIcon, L"Tapwell by Tovrin")));
    EXPECT_TRUE(m_shell.ShellNotifyIcon(NIM_MODIFY,
                                        CTrayIcon::MakeTipRecord(window, L"F6 - [ A ]\nTapwell by Tovrin")));
    EXPECT_TRUE(m_shell.ShellNotifyIcon(NIM_DELETE, CTrayIcon::MakeDeleteRecord(window)));
}

TEST_F(NotificationAreaFixture, DeletingAnIconThatIsGoneFails) {
    const WindowHandle window = ToHandle(m_hWnd);
    ASSERT_TRUE(
        m_shell.ShellNotifyIcon(NIM_ADD, CTrayIcon::MakeAddRecord(window, m_hIcon, L"Tapwell by Tovrin")));
    ASSERT_TRUE(m_shell.ShellNotifyIcon(NIM_DELETE, CTrayIcon::MakeDeleteRecord(window)));

    EXPECT_FALSE(m_shell.ShellNotifyIcon(NIM_DELETE, CTrayIcon::MakeDeleteRecord(window)));
    EXPECT_FALSE(m_shell.ShellNotifyIcon(NIM_MODIFY, CTrayIcon::MakeTipRecord(window, L"gone")));
}

TEST_F(NotificationAreaFixture, LongestTipIsAccepted) {
    const WindowHandle window = ToHandle(m_hWnd);

    EXPECT_TRUE(
        m_shell.ShellNotifyIcon(NIM_ADD, CTrayIcon::MakeAddRecord(window, m_hIcon, std::wstring(300, L'w'))));
    EXPECT_TRUE(m_shell.ShellNotifyIcon(NIM_DELETE, CTrayIcon::MakeDeleteRecord(window)));
}
