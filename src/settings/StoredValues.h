#pragma once
// Every value the program stores, but those a press hands to the injector (settings/PressOptions.h).
#include "settings/ValueDescription.h"

// This instance's run: the delay between presses, how many, and which key.
inline constexpr StoredInt AUTO_CLICKS_DELAY_MINS{StoredSection::Instance, L"AutoClicksDelayMins", 0, 0,
                                                  9999};
inline constexpr StoredInt AUTO_CLICKS_DELAY_SECONDS{StoredSection::Instance, L"AutoClicksDelaySeconds", 0, 0,
                                                     59};
inline constexpr StoredInt AUTO_CLICKS_DELAY_MILLI_SECONDS{StoredSection::Instance,
                                                           L"AutoClicksDelayMilliSeconds", 10, 0, 99999};
inline constexpr StoredInt SET_NUMBER_OF_CLICKS_TO_AUTOMATE{StoredSection::Instance,
                                                            L"SetNumberOfClicksToAutomate", 10, 0, 9999};
inline constexpr StoredInt HOLD_KEY{StoredSection::Instance, L"HoldKey", 0, 0, 1};
// Positions in the key lists, -1 for none.
inline constexpr StoredInt KEY_INDEX_TOBE_AUTOMATED{StoredSection::Instance, L"KeyIndexTobeAutomated", -1, -1,
                                                    ANY_MAX};
inline constexpr StoredInt MOD_KEY_INDEX_TOBE_AUTOMATED{StoredSection::Instance, L"ModKeyIndexTobeAutomated",
                                                        -1, -1, ANY_MAX};

// The random extra delay; its dialog takes any integer.
inline constexpr StoredInt ENABLE_RANDOM_DELAY{StoredSection::Instance, L"EnableRandomDelay", 0, 0, 1};
inline constexpr StoredInt RANDOM_CLICKS_DELAY_MINS{StoredSection::Instance, L"RandomClicksDelayMins", 0,
                                                    ANY_MIN, ANY_MAX};
inline constexpr StoredInt RANDOM_CLICKS_DELAY_SECONDS{StoredSection::Instance, L"RandomClicksDelaySeconds",
                                                       30, ANY_MIN, ANY_MAX};
inline constexpr StoredInt RANDOM_CLICKS_DELAY_MILLI_SECONDS{
    StoredSection::Instance, L"RandomClicksDelayMilliSeconds", 0, ANY_MIN, ANY_MAX};

// Shared by every instance. The method is the index of its checked radio button: 0 "Normal",
// 1 "Brute", -1 neither.
inline constexpr StoredInt TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP{
    StoredSection::Shared, L"TimeDelayBetweenKeyDownAndKeyUp", 10, 0, 9999999};
inline constexpr StoredInt USE_OLD_KEY_INPUT_METHOD{StoredSection::Shared, L"UseOldKeyInputMethod", 1, -1, 1};
inline constexpr StoredInt USE_SINGLE_INSTANCE{StoredSection::Shared, L"UseSingleInstance", 1, 0, 1};

// Which share links have been used; a set flag hides its button.
inline constexpr StoredInt TWITTERED{StoredSection::Social, L"Twittered", 0, 0, 1};
inline constexpr StoredInt FACEBOOKED{StoredSection::Social, L"Facebooked", 0, 0, 1};
inline constexpr StoredInt GOOGLED{StoredSection::Social, L"Googled", 0, 0, 1};

// The profiles opened or saved last, the latest first, for every instance's menus.
inline constexpr StoredText RECENT_PROFILES[] = {
    {StoredSection::Shared, L"RecentProfile1"}, {StoredSection::Shared, L"RecentProfile2"},
    {StoredSection::Shared, L"RecentProfile3"}, {StoredSection::Shared, L"RecentProfile4"},
    {StoredSection::Shared, L"RecentProfile5"},
};

// The window selected as the target, as its 32-bit handle.
inline constexpr StoredInt SEEKED_WINDOW{StoredSection::SeekedWindows, nullptr, 0, ANY_MIN, ANY_MAX};
// What else identifies it, written with the handle when the user picks a window (settings/TargetIdentity.h):
// the program file of its process and, when a control was picked, the control's class and identifier.
inline constexpr StoredText TARGET_WINDOW_PROGRAM{StoredSection::Instance, L"TargetWindowProgram"};
inline constexpr StoredText TARGET_CONTROL_CLASS{StoredSection::Instance, L"TargetControlClass"};
inline constexpr StoredInt TARGET_CONTROL_ID{StoredSection::Instance, L"TargetControlId", 0, ANY_MIN,
                                             ANY_MAX};

// This instance's run options: a countdown before the first press, a time the run may last and a
// time of day it ends at (each off while its flag is 0), and whether a run into the focused window
// waits while another window is in front.
inline constexpr StoredInt START_AFTER_SECONDS{StoredSection::Instance, L"StartAfterSeconds", 0, 0, 60};
inline constexpr StoredInt ENABLE_STOP_AFTER{StoredSection::Instance, L"EnableStopAfter", 0, 0, 1};
inline constexpr StoredInt STOP_AFTER_HOURS{StoredSection::Instance, L"StopAfterHours", 0, 0, 999};
inline constexpr StoredInt STOP_AFTER_MINUTES{StoredSection::Instance, L"StopAfterMinutes", 0, 0, 59};
inline constexpr StoredInt STOP_AFTER_SECONDS{StoredSection::Instance, L"StopAfterSeconds", 0, 0, 59};
inline constexpr StoredInt ENABLE_STOP_AT{StoredSection::Instance, L"EnableStopAt", 0, 0, 1};
inline constexpr StoredInt STOP_AT_HOUR{StoredSection::Instance, L"StopAtHour", 0, 0, 23};
inline constexpr StoredInt STOP_AT_MINUTE{StoredSection::Instance, L"StopAtMinute", 0, 0, 59};
inline constexpr StoredInt ONLY_WHILE_IN_FRONT{StoredSection::Instance, L"OnlyWhileInFront", 0, 0, 1};
