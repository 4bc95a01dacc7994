#pragma once
// What the main dialog tells the user about the start/stop shortcut.

constexpr wchar_t LOAD_HOTKEY_FAILED[] = L"Failed to Load Shortcut Key for Auto Key Pressing.";
constexpr wchar_t SAVE_HOTKEY_FAILED[] = L"Failed to Store HotKey to Start Auto Mouse Clicks.";
constexpr wchar_t CLEAR_HOTKEY_FAILED[] = L"Failed to Store HotKey to Start Key Pressing.";
constexpr wchar_t SELECT_KEY_FIRST[] =
    L"First Select Keyboard Key from the Drop Down List.\n\n"
    L"Click on the OK Button to View Available Keyboard Keys for Automation.";
constexpr wchar_t PRESS_SHORTCUT_FIRST[] = L"Click on the White Box With None Written in it.\n\n"
                                           L"Now Press the desired Keyboard Shortcut Key\n\n"
                                           L"Finally Click on the Save Shortcut Key Button.";
