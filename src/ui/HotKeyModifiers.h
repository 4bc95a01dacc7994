#pragma once
// The two forms of a shortcut's modifier flags: the hotkey control's HOTKEYF_* bits and the
// MOD_* bits that the profile stores and RegisterHotKey takes. Each of the four bits maps to its
// partner; every other bit is dropped.
#include <cstdint>

std::uint32_t ModifiersToStoredForm(std::uint32_t controlModifiers);
std::uint32_t ModifiersToControlForm(std::uint32_t storedModifiers);
