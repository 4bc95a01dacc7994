#pragma once
// How long Tapwell's keys stay down while busy programs take every processor.

// Runs Tapwell beside a few busy loops and prints the holds the recorder saw: the time from each
// key-down to its key-up.
void PrintHoldsUnderLoad();
