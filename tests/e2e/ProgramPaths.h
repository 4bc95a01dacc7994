#pragma once
// Where the programs under test are: the build passes their paths in Wine's drive form
// ("Z:/work/.../Tapwell.exe"). TAPWELL_EXE in the environment names another build of Tapwell to
// drive instead (a benchmark measuring an older one), as a Windows or a Unix path.
#include <string>

std::wstring TapwellExePath();
std::wstring RecorderExePath();
std::wstring SlowKeyboardHookExePath();
// A command line that starts the program with the arguments (the program's path quoted).
std::wstring CommandLine(const std::wstring& strProgram, const std::wstring& strArguments);
// The path with backslashes, a Unix path ("/tmp/x") in Wine's drive form ("Z:\tmp\x").
std::wstring WindowsPath(std::wstring strPath);
