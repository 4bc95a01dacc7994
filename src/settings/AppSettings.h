#pragma once
// Every persistent option, read from and written to the registry on each call. Nothing is cached:
// what the option dialogs and other instances have just written is seen at the next read. Each value
// is read and written through its description (settings/StoredValues.h, settings/PressOptions.h).
#include <string>

#include "ports/WinTypes.h"
#include "settings/PressOptions.h"
#include "settings/Profile.h"
#include "settings/StoredValues.h"

class CAppSettings {
public:
    explicit CAppSettings(CProfile& profile);
    virtual ~CAppSettings() = default;

    CProfile& Profile() const;

    // Sets g_strInstanceSection to "Settings <g_nInstanceNumber>".
    void FormatInstanceSection();

    // A value that cannot be read gives its default; one that cannot be written keeps its old value.
    // Before the instance section is formatted, per-instance values are neither read nor written.
    int Get(const StoredInt& value) const;
    void Set(const StoredInt& value, int nValue);
    // The text passed in is the default; it is replaced only when a text is stored.
    void Get(const StoredText& value, std::wstring& text) const;
    void Set(const StoredText& value, const std::wstring& text);

    int GetAutoClicksDelayMins() const { return Get(AUTO_CLICKS_DELAY_MINS); }
    void SetAutoClicksDelayMins(int nValue) { Set(AUTO_CLICKS_DELAY_MINS, nValue); }
    int GetAutoClicksDelaySeconds() const { return Get(AUTO_CLICKS_DELAY_SECONDS); }
    void SetAutoClicksDelaySeconds(int nValue) { Set(AUTO_CLICKS_DELAY_SECONDS, nValue); }
    int GetAutoClicksDelayMilliSeconds() const { return Get(AUTO_CLICKS_DELAY_MILLI_SECONDS); }
    void SetAutoClicksDelayMilliSeconds(int nValue) { Set(AUTO_CLICKS_DELAY_MILLI_SECONDS, nValue); }
    int GetSetNumberOfClicksToAutomate() const { return Get(SET_NUMBER_OF_CLICKS_TO_AUTOMATE); }
    void SetSetNumberOfClicksToAutomate(int nValue) { Set(SET_NUMBER_OF_CLICKS_TO_AUTOMATE, nValue); }
    int GetHoldKey() const { return Get(HOLD_KEY); }
    void SetHoldKey(int nValue) { Set(HOLD_KEY, nValue); }
    int GetKeyIndexTobeAutomated() const { return Get(KEY_INDEX_TOBE_AUTOMATED); }
    void SetKeyIndexTobeAutomated(int nValue) { Set(KEY_INDEX_TOBE_AUTOMATED, nValue); }
    int GetModKeyIndexTobeAutomated() const { return Get(MOD_KEY_INDEX_TOBE_AUTOMATED); }
    void SetModKeyIndexTobeAutomated(int nValue) { Set(MOD_KEY_INDEX_TOBE_AUTOMATED, nValue); }
    int GetEnableRandomDelay() const { return Get(ENABLE_RANDOM_DELAY); }
    void SetEnableRandomDelay(int nValue) { Set(ENABLE_RANDOM_DELAY, nValue); }
    int GetRandomClicksDelayMins() const { return Get(RANDOM_CLICKS_DELAY_MINS); }
    void SetRandomClicksDelayMins(int nValue) { Set(RANDOM_CLICKS_DELAY_MINS, nValue); }
    int GetRandomClicksDelaySeconds() const { return Get(RANDOM_CLICKS_DELAY_SECONDS); }
    void SetRandomClicksDelaySeconds(int nValue) { Set(RANDOM_CLICKS_DELAY_SECONDS, nValue); }
    int GetRandomClicksDelayMilliSeconds() const { return Get(RANDOM_CLICKS_DELAY_MILLI_SECONDS); }
    void SetRandomClicksDelayMilliSeconds(int nValue) { Set(RANDOM_CLICKS_DELAY_MILLI_SECONDS, nValue); }
    int GetSendKeysToActiveWindow() const { return Get(SEND_KEYS_TO_ACTIVE_WINDOW); }
    void SetSendKeysToActiveWindow(int nValue) { Set(SEND_KEYS_TO_ACTIVE_WINDOW, nValue); }
    int GetSendKeysToFirstEditOfSelectedWindow() const {
        return Get(SEND_KEYS_TO_FIRST_EDIT_OF_SELECTED_WINDOW);
    }
    void SetSendKeysToFirstEditOfSelectedWindow(int nValue) {
        Set(SEND_KEYS_TO_FIRST_EDIT_OF_SELECTED_WINDOW, nValue);
    }
    int GetSendChars() const { return Get(SEND_CHARS); }
    void SetSendChars(int nValue) { Set(SEND_CHARS, nValue); }
    int GetSendKeyUps() const { return Get(SEND_KEY_UPS); }
    void SetSendKeyUps(int nValue) { Set(SEND_KEY_UPS, nValue); }
    void GetTargetWindowClass(std::wstring& text) const { Get(TARGET_WINDOW_CLASS, text); }
    void GetTargetWindowName(std::wstring& text) const { Get(TARGET_WINDOW_NAME, text); }

    int GetTimeDelayBetweenKeyDownAndKeyUp() const { return Get(TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP); }
    void SetTimeDelayBetweenKeyDownAndKeyUp(int nValue) {
        Set(TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP, nValue);
    }
    int GetUseOldKeyInputMethod() const { return Get(USE_OLD_KEY_INPUT_METHOD); }
    void SetUseOldKeyInputMethod(int nValue) { Set(USE_OLD_KEY_INPUT_METHOD, nValue); }
    int GetUseSingleInstance() const { return Get(USE_SINGLE_INSTANCE); }
    void SetUseSingleInstance(int nValue) { Set(USE_SINGLE_INSTANCE, nValue); }

    WindowHandle GetSeekedWindow() const { return static_cast<WindowHandle>(Get(SEEKED_WINDOW)); }
    void SetSeekedWindow(WindowHandle hWnd) { Set(SEEKED_WINDOW, static_cast<int>(hWnd)); }

private:
    std::wstring SectionName(StoredSection section) const;
    int ReadSeekedWindow(int nDefault) const;
    void WriteSeekedWindow(int nValue);

    CProfile& m_profile;
};
