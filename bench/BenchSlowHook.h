#pragma once
// Tapwell under a slow keyboard hook, where every press outlasts its period.

// Runs Tapwell at a 1 ms delay without a pause or an end while SlowKeyboardHook.exe runs, and prints
// how fast the main window answers a message, then how long a posted Stop takes to end the presses.
void PrintSlowHookFigures();
