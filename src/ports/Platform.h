#pragma once
// Every port, as the composition root hands them to the program.
#include "ports/IClipboard.h"
#include "ports/IFiles.h"
#include "ports/IHotKeys.h"
#include "ports/IKeyboardInput.h"
#include "ports/IKeyboardLayout.h"
#include "ports/IMenus.h"
#include "ports/INotificationArea.h"
#include "ports/IPainting.h"
#include "ports/IPointer.h"
#include "ports/IProcess.h"
#include "ports/IRandomSource.h"
#include "ports/IRegistry.h"
#include "ports/IShell.h"
#include "ports/ITimers.h"
#include "ports/WindowPorts.h"

struct Platform {
    IRegistry& registry;
    IKeyboardInput& input;
    IKeyboardLayout& layout;
    WindowPorts windows;
    IPointer& pointer;
    IMenus& menus;
    IPainting& painting;
    ITimers& timers;
    IHotKeys& hotKeys;
    INotificationArea& tray;
    IShell& shell;
    IProcess& process;
    IRandomSource& random;
    IClipboard& clipboard;
    IFiles& files;
};
