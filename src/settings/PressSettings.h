#pragma once
// The settings a press reads, kept from one press to the next while the settings store is watched:
// they are read again only after the store has told of a change. So a press costs no registry round
// trip, yet a value stored by a dialog or by another instance counts from the next press on. Without
// a watch (before Watch, or where the store cannot watch) every Read goes to the store.
#include <string>

#include "ports/WinTypes.h"
#include "settings/AppSettings.h"

class CPressSettings {
public:
    struct Values {
        PressOptions options;
        int nUseOldKeyInputMethod = USE_OLD_KEY_INPUT_METHOD.nDefault;
        int nEnableRandomDelay = ENABLE_RANDOM_DELAY.nDefault;
        int nRandomMins = RANDOM_CLICKS_DELAY_MINS.nDefault;
        int nRandomSeconds = RANDOM_CLICKS_DELAY_SECONDS.nDefault;
        int nRandomMilliSeconds = RANDOM_CLICKS_DELAY_MILLI_SECONDS.nDefault;
        WindowHandle hSeekedWindow = static_cast<WindowHandle>(SEEKED_WINDOW.nDefault);
    };

    explicit CPressSettings(const CAppSettings& settings);
    ~CPressSettings();
    CPressSettings(const CPressSettings&) = delete;
    CPressSettings& operator=(const CPressSettings&) = delete;

    // Watches the store until Forget.
    void Watch();
    void Forget();
    // The values as they stand now: asks the store whether anything changed (one call while
    // watched), so a press calls it once.
    const Values& Read();
    // The values of the last Read, without asking.
    const Values& Latest() const { return m_values; }

private:
    ISettingsStore& Store() const;
    void Reread();

    const CAppSettings& m_settings;
    bool m_bOpened = false;
    bool m_bWatching = false;
    bool m_bRead = false;
    Values m_values;
};
