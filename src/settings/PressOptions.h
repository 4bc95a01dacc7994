#pragma once
// What a press needs from the settings, as one value that the run hands to the injector before each
// press, with the descriptions of the stored values it is read from. An option that every press
// passes on is described, declared and bound here, and nowhere else in the settings.
#include <string>

#include "settings/ValueDescription.h"

inline constexpr StoredInt SEND_KEYS_TO_ACTIVE_WINDOW{StoredSection::Instance, L"SendKeysToActiveWindow", 1,
                                                      0, 1};
inline constexpr StoredInt SEND_KEYS_TO_FIRST_EDIT_OF_SELECTED_WINDOW{
    StoredSection::Instance, L"SendKeysToFirstEditOfSelectedWindow", 0, 0, 1};
inline constexpr StoredInt SEND_KEY_UPS{StoredSection::Instance, L"SendKeyUps", 0, 0, 1};
inline constexpr StoredInt SEND_CHARS{StoredSection::Instance, L"SendChars", 0, 0, 1};
// The class and title of the picked window's top-level window, written with the rest of its identity.
inline constexpr StoredText TARGET_WINDOW_CLASS{StoredSection::Instance, L"TargetWindowClass"};
inline constexpr StoredText TARGET_WINDOW_NAME{StoredSection::Instance, L"TargetWindowName"};

struct PressOptions {
    // false: to the selected window, by posted messages.
    bool bSendToActiveWindow = SEND_KEYS_TO_ACTIVE_WINDOW.nDefault != 0;
    bool bSendToFirstEdit = SEND_KEYS_TO_FIRST_EDIT_OF_SELECTED_WINDOW.nDefault != 0;
    bool bSendKeyUps = SEND_KEY_UPS.nDefault != 0;
    bool bSendChars = SEND_CHARS.nDefault != 0;
    // Where keys held in a selected window are let go when that window is gone.
    std::wstring strTargetClass;
    std::wstring strTargetName;
};

// Each switch of the options with the stored value it is read from.
struct PressSwitch {
    const StoredInt& value;
    bool PressOptions::*option;
};
inline constexpr PressSwitch PRESS_SWITCHES[] = {
    {SEND_KEYS_TO_ACTIVE_WINDOW, &PressOptions::bSendToActiveWindow},
    {SEND_KEYS_TO_FIRST_EDIT_OF_SELECTED_WINDOW, &PressOptions::bSendToFirstEdit},
    {SEND_CHARS, &PressOptions::bSendChars},
    {SEND_KEY_UPS, &PressOptions::bSendKeyUps},
};
