#pragma once
// Every persistent option, read from and written to the registry on each call. Nothing is cached:
// the run re-reads its options on every press and must see what the option dialogs and other
// instances have just written.
#include <string>

#include "ports/WinTypes.h"
#include "settings/Profile.h"

class CAppSettings {
public:
    explicit CAppSettings(CProfile& profile);
    virtual ~CAppSettings() = default;

    CProfile& Profile() const;

    // Sets g_strInstanceSection to "Settings <g_nInstanceNumber>".
    void FormatInstanceSection();

    // Per instance (section g_strInstanceSection).
    int GetAutoClicksDelayMins() const;
    void SetAutoClicksDelayMins(int nValue);
    int GetAutoClicksDelaySeconds() const;
    void SetAutoClicksDelaySeconds(int nValue);
    int GetAutoClicksDelayMilliSeconds() const;
    void SetAutoClicksDelayMilliSeconds(int nValue);
    int GetSetNumberOfClicksToAutomate() const;
    void SetSetNumberOfClicksToAutomate(int nValue);
    int GetHoldKey() const;
    void SetHoldKey(int nValue);
    int GetKeyIndexTobeAutomated() const;
    void SetKeyIndexTobeAutomated(int nValue);
    int GetModKeyIndexTobeAutomated() const;
    void SetModKeyIndexTobeAutomated(int nValue);
    int GetEnableRandomDelay() const;
    void SetEnableRandomDelay(int nValue);
    int GetRandomClicksDelayMins() const;
    void SetRandomClicksDelayMins(int nValue);
    int GetRandomClicksDelaySeconds() const;
    void SetRandomClicksDelaySeconds(int nValue);
    int GetRandomClicksDelayMilliSeconds() const;
    void SetRandomClicksDelayMilliSeconds(int nValue);
    int GetSendKeysToActiveWindow() const;
    void SetSendKeysToActiveWindow(int nValue);
    int GetSendKeysToFirstEditOfSelectedWindow() const;
    void SetSendKeysToFirstEditOfSelectedWindow(int nValue);
    int GetSendChars() const;
    void SetSendChars(int nValue);
    int GetSendKeyUps() const;
    void SetSendKeyUps(int nValue);

    // The text passed in is the default; it is replaced only when the value exists.
    void GetTargetWindowClass(std::wstring& text) const;
    void GetTargetWindowName(std::wstring& text) const;

    // Shared by all instances (section "Settings").
    int GetTimeDelayBetweenKeyDownAndKeyUp() const;
    void SetTimeDelayBetweenKeyDownAndKeyUp(int nValue);
    int GetUseOldKeyInputMethod() const;
    void SetUseOldKeyInputMethod(int nValue);
    int GetUseSingleInstance() const;
    void SetUseSingleInstance(int nValue);

    // The selected target window of this instance, kept under the SeekedWindows key.
    WindowHandle GetSeekedWindow() const;
    void SetSeekedWindow(WindowHandle hWnd);

private:
    int GetInstanceInt(const wchar_t* entry, int nDefault) const;
    void SetInstanceInt(const wchar_t* entry, int nValue);
    int GetSharedInt(const wchar_t* entry, int nDefault) const;
    void SetSharedInt(const wchar_t* entry, int nValue);

    CProfile& m_profile;
};
