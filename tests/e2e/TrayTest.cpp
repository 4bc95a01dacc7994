// The notification-area icon, used with the real pointer on the icon Wine's tray window shows:
// hiding to it, coming back from it, its return with a new taskbar, and its menu's "Exit".
#include "Polling.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TrayArea.h"
#include "UserMouse.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
const wchar_t MENU_CLASS[] = L"#32768";

class Tray : public CTapwellCase {
protected:
    // Hides the main window with its button; the icon is then the only way back. The hidden window
    // also uncovers the tray window, which opens at the same corner of the screen.
    static void HideToTray(CTapwellInstance& tapwell) {
        ASSERT_EQ(tapwell.Form().Click(IDC_HIDE_TO_TRAY), ActionResult::Done);
        HWND hMain = tapwell.MainWindow();
        ASSERT_TRUE(WaitUntil([hMain] { return !IsWindowVisible(hMain); }, SETTLE_TIMEOUT_MS));
    }

    // The icon's window in the tray, which must be the only one there.
    static void FindOnlyIcon(HWND* phIcon) {
        std::vector<HWND> icons;
        ASSERT_TRUE(WaitUntil([&] { return !(icons = TrayIconWindows()).empty(); }, SETTLE_TIMEOUT_MS));
        ASSERT_EQ(icons.size(), 1u);
        *phIcon = icons[0];
    }
};

HWND FindVisibleMenu(DWORD nProcessId) {
    for (HWND hWnd : TopLevelWindowsOf(nProcessId)) {
        if (WindowClass(hWnd) == MENU_CLASS && IsWindowVisible(hWnd)) {
            return hWnd;
        }
    }
    return nullptr;
}

// The tray menu's rows are "Exit", a separator and "Show": a quarter of the way down lies on "Exit".
POINT ExitItemOf(HWND hMenu) {
    RECT rect = {};
    GetWindowRect(hMenu, &rect);
    return POINT{(rect.left + rect.right) / 2, rect.top + (rect.bottom - rect.top) / 4};
}
} // namespace

TEST_F(Tray, HiddenToTheTrayTheWindowComesBackWithADoubleClickOnTheIcon) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    HWND hMain = pTapwell->MainWindow();

    ASSERT_NO_FATAL_FAILURE(HideToTray(*pTapwell));

    EXPECT_TRUE(IsWindow(hMain));
    EXPECT_TRUE(pTapwell->Process().IsRunning());
    HWND hIcon = nullptr;
    ASSERT_NO_FATAL_FAILURE(FindOnlyIcon(&hIcon));
    ASSERT_TRUE(DoubleClickAt(CenterOf(hIcon)));
    EXPECT_TRUE(WaitUntil([hMain] { return IsWindowVisible(hMain) && !IsIconic(hMain); }, SETTLE_TIMEOUT_MS));
    EXPECT_TRUE(WaitUntil([hMain] { return GetForegroundWindow() == hMain; }, SETTLE_TIMEOUT_MS));
}

TEST_F(Tray, TheIconComesBackWithANewTaskbarAndItsMenuExitEndsTheProgramWithoutIt) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    HWND hMain = pTapwell->MainWindow();
    ASSERT_TRUE(ShellHoldsIcon(hMain, TRAY_ICON_ID));

    // A restarted shell has forgotten every icon, then announces its new taskbar to every window.
    ASSERT_TRUE(ShellForgetsIcon(hMain, TRAY_ICON_ID));
    ASSERT_TRUE(WaitUntil([] { return TrayIconWindows().empty(); }, SETTLE_TIMEOUT_MS));
    ASSERT_TRUE(PostMessageW(hMain, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0));

    ASSERT_TRUE(WaitUntil([hMain] { return ShellHoldsIcon(hMain, TRAY_ICON_ID); }, SETTLE_TIMEOUT_MS));
    ASSERT_NO_FATAL_FAILURE(HideToTray(*pTapwell));
    HWND hIcon = nullptr;
    ASSERT_NO_FATAL_FAILURE(FindOnlyIcon(&hIcon));
    // The icon added again answers the pointer with the tray menu.
    ASSERT_TRUE(RightClickAt(CenterOf(hIcon)));
    HWND hMenu = nullptr;
    const DWORD nProcessId = pTapwell->Process().Id();
    ASSERT_TRUE(
        WaitUntil([&] { return (hMenu = FindVisibleMenu(nProcessId)) != nullptr; }, SETTLE_TIMEOUT_MS));
    ASSERT_TRUE(ClickAt(ExitItemOf(hMenu)));

    ASSERT_TRUE(pTapwell->Process().WaitForExit(EXIT_TIMEOUT_MS)) << "Tapwell is still running";
    EXPECT_EQ(pTapwell->Process().ExitCode(), DWORD{0});
    EXPECT_TRUE(TrayIconWindows().empty());
    EXPECT_FALSE(ShellHoldsIcon(hMain, TRAY_ICON_ID));
}
