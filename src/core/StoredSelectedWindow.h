#pragma once
// The injector's view of the selected target window: the handle this instance stored when the
// user picked a window, as it stands at every press.
#include "core/ISelectedWindowSource.h"
#include "settings/PressSettings.h"

class CStoredSelectedWindow : public ISelectedWindowSource {
public:
    explicit CStoredSelectedWindow(CPressSettings& settings) : m_settings(settings) {}

    WindowHandle GetSeekedWindow() override { return m_settings.Read().hSeekedWindow; }

private:
    CPressSettings& m_settings;
};
