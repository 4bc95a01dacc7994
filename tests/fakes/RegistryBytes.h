#pragma once
// Values as the registry holds them: a DWORD as four little-endian bytes, a REG_SZ as UTF-16 code
// units, normally with a terminating null.
#include <cstdint>
#include <string>
#include <vector>

inline std::vector<std::uint8_t> DwordBytes(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

inline std::vector<std::uint8_t> StringBytes(const std::wstring& text, bool bTerminated = true) {
    std::vector<std::uint8_t> bytes;
    for (wchar_t ch : bTerminated ? text + L'\0' : text) {
        bytes.push_back(static_cast<std::uint8_t>(ch & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((ch >> 8) & 0xFF));
    }
    return bytes;
}
