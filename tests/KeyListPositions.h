#pragma once
// Positions in the main dialog's key list and modifier list, as the tests choose and store them.
// The lists' order is fixed, since the stored selections are these positions. Shared by the unit and
// the end-to-end tests.
inline constexpr int KEY_F5 = 4;
inline constexpr int KEY_ENTER = 13;
inline constexpr int KEY_LEFT = 15;
inline constexpr int KEY_RIGHT = 16;
inline constexpr int KEY_TAB = 23;
inline constexpr int KEY_CTRL = 24;
inline constexpr int KEY_LETTER_A = 46;

inline constexpr int MODIFIER_NONE = 0;
inline constexpr int MODIFIER_CTRL = 1;
inline constexpr int MODIFIER_ALT = 2;
inline constexpr int MODIFIER_SHIFT = 3;
