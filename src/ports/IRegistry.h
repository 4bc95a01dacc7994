#pragma once
// The registry, as RegCreateKeyExW / RegQueryValueExW / RegSetValueExW / RegEnumValueW /
// RegDeleteValueW / RegCloseKey see it.
#include <cstdint>
#include <string>

#include "ports/WinTypes.h"

class IRegistry {
public:
    virtual ~IRegistry() = default;

    // Opens subKey below parent, creating every missing key on the way. Returns a Win32 error code.
    virtual long CreateKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                           RegKeyHandle* result) = 0;
    // Copies at most *size bytes of the value into data (data may be null to ask for type and size).
    // On return *type is the value's type and *size the value's full size; a buffer that is too
    // small yields ERROR_MORE_DATA, a missing value ERROR_FILE_NOT_FOUND.
    virtual long QueryValue(RegKeyHandle key, const std::wstring& name, std::uint32_t* type,
                            std::uint8_t* data, std::uint32_t* size) = 0;
    virtual long SetValue(RegKeyHandle key, const std::wstring& name, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t size) = 0;
    virtual long CloseKey(RegKeyHandle key) = 0;
    // CreateKey with REG_OPTION_VOLATILE: the key and its values live until the logon session ends.
    virtual long CreateVolatileKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                                   RegKeyHandle* result) = 0;
    // The name of the value at index; ERROR_NO_MORE_ITEMS past the last one.
    virtual long EnumValueName(RegKeyHandle key, std::uint32_t index, std::wstring* name) = 0;
    virtual long DeleteValue(RegKeyHandle key, const std::wstring& name) = 0;

    // Asks to be told of the next change below key, values of its subkeys included
    // (RegNotifyChangeKeyValue, asynchronous). False when the system cannot tell.
    virtual bool WatchKey(RegKeyHandle key) = 0;
    // Whether a watched key has changed since the last call. A key is told of once: watch it again.
    virtual bool TakeKeyChange() = 0;
};
