// The shortcut's modifier flags between the hotkey control's form and the stored/registered form.
#include <cstdint>

#include <gtest/gtest.h>

#include "fakes/CallLog.h"
#include "ports/Win32Constants.h"
#include "ui/HotKeyModifiers.h"

namespace {

struct ToStoredCase {
    std::uint32_t control;
    std::uint32_t stored;
};

struct ToControlCase {
    std::uint32_t stored;
    std::uint32_t vk;
    std::uint32_t control;
};

} // namespace

TEST(HotKeyModifiers, ControlFormConvertsToItsStoredPartner) {
    const ToStoredCase cases[] = {
        {0, 0},
        {HOTKEYF_SHIFT, MOD_SHIFT},
        {HOTKEYF_CONTROL, MOD_CONTROL},
        {HOTKEYF_ALT, MOD_ALT},
        {HOTKEYF_CONTROL | HOTKEYF_ALT, 0x0003},
        // The extended flag names the navigation-block key, not the Windows key.
        {HOTKEYF_EXT, 0},
        {HOTKEYF_SHIFT | HOTKEYF_EXT, MOD_SHIFT},
        {HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_EXT, 0x0007},
        // Bits without a partner are dropped.
        {0xF0, 0},
        {0xFF, 0x0007},
        {0x100 | HOTKEYF_ALT, MOD_ALT},
    };
    for (const ToStoredCase& c : cases) {
        EXPECT_EQ(ModifiersToStoredForm(c.control), c.stored) << "control " << Hex(c.control, 2);
    }
}

TEST(HotKeyModifiers, StoredFormConvertsToTheControlFormOfItsKey) {
    const ToControlCase cases[] = {
        {0, VK_F6, 0},
        {MOD_SHIFT, VK_F6, HOTKEYF_SHIFT},
        {MOD_CONTROL, VK_F6, HOTKEYF_CONTROL},
        {MOD_ALT, VK_F6, HOTKEYF_ALT},
        {0x0003, VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT},
        // Navigation-block keys show with the extended flag the control gave them.
        {MOD_SHIFT, VK_HOME, HOTKEYF_SHIFT | HOTKEYF_EXT},
        {0, VK_DELETE, HOTKEYF_EXT},
        {MOD_ALT, VK_NUMPAD9, HOTKEYF_ALT},
        // A Windows-key flag stored in the past shows as the extended flag it came from.
        {MOD_WIN, VK_F6, HOTKEYF_EXT},
        {0x000C, VK_HOME, HOTKEYF_SHIFT | HOTKEYF_EXT},
        {0x000F, VK_F6, HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_EXT},
        // Bits without a partner are dropped.
        {0xFFF0, VK_F6, 0},
        {0x4000 | MOD_ALT, VK_F6, HOTKEYF_ALT}, // MOD_NOREPEAT is not a modifier of the control
        {0xFFFF, VK_F6, 0x0F},
    };
    for (const ToControlCase& c : cases) {
        EXPECT_EQ(ModifiersToControlForm(c.stored, c.vk), c.control)
            << "stored " << Hex(c.stored, 4) << " with key " << Hex(c.vk, 2);
    }
}
