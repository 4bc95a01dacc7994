#include "settings/PressSettings.h"

#include "ports/Win32Constants.h"
#include "settings/SettingsNames.h"

CPressSettings::CPressSettings(const CAppSettings& settings)
    : m_settings(settings), m_registry(settings.Profile().Registry()) {}

CPressSettings::~CPressSettings() {
    Forget();
}

void CPressSettings::Watch() {
    Forget();
    const CProfile& profile = m_settings.Profile();
    if (profile.IsUsable()) {
        for (const std::wstring& path :
             {profile.ApplicationKeyPath(), std::wstring(SEEKED_WINDOWS_KEY_PATH)}) {
            RegKeyHandle key = 0;
            if (m_registry.CreateKey(HKEY_CURRENT_USER, path, KEY_READ | KEY_WRITE, &key) == ERROR_SUCCESS) {
                m_watchedKeys.push_back(key);
            }
        }
    }
    // The watch itself is set by the first Read.
    m_bWatching = m_watchedKeys.size() == 2;
    m_bRead = false;
}

void CPressSettings::Forget() {
    for (RegKeyHandle key : m_watchedKeys) {
        m_registry.CloseKey(key);
    }
    m_watchedKeys.clear();
    m_bWatching = false;
    m_bRead = false;
}

const CPressSettings::Values& CPressSettings::Read() {
    if (!m_bWatching) {
        Reread();
    } else if (!m_bRead || m_registry.TakeKeyChange()) {
        // Watched again before reading, so that a change made meanwhile is told of next time.
        m_bWatching = WatchKeys();
        Reread();
        m_bRead = true;
    }
    return m_values;
}

bool CPressSettings::WatchKeys() {
    bool bAll = true;
    for (RegKeyHandle key : m_watchedKeys) {
        bAll = m_registry.WatchKey(key) && bAll;
    }
    return bAll;
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
