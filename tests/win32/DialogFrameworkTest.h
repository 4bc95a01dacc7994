#pragma once
// Resource identifiers of DialogFrameworkTest.rc, shared with the test.
#include "resource.h"

#define IDD_FW_MAIN 9001
#define IDD_FW_CHILD 9002
#define IDC_FW_EDIT 1006
#define IDC_FW_START 1009
#define IDC_FW_DELAY 1014
#define IDC_FW_KEYS 1020
