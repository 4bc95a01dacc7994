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
    FakeWindows()
        : FakeWindowQueries(Tree()), FakeMessageLoop(Tree()), FakeDialogControls(Tree()),
          FakePointer(Tree()) {}

    using FakeDialogControls::DestroyWindow;
    operator WindowPorts() { return {*this, *this, *this}; }

private:
    // The tree as the roles take it (a FakeWindows would also pick their copy constructors).
    FakeWindowTree& Tree() { return *this; }
};
