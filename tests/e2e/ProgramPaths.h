#pragma once
// Where the programs under test are: the build passes their paths in Wine's drive form
// ("Z:/work/.../Tapwell.exe").
#include <string>

std::wstring TapwellExePath();
std::wstring RecorderExePath();
// A command line that starts the program with the arguments (the program's path quoted).
std::wstring CommandLine(const std::wstring& strProgram, const std::wstring& strArguments);
