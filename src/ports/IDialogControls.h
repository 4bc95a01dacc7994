#pragma once
// Dialogs, their controls and texts, message boxes and the program's own resources (user32 and
// comctl32): what changes the windows the program shows.
#include <cstdint>
#include <string>

#include "ports/IWindowProcedure.h"
#include "ports/WinTypes.h"

class IDialogControls {
public:
    virtual ~IDialogControls() = default;

    // Dialogs built from the resource templates; every message goes to procedure.
    virtual WindowHandle CreateDialogFromTemplate(std::uint32_t templateId, WindowHandle parent,
                                                  IWindowProcedure* procedure) = 0;
    virtual bool DestroyWindow(WindowHandle window) = 0;
    virtual WindowHandle GetDlgItem(WindowHandle dialog, int id) = 0;
    virtual bool SetWindowText(WindowHandle window, const std::wstring& text) = 0;
    virtual bool EnableWindow(WindowHandle window, bool enable) = 0; // true when it was disabled before
    virtual bool ShowWindow(WindowHandle window, int command) = 0;   // true when it was visible before
    virtual WindowHandle SetFocus(WindowHandle window) = 0;
    virtual WindowHandle GetFocus() = 0;
    virtual bool SetForegroundWindow(WindowHandle window) = 0;
    virtual WindowHandle SetActiveWindow(WindowHandle window) = 0;

    // Controls whose messages carry text.
    virtual int ComboAddString(WindowHandle combo, const std::wstring& text) = 0; // CB_ADDSTRING
    virtual std::wstring ComboGetItemText(WindowHandle combo,
                                          int index) = 0; // CB_GETLBTEXTLEN + CB_GETLBTEXT

    // Tooltip control (TOOLTIPS_CLASS) owned by a window; 0 when it cannot be created.
    virtual WindowHandle CreateToolTip(WindowHandle owner) = 0;
    virtual bool AddTool(WindowHandle toolTip, WindowHandle owner, WindowHandle tool,
                         const std::wstring& text) = 0;

    virtual int MessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                           std::uint32_t type) = 0;

    // Resources of the program's own module.
    virtual std::wstring LoadString(std::uint32_t id) = 0;
    virtual IconHandle LoadIcon(std::uint32_t id) = 0;
};
