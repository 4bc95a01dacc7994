#include "settings/AppSettings.h"

#include <cstdint>

#include "ports/Win32Constants.h"
#include "settings/InstanceSection.h"
#include "settings/RegKey.h"
#include "settings/SettingsNames.h"

namespace {

constexpr wchar_t INSTANCE_SECTION_PREFIX[] = L"Settings ";
constexpr WindowHandle NO_WINDOW = 0;

// The names of the values that have both a Get and a Set method below.
constexpr wchar_t AUTO_CLICKS_DELAY_MINS[] = L"AutoClicksDelayMins";
constexpr wchar_t AUTO_CLICKS_DELAY_SECONDS[] = L"AutoClicksDelaySeconds";
constexpr wchar_t AUTO_CLICKS_DELAY_MILLI_SECONDS[] = L"AutoClicksDelayMilliSeconds";
constexpr wchar_t SET_NUMBER_OF_CLICKS_TO_AUTOMATE[] = L"SetNumberOfClicksToAutomate";
constexpr wchar_t HOLD_KEY[] = L"HoldKey";
constexpr wchar_t KEY_INDEX_TOBE_AUTOMATED[] = L"KeyIndexTobeAutomated";
constexpr wchar_t MOD_KEY_INDEX_TOBE_AUTOMATED[] = L"ModKeyIndexTobeAutomated";
constexpr wchar_t ENABLE_RANDOM_DELAY[] = L"EnableRandomDelay";
constexpr wchar_t RANDOM_CLICKS_DELAY_MINS[] = L"RandomClicksDelayMins";
constexpr wchar_t RANDOM_CLICKS_DELAY_SECONDS[] = L"RandomClicksDelaySeconds";
constexpr wchar_t RANDOM_CLICKS_DELAY_MILLI_SECONDS[] = L"RandomClicksDelayMilliSeconds";
constexpr wchar_t SEND_KEYS_TO_ACTIVE_WINDOW[] = L"SendKeysToActiveWindow";
constexpr wchar_t SEND_KEYS_TO_FIRST_EDIT_OF_SELECTED_WINDOW[] = L"SendKeysToFirstEditOfSelectedWindow";
constexpr wchar_t SEND_CHARS[] = L"SendChars";
constexpr wchar_t SEND_KEY_UPS[] = L"SendKeyUps";
constexpr wchar_t TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP[] = L"TimeDelayBetweenKeyDownAndKeyUp";
constexpr wchar_t USE_OLD_KEY_INPUT_METHOD[] = L"UseOldKeyInputMethod";
constexpr wchar_t USE_SINGLE_INSTANCE[] = L"UseSingleInstance";

} // namespace

CAppSettings::CAppSettings(CProfile& profile) : m_profile(profile) {}

CProfile& CAppSettings::Profile() const {
    return m_profile;
}

void CAppSettings::FormatInstanceSection() {
    g_strInstanceSection = INSTANCE_SECTION_PREFIX + std::to_wstring(g_nInstanceNumber);
}

int CAppSettings::GetInstanceInt(const wchar_t* entry, int nDefault) const {
    return m_profile.GetProfileInt(g_strInstanceSection, entry, nDefault);
}

void CAppSettings::SetInstanceInt(const wchar_t* entry, int nValue) {
    m_profile.WriteProfileInt(g_strInstanceSection, entry, nValue);
}

int CAppSettings::GetSharedInt(const wchar_t* entry, int nDefault) const {
    return m_profile.GetProfileInt(SECTION_SETTINGS, entry, nDefault);
}

void CAppSettings::SetSharedInt(const wchar_t* entry, int nValue) {
    m_profile.WriteProfileInt(SECTION_SETTINGS, entry, nValue);
}

int CAppSettings::GetAutoClicksDelayMins() const {
    return GetInstanceInt(AUTO_CLICKS_DELAY_MINS, 0);
}

void CAppSettings::SetAutoClicksDelayMins(int nValue) {
    SetInstanceInt(AUTO_CLICKS_DELAY_MINS, nValue);
}

int CAppSettings::GetAutoClicksDelaySeconds() const {
    return GetInstanceInt(AUTO_CLICKS_DELAY_SECONDS, 0);
}

void CAppSettings::SetAutoClicksDelaySeconds(int nValue) {
    SetInstanceInt(AUTO_CLICKS_DELAY_SECONDS, nValue);
}

int CAppSettings::GetAutoClicksDelayMilliSeconds() const {
    return GetInstanceInt(AUTO_CLICKS_DELAY_MILLI_SECONDS, 10);
}

void CAppSettings::SetAutoClicksDelayMilliSeconds(int nValue) {
    SetInstanceInt(AUTO_CLICKS_DELAY_MILLI_SECONDS, nValue);
}

int CAppSettings::GetSetNumberOfClicksToAutomate() const {
    return GetInstanceInt(SET_NUMBER_OF_CLICKS_TO_AUTOMATE, 10);
}

void CAppSettings::SetSetNumberOfClicksToAutomate(int nValue) {
    SetInstanceInt(SET_NUMBER_OF_CLICKS_TO_AUTOMATE, nValue);
}

int CAppSettings::GetHoldKey() const {
    return GetInstanceInt(HOLD_KEY, 0);
}

void CAppSettings::SetHoldKey(int nValue) {
    SetInstanceInt(HOLD_KEY, nValue);
}

int CAppSettings::GetKeyIndexTobeAutomated() const {
    return GetInstanceInt(KEY_INDEX_TOBE_AUTOMATED, -1);
}

void CAppSettings::SetKeyIndexTobeAutomated(int nValue) {
    SetInstanceInt(KEY_INDEX_TOBE_AUTOMATED, nValue);
}

int CAppSettings::GetModKeyIndexTobeAutomated() const {
    return GetInstanceInt(MOD_KEY_INDEX_TOBE_AUTOMATED, -1);
}

void CAppSettings::SetModKeyIndexTobeAutomated(int nValue) {
    SetInstanceInt(MOD_KEY_INDEX_TOBE_AUTOMATED, nValue);
}

int CAppSettings::GetEnableRandomDelay() const {
    return GetInstanceInt(ENABLE_RANDOM_DELAY, 0);
}

void CAppSettings::SetEnableRandomDelay(int nValue) {
    SetInstanceInt(ENABLE_RANDOM_DELAY, nValue);
}

int CAppSettings::GetRandomClicksDelayMins() const {
    return GetInstanceInt(RANDOM_CLICKS_DELAY_MINS, 0);
}

void CAppSettings::SetRandomClicksDelayMins(int nValue) {
    SetInstanceInt(RANDOM_CLICKS_DELAY_MINS, nValue);
}

int CAppSettings::GetRandomClicksDelaySeconds() const {
    return GetInstanceInt(RANDOM_CLICKS_DELAY_SECONDS, 30);
}

void CAppSettings::SetRandomClicksDelaySeconds(int nValue) {
    SetInstanceInt(RANDOM_CLICKS_DELAY_SECONDS, nValue);
}

int CAppSettings::GetRandomClicksDelayMilliSeconds() const {
    return GetInstanceInt(RANDOM_CLICKS_DELAY_MILLI_SECONDS, 0);
}

void CAppSettings::SetRandomClicksDelayMilliSeconds(int nValue) {
    SetInstanceInt(RANDOM_CLICKS_DELAY_MILLI_SECONDS, nValue);
}

int CAppSettings::GetSendKeysToActiveWindow() const {
    return GetInstanceInt(SEND_KEYS_TO_ACTIVE_WINDOW, 1);
}

void CAppSettings::SetSendKeysToActiveWindow(int nValue) {
    SetInstanceInt(SEND_KEYS_TO_ACTIVE_WINDOW, nValue);
}

int CAppSettings::GetSendKeysToFirstEditOfSelectedWindow() const {
    return GetInstanceInt(SEND_KEYS_TO_FIRST_EDIT_OF_SELECTED_WINDOW, 0);
}

void CAppSettings::SetSendKeysToFirstEditOfSelectedWindow(int nValue) {
    SetInstanceInt(SEND_KEYS_TO_FIRST_EDIT_OF_SELECTED_WINDOW, nValue);
}

int CAppSettings::GetSendChars() const {
    return GetInstanceInt(SEND_CHARS, 0);
}

void CAppSettings::SetSendChars(int nValue) {
    SetInstanceInt(SEND_CHARS, nValue);
}

int CAppSettings::GetSendKeyUps() const {
    return GetInstanceInt(SEND_KEY_UPS, 0);
}

void CAppSettings::SetSendKeyUps(int nValue) {
    SetInstanceInt(SEND_KEY_UPS, nValue);
}

void CAppSettings::GetTargetWindowClass(std::wstring& text) const {
    text = m_profile.GetProfileString(g_strInstanceSection, L"TargetWindowClass", text);
}

void CAppSettings::GetTargetWindowName(std::wstring& text) const {
    text = m_profile.GetProfileString(g_strInstanceSection, L"TargetWindowName", text);
}

int CAppSettings::GetTimeDelayBetweenKeyDownAndKeyUp() const {
    return GetSharedInt(TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP, 10);
}

void CAppSettings::SetTimeDelayBetweenKeyDownAndKeyUp(int nValue) {
    SetSharedInt(TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP, nValue);
}

int CAppSettings::GetUseOldKeyInputMethod() const {
    return GetSharedInt(USE_OLD_KEY_INPUT_METHOD, 1);
}

void CAppSettings::SetUseOldKeyInputMethod(int nValue) {
    SetSharedInt(USE_OLD_KEY_INPUT_METHOD, nValue);
}

int CAppSettings::GetUseSingleInstance() const {
    return GetSharedInt(USE_SINGLE_INSTANCE, 1);
}

void CAppSettings::SetUseSingleInstance(int nValue) {
    SetSharedInt(USE_SINGLE_INSTANCE, nValue);
}

WindowHandle CAppSettings::GetSeekedWindow() const {
    // The value is named after the instance section; before that is formatted there is no name
    // to look under.
    if (g_strInstanceSection.empty()) {
        return NO_WINDOW;
    }
    CRegKey key(m_profile.Registry());
    std::uint32_t nType = REG_NONE;
    std::uint32_t nValue = 0;
    if (!key.Create(HKEY_CURRENT_USER, SEEKED_WINDOWS_KEY_PATH, KEY_READ | KEY_WRITE) ||
        !key.QueryDword(g_strInstanceSection, nType, nValue) || nType != REG_DWORD) {
        return NO_WINDOW;
    }
    return nValue;
}

void CAppSettings::SetSeekedWindow(WindowHandle hWnd) {
    if (g_strInstanceSection.empty()) {
        return;
    }
    CRegKey key(m_profile.Registry());
    if (key.Create(HKEY_CURRENT_USER, SEEKED_WINDOWS_KEY_PATH, KEY_READ | KEY_WRITE)) {
        key.SetDword(g_strInstanceSection, hWnd);
    }
}
