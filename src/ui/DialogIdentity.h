#pragma once
// How the program's secondary dialogs show whose they are: the program's icon in the title bar and
// a caption that ends in the application title ("Settings - " + title).
#include <string>

class CWnd;
class IDialogControls;

void ShowDialogIdentity(CWnd& dialog, IDialogControls& dialogs, const std::wstring& captionStart);
