#pragma once
// The user's own keyboard, as far as the driver needs it: real input through the system's input
// queue (SendInput), which reaches the foreground window and the global shortcuts.
#include <windows.h>

#include <vector>

// Presses the modifiers in order, taps the key and releases the modifiers in reverse order.
bool PressKeys(const std::vector<WORD>& modifiers, WORD nKey);
// The system-wide state of the key, as every program sees it.
bool IsKeyDown(int nVirtualKey);
// Releases every keyboard key the system still sees down, so that a failed case cannot leave a held
// Shift behind for the next one.
void ReleaseKeysLeftDown();
