#pragma once
// One open registry key, closed when the object goes away, so no path through the settings code
// can leak a key handle.
#include <cstdint>
#include <string>
#include <vector>

#include "ports/IRegistry.h"

class CRegKey {
public:
    explicit CRegKey(IRegistry& registry);
    ~CRegKey();
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    // Opens parent\path, creating every missing key on the way.
    bool Create(RegKeyHandle parent, const std::wstring& path, std::uint32_t access);
    // Opens name below parent, creating it as a key that lasts only as long as the logon session.
    bool CreateVolatile(const CRegKey& parent, const std::wstring& name, std::uint32_t access);
    bool IsOpen() const;
    void Close();

    // Reads a value whose data is exactly 4 bytes, whatever its type; the type is reported so
    // that callers that insist on REG_DWORD can check it.
    bool QueryDword(const std::wstring& name, std::uint32_t& type, std::uint32_t& value);
    // Reads a REG_SZ value. Odd or unterminated data is taken as far as it goes, never further.
    bool QueryString(const std::wstring& name, std::wstring& text);
    bool SetDword(const std::wstring& name, std::uint32_t value);
    // REG_SZ: the text's UTF-16 units, little-endian, and the terminating zero.
    bool SetString(const std::wstring& name, const std::wstring& text);
    // Reads a REG_BINARY value of at most maxSize bytes.
    bool QueryBinary(const std::wstring& name, std::size_t maxSize, std::vector<std::uint8_t>& data);
    bool SetBinary(const std::wstring& name, const std::vector<std::uint8_t>& data);
    bool DeleteValue(const std::wstring& name);
    // The names of the key's values, at most limit of them.
    std::vector<std::wstring> ValueNames(std::size_t limit);

private:
    IRegistry& m_registry;
    RegKeyHandle m_hKey = 0;
    bool m_bOpen = false;
};
