#pragma once
// Resource and control identifiers, shared by Tapwell.rc (windres) and the C++ code.
// Plain #defines only: the resource compiler understands nothing else.
// Some dialogs reuse a number with another meaning; each meaning has its own name.

// The maker's support address, shown in labels of fixed width: at most 20 characters fit.
// C++ takes the wide form as  L"" TAPWELL_SUPPORT_ADDRESS.
#define TAPWELL_SUPPORT_ADDRESS "help@tapwell.example"

// The application title (string IDS_APP_TITLE), likewise.
#define TAPWELL_APP_TITLE "Tapwell by Tovrin"

// Dialog templates
#define IDD_ABOUT_DIALOG 100
#define IDD_MAIN_DIALOG 102
#define IDD_RANDOM_DELAY 133
#define IDD_INSTANCE_MODE 134
#define IDD_SIMULATION_METHOD 137
#define IDD_WINDOW_SELECTOR 142
#define IDD_RUN_OPTIONS 155

// Strings
#define IDS_ABOUT_MENU_ITEM 101
// Also the framework's application-title string (CWnd::GetAppTitle).
#define IDS_APP_TITLE 57344

// Icons and cursor
#define IDI_TAPWELL 128
#define IDI_TARGET_EMPTY 143
#define IDI_TARGET 144
#define IDCUR_SIGHT 145

// Menus
#define IDR_TRAY_MENU 130
#define IDR_CONTEXT_MENU 135

// Menu commands
#define ID_TRAY_EXIT 32771
#define ID_TRAY_SHOW 32772
#define ID_CONTEXT_SCREENSHOT 32773
#define ID_CONTEXT_HELP_TUTORIALS 32774
#define ID_CONTEXT_EXIT 32775
#define ID_CONTEXT_REFRESH_KEYS 32776
#define ID_CONTEXT_INSTANCE_MODE 32777
#define ID_CONTEXT_SIMULATION_SETTINGS 32778
#define ID_CONTEXT_START_TAPFORCE 32779
#define ID_CONTEXT_SHARE_FACEBOOK 32782
#define ID_CONTEXT_SHARE_TWITTER 32783
// Profiles: the Menu's two commands, the note a script's refused profile leaves, and the recent
// profiles (five commands from ID_RECENT_PROFILE_FIRST, then their separator).
#define ID_CONTEXT_SAVE_PROFILE 32810
#define ID_CONTEXT_OPEN_PROFILE 32811
#define ID_PROFILE_REFUSED 32812
#define ID_RECENT_PROFILE_FIRST 32820
#define ID_RECENT_PROFILE_SEPARATOR 32825
#define ID_CONTEXT_RUN_OPTIONS 32830

// System menu command of the about box; system commands keep the low four bits free.
#define IDM_ABOUTBOX 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Main dialog (IDD_MAIN_DIALOG)
#define IDC_SHORTCUT_KEY 1003
#define IDC_DELAY_MILLISECONDS 1005
#define IDC_DELAY_MINUTES 1006
#define IDC_DELAY_SECONDS 1007
#define IDC_KEYS_TO_PRESS 1008
#define IDC_START_KEYPRESSING 1009
#define IDC_STOP_KEYPRESSING 1010
#define IDC_HIDE_TO_TRAY 1011
#define IDC_SAVE_SHORTCUT_KEY 1012
#define IDC_STATUS 1016
#define IDC_CLEAR_SHORTCUT_KEY 1017
#define IDC_KEY_LIST 1020
#define IDC_TARGET 1021
#define IDC_MODIFIER_LIST 1022
#define IDC_HOLD_KEY 1028
#define IDC_RANDOM_DELAY 1029
#define IDC_INSTANCE_MODE 1034
#define IDC_INSTANCE_MODE_S 1036
#define IDC_REFRESH_KEYS 1037
#define IDC_SHARE_FACEBOOK 1038
#define IDC_SHARE_GOOGLE 1039
#define IDC_SHARE_TWITTER 1040
#define IDC_MENU 1041

// Random delay dialog (IDD_RANDOM_DELAY)
#define IDC_ENABLE_RANDOM_DELAY 1030
#define IDC_RANDOM_MINUTES 1031
#define IDC_RANDOM_SECONDS 1032
#define IDC_RANDOM_MILLISECONDS 1033

// Simulation method dialog (IDD_SIMULATION_METHOD)
#define IDC_KEY_DOWN_UP_DELAY 1014
#define IDC_METHOD_NORMAL 1031
#define IDC_METHOD_BRUTE 1032

// Instance mode dialog (IDD_INSTANCE_MODE)
#define IDC_MULTIPLE_INSTANCES 1034
#define IDC_SINGLE_INSTANCE 1046

// Target window selector (IDD_WINDOW_SELECTOR)
#define IDC_WINDOW_DESCRIPTION 1014
#define IDC_RECEIVER_ACTIVE_WINDOW 1044
#define IDC_RECEIVER_SELECTED_WINDOW 1045
#define IDC_SIGHT 1046
#define IDC_SEND_TO_FIRST_EDIT 1047
#define IDC_SEND_CHARS 1049
#define IDC_SEND_KEY_UPS 1050
#define IDC_WINDOW_WITHOUT_CONTROLS 1051

// Run options dialog (IDD_RUN_OPTIONS)
#define IDC_START_AFTER_SECONDS 1140
#define IDC_ENABLE_STOP_AFTER 1141
#define IDC_STOP_AFTER_HOURS 1142
#define IDC_STOP_AFTER_MINUTES 1143
#define IDC_STOP_AFTER_SECONDS 1144
#define IDC_ENABLE_STOP_AT 1145
#define IDC_STOP_AT_HOUR 1146
#define IDC_STOP_AT_MINUTE 1147
#define IDC_ONLY_WHILE_IN_FRONT 1148
