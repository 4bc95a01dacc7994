#pragma once
// The instance number counted at start-up and the profile section it names ("Settings %d").
// The section stays empty until CAppSettings::FormatInstanceSection sets it, once.
#include <string>

extern int g_nInstanceNumber;
extern std::wstring g_strInstanceSection;
