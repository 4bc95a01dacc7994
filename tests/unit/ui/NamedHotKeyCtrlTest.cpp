// The display names of the start/stop shortcut, from the keyboard layout's key names.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "fakes/FakeKeyboardLayout.h"
#include "fakes/FakeWindows.h"
#include "ports/Win32Constants.h"
#include "ui/NamedHotKeyCtrl.h"

namespace {

constexpr LParam EXTENDED = LParam{1} << 24;

LParam KeyParameter(std::uint32_t scanCode) {
    return static_cast<LParam>(scanCode) << 16;
}

class NamedHotKeyFixture : public ::testing::Test {
protected:
    NamedHotKeyFixture() {
        const WindowHandle dialog = m_windows.AddTopLevelWindow(L"Tapwell by Tovrin", L"#32770");
        m_control.Attach(m_windows.AddChildWindow(dialog, L"msctls_hotkey32", 1003));

        const struct {
            std::uint32_t vk;
            std::uint32_t scanCode;
        } scanCodes[] = {
            {VK_CONTROL, 0x1D}, {VK_SHIFT, 0x2A}, {VK_MENU, 0x38}, {VK_F6, 0x40}, {VK_HOME, 0x47}};
        for (const auto& key : scanCodes) {
            m_layout.SetScanCode(key.vk, key.scanCode);
        }
        m_layout.SetKeyName(KeyParameter(0x1D), L"Ctrl");
        m_layout.SetKeyName(KeyParameter(0x2A), L"Shift");
        m_layout.SetKeyName(KeyParameter(0x38), L"Alt");
        m_layout.SetKeyName(KeyParameter(0x40), L"F6");
        m_layout.SetKeyName(KeyParameter(0x47), L"Num 7");
        m_layout.SetKeyName(KeyParameter(0x47) | EXTENDED, L"Home");
    }

    FakeWindows m_windows;
    CFakeKeyboardLayout m_layout;
    CNamedHotKeyCtrl m_control{m_windows, m_layout};
};

} // namespace

TEST_F(NamedHotKeyFixture, AnEmptyControlHasAnEmptyName) {
    m_control.SetHotKey(0, 0);

    EXPECT_EQ(m_control.GetHotKeyName(), L"");
}

TEST_F(NamedHotKeyFixture, ModifiersComeFirstInTheOrderCtrlShiftAlt) {
    const struct {
        std::uint32_t vk;
        std::uint32_t modifiers;
        const wchar_t* name;
    } cases[] = {
        {VK_F6, 0, L"F6"},
        {VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT, L"Ctrl + Alt + F6"},
        {VK_F6, HOTKEYF_ALT | HOTKEYF_SHIFT, L"Shift + Alt + F6"},
        {VK_F6, HOTKEYF_ALT | HOTKEYF_SHIFT | HOTKEYF_CONTROL, L"Ctrl + Shift + Alt + F6"},
        {VK_HOME, HOTKEYF_SHIFT | HOTKEYF_EXT, L"Shift + Home"},
        {VK_HOME, 0, L"Num 7"},
        // Modifiers alone: the key's name is empty.
        {0, HOTKEYF_CONTROL | HOTKEYF_SHIFT, L"Ctrl + Shift + "},
    };
    for (const auto& c : cases) {
        m_control.SetHotKey(c.vk, c.modifiers);
        EXPECT_EQ(m_control.GetHotKeyName(), c.name)
            << "vk " << Hex(c.vk, 2) << " modifiers " << Hex(c.modifiers, 2);
    }
}

TEST_F(NamedHotKeyFixture, TheExtendedFlagSelectsTheNavigationKeyName) {
    EXPECT_EQ(m_control.GetKeyName(VK_HOME, true), L"Home");
    EXPECT_EQ(m_control.GetKeyName(VK_HOME, false), L"Num 7");
}

TEST_F(NamedHotKeyFixture, AKeyWithoutANameGivesAnEmptyText) {
    EXPECT_EQ(m_control.GetKeyName(0x41, false), L"");
}

TEST_F(NamedHotKeyFixture, NamesOfAnyLengthComeBackWhole) {
    // The first buffer holds 127 units and a zero; longer names need the doubled buffers.
    for (std::size_t length : {1u, 126u, 127u, 128u, 255u, 256u, 300u}) {
        const std::wstring name(length, L'k');
        m_layout.SetKeyName(KeyParameter(0x40), name);
        EXPECT_EQ(m_control.GetKeyName(VK_F6, false), name) << "length " << length;
    }
}
