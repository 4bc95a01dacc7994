#pragma once
// What the program reads from its command line.
#include <string>

// ":silent" anywhere in the arguments (the command line without the program name), matched
// case-sensitively, even inside a longer argument: start hidden in the notification area.
bool IsSilentStart(const std::wstring& strArguments);
