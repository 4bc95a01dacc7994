#pragma once
// Log lines of CFakeKeyboardInput that tests of more than one layer expect.
#include <string>
#include <vector>

// Shift+Tab held through two presses into the focused window, then let go: Shift comes up first.
inline const std::vector<std::string> kHeldShiftTabTwiceThenReleased = {
    "SendInput 1 {vk=0x10 scan=0x00 flags=0x0}", "SendInput 1 {vk=0x09 scan=0x00 flags=0x0}",
    "SendInput 1 {vk=0x10 scan=0x00 flags=0x0}", "SendInput 1 {vk=0x09 scan=0x00 flags=0x0}",
    "SendInput 1 {vk=0x10 scan=0x00 flags=0x2}", "SendInput 1 {vk=0x09 scan=0x00 flags=0x2}",
};
