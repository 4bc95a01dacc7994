#include "settings/PressSettings.h"

CPressSettings::CPressSettings(const CAppSettings& settings) : m_settings(settings) {}

CPressSettings::~CPressSettings() {
    Forget();
}

ISettingsStore& CPressSettings::Store() const {
    return m_settings.Profile().Store();
}

void CPressSettings::Watch() {
    Forget();
    // The watch itself is set by the first Read.
    m_bWatching = Store().OpenWatch();
    m_bOpened = true;
}

void CPressSettings::Forget() {
    if (m_bOpened) {
        Store().CloseWatch();
    }
    m_bOpened = false;
    m_bWatching = false;
    m_bRead = false;
}

const CPressSettings::Values& CPressSettings::Read() {
    if (!m_bWatching) {
        Reread();
    } else if (!m_bRead || Store().TakeChange()) {
        // Watched again before reading, so that a change made meanwhile is told of next time.
        m_bWatching = Store().Rewatch();
        Reread();
        m_bRead = true;
    }
    return m_values;
}

void CPressSettings::Reread() {
    // The class text stands in for a missing name.
    PressOptions& options = m_values.options;
    options.strTargetClass.clear();
    m_settings.Get(TARGET_WINDOW_CLASS, options.strTargetClass);
    options.strTargetName = options.strTargetClass;
    m_settings.Get(TARGET_WINDOW_NAME, options.strTargetName);
    for (const PressSwitch& pressSwitch : PRESS_SWITCHES) {
        options.*pressSwitch.option = m_settings.Get(pressSwitch.value) != 0;
    }
    m_values.nUseOldKeyInputMethod = m_settings.Get(USE_OLD_KEY_INPUT_METHOD);
    m_values.nEnableRandomDelay = m_settings.Get(ENABLE_RANDOM_DELAY);
    m_values.nRandomMins = m_settings.Get(RANDOM_CLICKS_DELAY_MINS);
    m_values.nRandomSeconds = m_settings.Get(RANDOM_CLICKS_DELAY_SECONDS);
    m_values.nRandomMilliSeconds = m_settings.Get(RANDOM_CLICKS_DELAY_MILLI_SECONDS);
    m_values.hSeekedWindow = m_settings.GetSeekedWindow();
    m_values.nKeyDelay = m_settings.Get(TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP);
}
