#pragma once
// The settings a press reads, kept from one press to the next while the settings store is watched:
// they are read again only after the store has told of a change. So a press costs no registry round
// trip, yet a value stored by a dialog or by another instance counts from the next press on. Without
// a watch (before Watch, or where the store cannot watch) every Read goes to the store.
#include <string>

#include "ports/WinTypes.h"
#include "settings/AppSettings.h"

// The main form's values as a press reads them: validated by the form, handed over whole.
struct PressForm {
    int nKeyVk = 0;
    // The key list's entry: a one-character entry is typed as its character.
    std::wstring strKeyText;
    int nModifierVk = 0;
    bool bHoldKey = false;
    int nKeysToPress = 0; // 0: until stopped
    int nDelayMinutes = 0;
    int nDelaySeconds = 0;
    int nDelayMilliseconds = 0;
};

class CPressSettings {
public:
    struct Values {
        PressForm form;
        PressOptions options;
        int nUseOldKeyInputMethod = USE_OLD_KEY_INPUT_METHOD.nDefault;
        int nEnableRandomDelay = ENABLE_RANDOM_DELAY.nDefault;
        int nRandomMins = RANDOM_CLICKS_DELAY_MINS.nDefault;
        int nRandomSeconds = RANDOM_CLICKS_DELAY_SECONDS.nDefault;
        int nRandomMilliSeconds = RANDOM_CLICKS_DELAY_MILLI_SECONDS.nDefault;
        WindowHandle hSeekedWindow = static_cast<WindowHandle>(SEEKED_WINDOW.nDefault);
        int nKeyDelay = TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP.nDefault;
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
    void SetForm(const PressForm& form) { m_values.form = form; }

private:
    ISettingsStore& Store() const;
    void Reread();

    const CAppSettings& m_settings;
    bool m_bOpened = false;
    bool m_bWatching = false;
    bool m_bRead = false;
    Values m_values;
};
