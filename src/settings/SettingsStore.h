#pragma once
// Where the settings are kept: the registry, or in portable mode a file beside the program. Values
// are named by section and name as the application profile names them; the selected windows, kept
// apart from the profile, have calls of their own. Nothing above the settings knows which store it
// has: the application profile (settings/Profile.h) hands every call to the one it was given.
#include <string>

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    // A value that is missing or cannot be read as the kind asked for gives the default.
    virtual int ReadInt(const std::wstring& section, const std::wstring& name, int nDefault) = 0;
    virtual bool WriteInt(const std::wstring& section, const std::wstring& name, int nValue) = 0;
    virtual std::wstring ReadString(const std::wstring& section, const std::wstring& name,
                                    const std::wstring& strDefault) = 0;
    virtual bool WriteString(const std::wstring& section, const std::wstring& name,
                             const std::wstring& text) = 0;
    // The handle of the window an instance section selected; only a stored integer counts.
    virtual int ReadWindow(const std::wstring& instanceSection, int nDefault) = 0;
    virtual bool WriteWindow(const std::wstring& instanceSection, int nValue) = 0;

    // Telling of changes made since the last look, by this process or another one. OpenWatch
    // prepares it (false: changes cannot be told, so every look must read again); Rewatch asks to
    // be told of the next change (false when that failed); TakeChange says whether something
    // changed since Rewatch. CloseWatch ends it.
    virtual bool OpenWatch() = 0;
    virtual bool Rewatch() = 0;
    virtual bool TakeChange() = 0;
    virtual void CloseWatch() = 0;
};
