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
    m_values.strTargetClass.clear();
    m_settings.GetTargetWindowClass(m_values.strTargetClass);
    m_values.strTargetName = m_values.strTargetClass;
    m_settings.GetTargetWindowName(m_values.strTargetName);
    m_values.nSendKeysToActiveWindow = m_settings.GetSendKeysToActiveWindow();
    m_values.nSendKeysToFirstEdit = m_settings.GetSendKeysToFirstEditOfSelectedWindow();
    m_values.nSendChars = m_settings.GetSendChars();
    m_values.nSendKeyUps = m_settings.GetSendKeyUps();
    m_values.nUseOldKeyInputMethod = m_settings.GetUseOldKeyInputMethod();
    m_values.nEnableRandomDelay = m_settings.GetEnableRandomDelay();
    m_values.nRandomMins = m_settings.GetRandomClicksDelayMins();
    m_values.nRandomSeconds = m_settings.GetRandomClicksDelaySeconds();
    m_values.nRandomMilliSeconds = m_settings.GetRandomClicksDelayMilliSeconds();
    m_values.hSeekedWindow = m_settings.GetSeekedWindow();
}
