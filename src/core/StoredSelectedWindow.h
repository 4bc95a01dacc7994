#pragma once
// The injector's view of the selected target window: the handle this instance stored when the
// user picked a window, as it stands at every press.
#include "core/ISelectedWindowSource.h"
#include "settings/PressSettings.h"

class CStoredSelectedWindow : public ISelectedWindowSource {
public:
    explicit CStoredSelectedWindow(const CPressSettings& settings) : m_settings(settings) {}

    // The press has read the settings just before it presses.
    WindowHandle GetSeekedWindow() override { return m_settings.Latest().hSeekedWindow; }

private:
    const CPressSettings& m_settings;
};
