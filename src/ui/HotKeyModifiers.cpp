#include "ui/HotKeyModifiers.h"

#include "ports/Win32Constants.h"

namespace {

struct ModifierPair {
    std::uint32_t controlFlag;
    std::uint32_t storedFlag;
};

// The control reports HOTKEYF_EXT for keys of the navigation block; it becomes the Windows-key
// modifier for RegisterHotKey, and a stored Windows-key flag shows as the extended flag.
constexpr ModifierPair kModifierPairs[] = {
    {HOTKEYF_SHIFT, MOD_SHIFT},
    {HOTKEYF_CONTROL, MOD_CONTROL},
    {HOTKEYF_ALT, MOD_ALT},
    {HOTKEYF_EXT, MOD_WIN},
};

} // namespace

std::uint32_t ModifiersToStoredForm(std::uint32_t controlModifiers) {
    std::uint32_t stored = 0;
    for (const ModifierPair& pair : kModifierPairs) {
        if ((controlModifiers & pair.controlFlag) != 0) {
            stored |= pair.storedFlag;
        }
    }
    return stored;
}

std::uint32_t ModifiersToControlForm(std::uint32_t storedModifiers) {
    std::uint32_t control = 0;
    for (const ModifierPair& pair : kModifierPairs) {
        if ((storedModifiers & pair.storedFlag) != 0) {
            control |= pair.controlFlag;
        }
    }
    return control;
}
