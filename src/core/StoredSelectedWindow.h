#pragma once
// The injector's view of the selected target window: the handle this instance stored when the
// user picked a window, read anew at every press.
#include "core/ISelectedWindowSource.h"
#include "settings/AppSettings.h"

class CStoredSelectedWindow : public ISelectedWindowSource {
public:
    explicit CStoredSelectedWindow(const CAppSettings& settings) : m_settings(settings) {}

    WindowHandle GetSeekedWindow() override { return m_settings.GetSeekedWindow(); }

private:
    const CAppSettings& m_settings;
};
