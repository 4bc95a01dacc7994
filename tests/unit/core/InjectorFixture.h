#pragma once
// Shared set-up of the injector tests: the injector over the recording input fake and a selected
// window that the test sets.
#include <string>

#include <gtest/gtest.h>

#include "core/MouseClickManager.h"
#include "fakes/FakeKeyboardInput.h"
#include "ports/Win32Constants.h"

class CSelectedWindowStub : public ISelectedWindowSource {
public:
    WindowHandle GetSeekedWindow() override {
        ++m_nReads;
        return m_hWindow;
    }

    WindowHandle m_hWindow = 0;
    int m_nReads = 0;
};

class InjectorFixture : public ::testing::Test {
protected:
    static constexpr WindowHandle TARGET = 0x1234;

    // Keys go to the selected window TARGET, a top-level window of thread 200.
    void SelectTarget() {
        input.AddWindow(TARGET, L"Notepad");
        selected.m_hWindow = TARGET;
        injector.SetSendToActiveWindow(false);
    }

    // Sends the rest of the press under way, as the run does once its pause is over; the log shows
    // the pause as "Pause <ms>".
    void FinishPress() {
        if (injector.HasUnfinishedPress()) {
            input.Note("Pause " + std::to_string(injector.GetKeyDelay()));
            injector.FinishPress();
        }
    }

    CFakeKeyboardInput input;
    CSelectedWindowStub selected;
    CMouseClickManager injector{input, selected};
};
