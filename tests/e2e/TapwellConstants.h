#pragma once
// What the end-to-end programs know of Tapwell and of each other, declared once: positions in the
// form's lists, the instance section, window classes and captions, and how long they wait.
#include <windows.h>

#include "KeyListPositions.h"
#include "resource.h"

// How many entries the main dialog's two lists hold.
const int KEY_COUNT = 92;
const int MODIFIER_COUNT = 4;
// A stored list index, read as a DWORD, while nothing is chosen (-1).
const DWORD NO_SELECTION = 0xFFFFFFFF;

// The profile section of the first instance (the second has "Settings 1").
const wchar_t SECTION_FIRST_INSTANCE[] = L"Settings 0";

const wchar_t APP_TITLE[] = L"" TAPWELL_APP_TITLE;
const wchar_t SELECTOR_CAPTION[] = L"Target Selector - " TAPWELL_APP_TITLE;
const UINT TRAY_ICON_ID = 90;
// The class of dialogs and message boxes.
const wchar_t DIALOG_CLASS[] = L"#32770";
const wchar_t RECORDER_CLASS[] = L"TapwellRecorder";
const wchar_t RECORDER_TITLE[] = L"Tapwell Recorder";

// How long a run may take to show what a case waits for, a program to start and to end, and what
// follows an action (a key coming up, a window showing) to settle.
const DWORD RUN_TIMEOUT_MS = 15000;
// Generous: the first start of a program in a fresh Wine prefix loads a lot.
const DWORD START_TIMEOUT_MS = 20000;
const DWORD EXIT_TIMEOUT_MS = 15000;
const DWORD SETTLE_TIMEOUT_MS = 5000;
