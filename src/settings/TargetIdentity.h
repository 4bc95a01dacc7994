#pragma once
// What identifies a picked window beside its handle, which Windows reuses: the program, and the class
// and title of its top-level window; when a control inside it was picked, that control's class and
// identifier as well.
#include <string>

struct TargetIdentity {
    // The full path of the program file; empty when none is known (a handle stored alone by an older
    // Tapwell, or a process that could not be asked): then only the handle counts.
    std::wstring strProgram;
    std::wstring strClass;
    std::wstring strTitle;
    // Empty when the top-level window itself was picked.
    std::wstring strControlClass;
    int nControlId = 0;
};
