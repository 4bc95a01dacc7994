#pragma once
// How the program's secondary dialogs show whose they are: the program's icon in the title bar and
// a caption that ends in the application title ("Settings - " + title).
#include <string>

class CWnd;
class IWindows;

void ShowDialogIdentity(CWnd& dialog, IWindows& windows, const std::wstring& captionStart);
