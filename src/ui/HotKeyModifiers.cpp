#include "ui/HotKeyModifiers.h"

#include <algorithm>
#include <iterator>

#include "ports/Win32Constants.h"

namespace {

struct ModifierPair {
    std::uint32_t controlFlag;
    std::uint32_t storedFlag;
};

constexpr ModifierPair MODIFIER_PAIRS[] = {
    {HOTKEYF_SHIFT, MOD_SHIFT},
    {HOTKEYF_CONTROL, MOD_CONTROL},
    {HOTKEYF_ALT, MOD_ALT},
};

// Keys the control reports as extended when they come from the navigation block, the block a user
// typing them most likely used; without the flag they would be named after their keypad twins.
constexpr std::uint32_t NAVIGATION_KEYS[] = {
    VK_PRIOR, VK_NEXT, VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_INSERT, VK_DELETE,
};

} // namespace

std::uint32_t ModifiersToStoredForm(std::uint32_t controlModifiers) {
    // HOTKEYF_EXT only tells which of two keys with the same code was typed; it is not the Windows
    // key, and RegisterHotKey takes the code, which is the same for both.
    std::uint32_t stored = 0;
    for (const ModifierPair& pair : MODIFIER_PAIRS) {
        if ((controlModifiers & pair.controlFlag) != 0) {
            stored |= pair.storedFlag;
        }
    }
    return stored;
}

std::uint32_t ModifiersToControlForm(std::uint32_t storedModifiers, std::uint32_t vk) {
    std::uint32_t control = 0;
    for (const ModifierPair& pair : MODIFIER_PAIRS) {
        if ((storedModifiers & pair.storedFlag) != 0) {
            control |= pair.controlFlag;
        }
    }
    // A pair stored with MOD_WIN for the extended flag is still registered as stored, and shows as
    // the control reported it when it was typed.
    const bool bNavigationKey =
        std::find(std::begin(NAVIGATION_KEYS), std::end(NAVIGATION_KEYS), vk) != std::end(NAVIGATION_KEYS);
    if ((storedModifiers & MOD_WIN) != 0 || bNavigationKey) {
        control |= HOTKEYF_EXT;
    }
    return control;
}

bool RegisterHotKeyOnce(IHotKeys& hotKeys, WindowHandle window, int id, std::uint32_t modifiers,
                        std::uint32_t vk) {
    if (hotKeys.RegisterHotKey(window, id, modifiers | MOD_NOREPEAT, vk)) {
        return true;
    }
    // A combination another program holds is refused whatever the flags: that is no reason to try again.
    return hotKeys.GetLastError() != ERROR_HOTKEY_ALREADY_REGISTERED &&
           hotKeys.RegisterHotKey(window, id, modifiers, vk);
}
