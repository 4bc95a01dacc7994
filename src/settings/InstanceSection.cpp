#include "settings/InstanceSection.h"

int g_nInstanceNumber = 0;
std::wstring g_strInstanceSection;
