#pragma once
// The notification area as Wine shows it without a desktop shell: a small window of its own titled
// "Wine System Tray", with one child window per icon, left to right in the order they were added.
#include <windows.h>

#include <vector>

// The windows of the icons the tray shows; none while it shows no icon.
std::vector<HWND> TrayIconWindows();

// Whether the shell holds the icon of that window and identifier. Asked with a modification that
// changes nothing, which the shell refuses for an icon it does not hold.
bool ShellHoldsIcon(HWND hOwner, UINT nId);
// Makes the shell forget the icon, as a shell that restarts forgets every icon it held.
bool ShellForgetsIcon(HWND hOwner, UINT nId);
