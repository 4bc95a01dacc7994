#pragma once
// Figures on Tapwell beyond its presses, each printed as a line or two.

// How long a message sent to the main window takes to be answered during a run with a 5 s pause
// between key-down and key-up.
void PrintAnswerTimes();
// Whether Tapwell wakes while it waits, hidden in the tray, with nothing to do.
void PrintIdleFigures();
// The time from launch to a visible main window, and the memory the program has taken by then.
void PrintStartUpFigures();
