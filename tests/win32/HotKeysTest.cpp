// The global-shortcut adapter against the real system, and the shortcut's names from a real
// hotkey control and the real keyboard layout.
#include "platform/win32/Win32Sdk.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/win32/Win32HotKeys.h"
#include "platform/win32/Win32KeyboardLayout.h"
#include "platform/win32/Win32Windows.h"
#include "ui/NamedHotKeyCtrl.h"

namespace {

WindowHandle ToHandle(HWND window) {
    return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}

HWND CreateTopLevel(const wchar_t* title) {
    return CreateWindowExW(0, L"Static", title, WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

class HotKeysFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_hFirst = CreateTopLevel(L"first");
        m_hSecond = CreateTopLevel(L"second");
        ASSERT_NE(m_hFirst, nullptr);
        ASSERT_NE(m_hSecond, nullptr);
    }
    void TearDown() override {
        m_hotKeys.UnregisterHotKey(ToHandle(m_hFirst), 1);
        m_hotKeys.UnregisterHotKey(ToHandle(m_hSecond), 1);
        DestroyWindow(m_hFirst);
        DestroyWindow(m_hSecond);
    }

    HWND m_hFirst = nullptr;
    HWND m_hSecond = nullptr;
    CWin32HotKeys m_hotKeys;
};

} // namespace

TEST_F(HotKeysFixture, ACombinationHeldElsewhereIsRefusedWithAlreadyRegistered) {
    ASSERT_TRUE(m_hotKeys.RegisterHotKey(ToHandle(m_hFirst), 1, MOD_CONTROL | MOD_ALT, VK_F6));

    EXPECT_FALSE(m_hotKeys.RegisterHotKey(ToHandle(m_hSecond), 1, MOD_CONTROL | MOD_ALT, VK_F6));
    EXPECT_EQ(m_hotKeys.GetLastError(), static_cast<std::uint32_t>(ERROR_HOTKEY_ALREADY_REGISTERED));
}

TEST_F(HotKeysFixture, UnregisteringFreesTheCombination) {
    ASSERT_TRUE(m_hotKeys.RegisterHotKey(ToHandle(m_hFirst), 1, MOD_SHIFT | MOD_WIN, VK_HOME));

    EXPECT_TRUE(m_hotKeys.UnregisterHotKey(ToHandle(m_hFirst), 1));
    EXPECT_FALSE(m_hotKeys.UnregisterHotKey(ToHandle(m_hFirst), 1));
    EXPECT_TRUE(m_hotKeys.RegisterHotKey(ToHandle(m_hSecond), 1, MOD_SHIFT | MOD_WIN, VK_HOME));
}

TEST(NamedHotKeyCtrlOnWindows, RealControlAndLayoutNameTheCombination) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_HOTKEY_CLASS};
    ASSERT_TRUE(InitCommonControlsEx(&controls));
    HWND parent = CreateTopLevel(L"parent");
    HWND control = CreateWindowExW(0, HOTKEY_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 10, 160, 20, parent,
                                   reinterpret_cast<HMENU>(1003), GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(control, nullptr);
    CWin32Windows windows;
    CWin32KeyboardLayout layout;
    CNamedHotKeyCtrl hotKey(windows, layout);
    hotKey.Attach(ToHandle(control));

    hotKey.SetHotKey(VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT);
    std::uint32_t vk = 0;
    std::uint32_t modifiers = 0;
    hotKey.GetHotKey(&vk, &modifiers);
    const std::wstring name = hotKey.GetHotKeyName();
    const std::wstring ctrl = hotKey.GetKeyName(VK_CONTROL, false);
    const std::wstring alt = hotKey.GetKeyName(VK_MENU, false);
    const std::wstring f6 = hotKey.GetKeyName(VK_F6, false);
    hotKey.SetHotKey(0, 0);
    const std::wstring emptyName = hotKey.GetHotKeyName();
    hotKey.Detach();
    DestroyWindow(parent);

    EXPECT_EQ(vk, static_cast<std::uint32_t>(VK_F6));
    EXPECT_EQ(modifiers, static_cast<std::uint32_t>(HOTKEYF_CONTROL | HOTKEYF_ALT));
    EXPECT_FALSE(ctrl.empty());
    EXPECT_FALSE(alt.empty());
    EXPECT_EQ(f6, L"F6");
    EXPECT_EQ(name, ctrl + L" + " + alt + L" + F6");
    EXPECT_EQ(emptyName, L"");
}
