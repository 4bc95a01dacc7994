#pragma once
// The whole fake window system for running dialogs in unit tests: one FakeWindowTree and every
// window role over it, in one object; a test that needs only some roles builds a tree and those.
// Simulated user input lives in FakeUser; timers in FakeTimers; menus in FakeMenus.
#include "fakes/FakeDialogControls.h"
#include "fakes/FakeMessageLoop.h"
#include "fakes/FakePointer.h"
#include "fakes/FakeWindowQueries.h"
#include "ports/WindowPorts.h"

class FakeWindows : public FakeWindowTree,
                    public FakeWindowQueries,
                    public FakeMessageLoop,
                    public FakeDialogControls,
                    public FakePointer {
public:
    // The tree is the first base, so it is whole when the roles take it; a FakeWindows itself would
    // pick their copy constructors, and a member call before they are built is undefined.
    FakeWindows()
        : FakeWindowQueries(static_cast<FakeWindowTree&>(*this)),
          FakeMessageLoop(static_cast<FakeWindowTree&>(*this)),
          FakeDialogControls(static_cast<FakeWindowTree&>(*this)),
          FakePointer(static_cast<FakeWindowTree&>(*this)) {}

    using FakeDialogControls::DestroyWindow;
    operator WindowPorts() { return {*this, *this, *this}; }
};
