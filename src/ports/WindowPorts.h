#pragma once
// The window roles a window of the dialog framework talks through; one object may serve all three.
#include "ports/IDialogControls.h"
#include "ports/IMessageLoop.h"
#include "ports/IWindowQueries.h"

struct WindowPorts {
    IWindowQueries& queries;
    IMessageLoop& messages;
    IDialogControls& dialogs;
};
