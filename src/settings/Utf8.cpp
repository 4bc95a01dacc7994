#include "settings/Utf8.h"

#include <cstdint>

namespace {

constexpr std::uint32_t REPLACEMENT = 0xFFFD;

void AppendUnits(std::uint32_t codePoint, std::wstring& text) {
    if (codePoint < 0x10000) {
        text.push_back(static_cast<wchar_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    text.push_back(static_cast<wchar_t>(0xD800 + (codePoint >> 10)));
    text.push_back(static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF)));
}

bool IsHighSurrogate(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(std::uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

bool DecodeUtf8(const std::string& bytes, std::wstring& text) {
    std::wstring result;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t nLength = lead < 0x80             ? 1
                                    : (lead & 0xE0) == 0xC0 ? 2
                                    : (lead & 0xF0) == 0xE0 ? 3
                                    : (lead & 0xF8) == 0xF0 ? 4
                                                            : 0;
        if (nLength == 0 || i + nLength > bytes.size()) {
            return false;
        }
        std::uint32_t codePoint = nLength == 1 ? lead : lead & (0x7F >> nLength);
        for (std::size_t k = 1; k < nLength; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            codePoint = codePoint << 6 | (next & 0x3F);
        }
        static constexpr std::uint32_t SMALLEST[] = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < SMALLEST[nLength] || codePoint > 0x10FFFF || IsHighSurrogate(codePoint) ||
            IsLowSurrogate(codePoint)) {
            return false;
        }
        AppendUnits(codePoint, result);
        i += nLength;
    }
    text.swap(result);
    return true;
}

std::string EncodeUtf8(const std::wstring& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t codePoint = static_cast<std::uint32_t>(text[i]) & 0xFFFF;
        if (IsHighSurrogate(codePoint) && i + 1 < text.size() &&
            IsLowSurrogate(static_cast<std::uint32_t>(text[i + 1]) & 0xFFFF)) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) +
                        ((static_cast<std::uint32_t>(text[++i]) & 0xFFFF) - 0xDC00);
        } else if (IsHighSurrogate(codePoint) || IsLowSurrogate(codePoint)) {
            codePoint = REPLACEMENT;
        }
        if (codePoint < 0x80) {
            bytes.push_back(static_cast<char>(codePoint));
        } else if (codePoint < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | codePoint >> 6));
            bytes.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
        } else if (codePoint < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | codePoint >> 12));
            bytes.push_back(static_cast<char>(0x80 | (codePoint >> 6 & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | codePoint >> 18));
            bytes.push_back(static_cast<char>(0x80 | (codePoint >> 12 & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (codePoint >> 6 & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
        }
    }
    return bytes;
}
