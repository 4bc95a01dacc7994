// The shortcut's modifier flags between the hotkey control's form and the stored/registered form.
#include <cstdint>

#include <gtest/gtest.h>

#include "fakes/CallLog.h"
#include "ports/Win32Constants.h"
#include "ui/HotKeyModifiers.h"

namespace {

struct ModifierCase {
    std::uint32_t control;
    std::uint32_t stored;
};

// Every row converts both ways.
constexpr ModifierCase kPairs[] = {
    {0, 0},
    {HOTKEYF_SHIFT, MOD_SHIFT},
    {HOTKEYF_CONTROL, MOD_CONTROL},
    {HOTKEYF_ALT, MOD_ALT},
    {HOTKEYF_EXT, MOD_WIN},
    {HOTKEYF_CONTROL | HOTKEYF_ALT, 0x0003},
    {HOTKEYF_SHIFT | HOTKEYF_EXT, 0x000C},
    {HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_EXT, 0x000F},
};

} // namespace

TEST(HotKeyModifiers, ControlFormConvertsToItsStoredPartner) {
    for (const ModifierCase& pair : kPairs) {
        EXPECT_EQ(ModifiersToStoredForm(pair.control), pair.stored) << "control " << Hex(pair.control, 2);
    }
}

TEST(HotKeyModifiers, StoredFormConvertsToItsControlPartner) {
    for (const ModifierCase& pair : kPairs) {
        EXPECT_EQ(ModifiersToControlForm(pair.stored), pair.control) << "stored " << Hex(pair.stored, 4);
    }
}

TEST(HotKeyModifiers, BitsWithoutAPartnerAreDropped) {
    const ModifierCase cases[] = {
        {0xF0, 0},
        {0xFF, 0x000F},
        {0x100 | HOTKEYF_ALT, MOD_ALT},
    };
    for (const ModifierCase& c : cases) {
        EXPECT_EQ(ModifiersToStoredForm(c.control), c.stored) << "control " << Hex(c.control, 2);
    }
    const ModifierCase storedCases[] = {
        {0, 0xFFF0},
        {HOTKEYF_ALT, 0x4000 | MOD_ALT}, // MOD_NOREPEAT is not a modifier of the control
        {0x0F, 0xFFFF},
    };
    for (const ModifierCase& c : storedCases) {
        EXPECT_EQ(ModifiersToControlForm(c.stored), c.control) << "stored " << Hex(c.stored, 4);
    }
}
