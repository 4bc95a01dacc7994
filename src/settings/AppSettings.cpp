#include "settings/AppSettings.h"

#include <cstdint>

#include "ports/Win32Constants.h"
#include "settings/InstanceSection.h"
#include "settings/RegKey.h"
#include "settings/SettingsNames.h"

namespace {

constexpr wchar_t INSTANCE_SECTION_PREFIX[] = L"Settings ";
constexpr WindowHandle NO_WINDOW = 0;

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
    return GetInstanceInt(L"AutoClicksDelayMins", 0);
}

void CAppSettings::SetAutoClicksDelayMins(int nValue) {
    SetInstanceInt(L"AutoClicksDelayMins", nValue);
}

int CAppSettings::GetAutoClicksDelaySeconds() const {
    return GetInstanceInt(L"AutoClicksDelaySeconds", 0);
}

void CAppSettings::SetAutoClicksDelaySeconds(int nValue) {
    SetInstanceInt(L"AutoClicksDelaySeconds", nValue);
}

int CAppSettings::GetAutoClicksDelayMilliSeconds() const {
    return GetInstanceInt(L"AutoClicksDelayMilliSeconds", 10);
}

void CAppSettings::SetAutoClicksDelayMilliSeconds(int nValue) {
    SetInstanceInt(L"AutoClicksDelayMilliSeconds", nValue);
}

int CAppSettings::GetSetNumberOfClicksToAutomate() const {
    return GetInstanceInt(L"SetNumberOfClicksToAutomate", 10);
}

void CAppSettings::SetSetNumberOfClicksToAutomate(int nValue) {
    SetInstanceInt(L"SetNumberOfClicksToAutomate", nValue);
}

int CAppSettings::GetHoldKey() const {
    return GetInstanceInt(L"HoldKey", 0);
}

void CAppSettings::SetHoldKey(int nValue) {
    SetInstanceInt(L"HoldKey", nValue);
}

int CAppSettings::GetKeyIndexTobeAutomated() const {
    return GetInstanceInt(L"KeyIndexTobeAutomated", -1);
}

void CAppSettings::SetKeyIndexTobeAutomated(int nValue) {
    SetInstanceInt(L"KeyIndexTobeAutomated", nValue);
}

int CAppSettings::GetModKeyIndexTobeAutomated() const {
    return GetInstanceInt(L"ModKeyIndexTobeAutomated", -1);
}

void CAppSettings::SetModKeyIndexTobeAutomated(int nValue) {
    SetInstanceInt(L"ModKeyIndexTobeAutomated", nValue);
}

int CAppSettings::GetEnableRandomDelay() const {
    return GetInstanceInt(L"EnableRandomDelay", 0);
}

void CAppSettings::SetEnableRandomDelay(int nValue) {
    SetInstanceInt(L"EnableRandomDelay", nValue);
}

int CAppSettings::GetRandomClicksDelayMins() const {
    return GetInstanceInt(L"RandomClicksDelayMins", 0);
}

void CAppSettings::SetRandomClicksDelayMins(int nValue) {
    SetInstanceInt(L"RandomClicksDelayMins", nValue);
}

int CAppSettings::GetRandomClicksDelaySeconds() const {
    return GetInstanceInt(L"RandomClicksDelaySeconds", 30);
}

void CAppSettings::SetRandomClicksDelaySeconds(int nValue) {
    SetInstanceInt(L"RandomClicksDelaySeconds", nValue);
}

int CAppSettings::GetRandomClicksDelayMilliSeconds() const {
    return GetInstanceInt(L"RandomClicksDelayMilliSeconds", 0);
}

void CAppSettings::SetRandomClicksDelayMilliSeconds(int nValue) {
    SetInstanceInt(L"RandomClicksDelayMilliSeconds", nValue);
}

int CAppSettings::GetSendKeysToActiveWindow() const {
    return GetInstanceInt(L"SendKeysToActiveWindow", 1);
}

void CAppSettings::SetSendKeysToActiveWindow(int nValue) {
    SetInstanceInt(L"SendKeysToActiveWindow", nValue);
}

int CAppSettings::GetSendKeysToFirstEditOfSelectedWindow() const {
    return GetInstanceInt(L"SendKeysToFirstEditOfSelectedWindow", 0);
}

void CAppSettings::SetSendKeysToFirstEditOfSelectedWindow(int nValue) {
    SetInstanceInt(L"SendKeysToFirstEditOfSelectedWindow", nValue);
}

int CAppSettings::GetSendChars() const {
    return GetInstanceInt(L"SendChars", 0);
}

void CAppSettings::SetSendChars(int nValue) {
    SetInstanceInt(L"SendChars", nValue);
}

int CAppSettings::GetSendKeyUps() const {
    return GetInstanceInt(L"SendKeyUps", 0);
}

void CAppSettings::SetSendKeyUps(int nValue) {
    SetInstanceInt(L"SendKeyUps", nValue);
}

void CAppSettings::GetTargetWindowClass(std::wstring& text) const {
    text = m_profile.GetProfileString(g_strInstanceSection, L"TargetWindowClass", text);
}

void CAppSettings::GetTargetWindowName(std::wstring& text) const {
    text = m_profile.GetProfileString(g_strInstanceSection, L"TargetWindowName", text);
}

int CAppSettings::GetTimeDelayBetweenKeyDownAndKeyUp() const {
    return GetSharedInt(L"TimeDelayBetweenKeyDownAndKeyUp", 10);
}

void CAppSettings::SetTimeDelayBetweenKeyDownAndKeyUp(int nValue) {
    SetSharedInt(L"TimeDelayBetweenKeyDownAndKeyUp", nValue);
}

int CAppSettings::GetUseOldKeyInputMethod() const {
    return GetSharedInt(L"UseOldKeyInputMethod", 1);
}

void CAppSettings::SetUseOldKeyInputMethod(int nValue) {
    SetSharedInt(L"UseOldKeyInputMethod", nValue);
}

int CAppSettings::GetUseSingleInstance() const {
    return GetSharedInt(L"UseSingleInstance", 1);
}

void CAppSettings::SetUseSingleInstance(int nValue) {
    SetSharedInt(L"UseSingleInstance", nValue);
}

WindowHandle CAppSettings::GetSeekedWindow() const {
    // The value is named after the instance section; before that is formatted there is no name
    // to look under.
    if (g_strInstanceSection.empty())
        return NO_WINDOW;
    CRegKey key(m_profile.Registry());
    std::uint32_t nType = REG_NONE;
    std::uint32_t nValue = 0;
    if (!key.Create(HKEY_CURRENT_USER, SEEKED_WINDOWS_KEY_PATH, KEY_READ | KEY_WRITE) ||
        !key.QueryDword(g_strInstanceSection, nType, nValue) || nType != REG_DWORD)
        return NO_WINDOW;
    return nValue;
}

void CAppSettings::SetSeekedWindow(WindowHandle hWnd) {
    if (g_strInstanceSection.empty())
        return;
    CRegKey key(m_profile.Registry());
    if (key.Create(HKEY_CURRENT_USER, SEEKED_WINDOWS_KEY_PATH, KEY_READ | KEY_WRITE))
        key.SetDword(g_strInstanceSection, hWnd);
}
