#pragma once
// The two forms of a shortcut's modifier flags: the hotkey control's HOTKEYF_* bits and the
// MOD_* bits that the profile stores and RegisterHotKey takes. Shift, Ctrl and Alt map to their
// partners; every other bit is dropped on the way to the stored form.
#include <cstdint>

#include "ports/IHotKeys.h"

std::uint32_t ModifiersToStoredForm(std::uint32_t controlModifiers);
// The control form in which the stored pair shows, for the key vk: the extended flag marks the
// navigation-block keys (Home rather than keypad 7) and a Windows-key flag stored in the past.
std::uint32_t ModifiersToControlForm(std::uint32_t storedModifiers, std::uint32_t vk);

// RegisterHotKey with MOD_NOREPEAT, so that a shortcut held down fires once; where the system refuses
// the flag (before Windows 7), again without it.
bool RegisterHotKeyOnce(IHotKeys& hotKeys, WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t vk);
