#pragma once
// The main dialog and its about box as the resource script lays them out, for the fake window system.
#include <initializer_list>
#include <vector>

#include "fakes/FakeDialogTemplate.h"
#include "resource.h"

// The boxed minutes, seconds and milliseconds of a delay, as both delay dialogs lay them out.
inline std::vector<FakeControl> DelayBoxes(int idMinutes, int idSeconds, int idMilliSeconds) {
    return {FakeControl::GroupBox(L"Minutes"),       FakeControl::Edit(idMinutes).DigitsOnly(),
            FakeControl::GroupBox(L"Seconds"),       FakeControl::Edit(idSeconds).DigitsOnly(),
            FakeControl::GroupBox(L"Milli Seconds"), FakeControl::Edit(idMilliSeconds).DigitsOnly()};
}

inline std::vector<FakeControl> Joined(std::initializer_list<std::vector<FakeControl>> parts) {
    std::vector<FakeControl> controls;
    for (const auto& part : parts) {
        controls.insert(controls.end(), part.begin(), part.end());
    }
    return controls;
}

inline FakeDialogTemplate MainDialogTemplate() {
    return FakeDialogTemplate{
        L"Tapwell",
        Joined(
            {{
                 FakeControl::GroupBox(L"Configure Tapwell Start / Stop Hot Key to Click on Current Window"),
                 FakeControl::Static(-1, L"&Key to Automate :"),
                 FakeControl::ComboBox(IDC_MODIFIER_LIST),
                 FakeControl::ComboBox(IDC_KEY_LIST),
                 FakeControl::Static(-1, L"Shortcut Key to Start / Stop Key Pressing :"),
                 FakeControl::HotKey(IDC_SHORTCUT_KEY),
                 FakeControl::PushButton(IDC_SAVE_SHORTCUT_KEY, L"Save Shortcut Key"),
                 FakeControl::PushButton(IDC_CLEAR_SHORTCUT_KEY, L"Clear"),
                 FakeControl::GroupBox(L"Tapwell Configuration"),
                 FakeControl::Static(-1, L"Delay between Keys :"),
             },
             DelayBoxes(IDC_DELAY_MINUTES, IDC_DELAY_SECONDS, IDC_DELAY_MILLISECONDS),
             {
                 FakeControl::GroupBox(L"Number of Keys to Automate"),
                 FakeControl::Edit(IDC_KEYS_TO_PRESS).DigitsOnly(),
                 FakeControl::Static(-1, L"0 => Infinite untill Stopped"),
                 FakeControl::PushButton(IDC_START_KEYPRESSING, L"&Start KeyPressing"),
                 FakeControl::PushButton(IDC_STOP_KEYPRESSING, L"Sto&p KeyPressing").Disabled(),
                 FakeControl::PushButton(IDC_HIDE_TO_TRAY, L"&Hide to System Tray"),
                 FakeControl::Static(IDC_STATUS, L"Current Status "),
                 FakeControl::PushButton(IDC_TARGET, L"Target..."),
                 FakeControl::CheckBox(IDC_HOLD_KEY, L"Hold Key"),
                 FakeControl::PushButton(IDC_RANDOM_DELAY, L"Random Delay"),
                 FakeControl::PushButton(IDC_SHARE_FACEBOOK, L"Facebook").NoTabStop(),
                 FakeControl::PushButton(IDC_SHARE_GOOGLE, L"Share..").Hidden().Disabled(),
                 FakeControl::PushButton(IDC_SHARE_TWITTER, L"Twitter").NoTabStop(),
                 FakeControl::PushButton(IDC_INSTANCE_MODE, L"..."),
                 FakeControl::PushButton(IDC_INSTANCE_MODE_S, L"S"),
                 FakeControl::PushButton(IDC_REFRESH_KEYS, L"R"),
                 FakeControl::Static(-1, L"" TAPWELL_SUPPORT_ADDRESS),
                 FakeControl::PushButton(IDC_MENU, L"Menu").NoTabStop(),
             }})};
}

inline FakeDialogTemplate AboutDialogTemplate() {
    return FakeDialogTemplate{L"About Tovrin Tapwell",
                              {
                                  FakeControl::Static(-1),
                                  FakeControl::Static(-1, L"Tapwell Version 9.1"),
                                  FakeControl::DefPushButton(IDOK, L"OK").StartsGroup(),
                                  FakeControl::Static(-1, L"Contact Us : " TAPWELL_SUPPORT_ADDRESS),
                              }};
}

// The option dialogs the main dialog opens.
inline FakeDialogTemplate RandomDelayTemplate() {
    return FakeDialogTemplate{
        L"Dialog", Joined({{
                               FakeControl::GroupBox(),
                               FakeControl::CheckBox(IDC_ENABLE_RANDOM_DELAY, L"Enable Random Delay"),
                               FakeControl::Static(-1, L"Extra Random Delay :"),
                           },
                           DelayBoxes(IDC_RANDOM_MINUTES, IDC_RANDOM_SECONDS, IDC_RANDOM_MILLISECONDS),
                           {
                               FakeControl::DefPushButton(IDOK, L"OK"),
                               FakeControl::PushButton(IDCANCEL, L"Cancel"),
                               FakeControl::Static(-1),
                           }})};
}

inline FakeDialogTemplate InstanceModeTemplate() {
    return FakeDialogTemplate{
        L"Dialog",
        {
            FakeControl::GroupBox(L"Single or Multiple Instances of Tovrin Tapwell"),
            FakeControl::Radio(IDC_SINGLE_INSTANCE, L"&Single Instance Only").StartsGroup().NoTabStop(),
            FakeControl::Radio(IDC_MULTIPLE_INSTANCES, L"&Multiple Instances").NoTabStop(),
            FakeControl::DefPushButton(IDOK, L"OK").StartsGroup(),
            FakeControl::PushButton(IDCANCEL, L"Cancel"),
            FakeControl::Static(
                -1, L"Note : Double Click on System Tray Icon to Launch Instance of Tovrin Tapwell."),
        }};
}

inline FakeDialogTemplate SimulationMethodTemplate() {
    return FakeDialogTemplate{
        L"Dialog",
        {
            FakeControl::GroupBox(L"Simulation Method for Single Keys"),
            FakeControl::Static(-1, L"Keyboard Simulation Method :"),
            FakeControl::Radio(IDC_METHOD_NORMAL, L"Normal").StartsGroup(),
            FakeControl::Radio(IDC_METHOD_BRUTE, L"Brute").NoTabStop(),
            FakeControl::GroupBox(L"Time Delay Between Key Down and Key Up").StartsGroup(),
            FakeControl::Edit(IDC_KEY_DOWN_UP_DELAY).DigitsOnly(),
            FakeControl::Static(-1, L"Milli Second(s)"),
            FakeControl::DefPushButton(IDOK, L"OK"),
            FakeControl::PushButton(IDCANCEL, L"Cancel"),
        }};
}
