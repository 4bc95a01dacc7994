#include "fw/DecimalText.h"

#include <limits>

namespace {

bool IsBlank(wchar_t ch) {
    return ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\n' || ch == L'\v' || ch == L'\f';
}

// Reads "[blanks][sign]digits[blanks]" into a magnitude; false on any other text. A magnitude
// above limit sets *tooLarge and leaves *magnitude meaningless.
bool ParseMagnitude(const std::wstring& text, bool allowSign, std::uint64_t limit, bool* negative,
                    std::uint64_t* magnitude, bool* tooLarge) {
    std::size_t pos = 0;
    const std::size_t end = text.size();
    while (pos < end && IsBlank(text[pos])) {
        ++pos;
    }
    *negative = false;
    if (allowSign && pos < end && (text[pos] == L'+' || text[pos] == L'-')) {
        *negative = text[pos] == L'-';
        ++pos;
    }
    const std::size_t firstDigit = pos;
    std::uint64_t result = 0;
    *tooLarge = false;
    while (pos < end && text[pos] >= L'0' && text[pos] <= L'9') {
        if (!*tooLarge) {
            result = result * 10 + static_cast<std::uint64_t>(text[pos] - L'0');
            *tooLarge = result > limit;
        }
        ++pos;
    }
    if (pos == firstDigit) {
        return false;
    }
    while (pos < end && IsBlank(text[pos])) {
        ++pos;
    }
    *magnitude = result;
    return pos == end;
}

} // namespace

bool ParseDecimalInt(const std::wstring& text, int* value) {
    // The limit admits the magnitude of the most negative value; the positive side is checked below.
    const std::uint64_t limit = static_cast<std::uint64_t>(std::numeric_limits<int>::max()) + 1;
    bool negative = false;
    std::uint64_t magnitude = 0;
    bool tooLarge = false;
    if (!ParseMagnitude(text, true, limit, &negative, &magnitude, &tooLarge) || tooLarge) {
        return false;
    }
    if (negative) {
        *value = static_cast<int>(-static_cast<std::int64_t>(magnitude));
        return true;
    }
    if (magnitude == limit) {
        return false;
    }
    *value = static_cast<int>(magnitude);
    return true;
}

bool ParseDecimalUInt(const std::wstring& text, std::uint32_t* value) {
    bool negative = false;
    std::uint64_t magnitude = 0;
    bool tooLarge = false;
    if (!ParseMagnitude(text, false, std::numeric_limits<std::uint32_t>::max(), &negative, &magnitude,
                        &tooLarge) ||
        tooLarge) {
        return false;
    }
    *value = static_cast<std::uint32_t>(magnitude);
    return true;
}

bool IsDecimalNumber(const std::wstring& text, bool allowSign) {
    bool negative = false;
    std::uint64_t magnitude = 0;
    bool tooLarge = false;
    return ParseMagnitude(text, allowSign, std::numeric_limits<std::uint32_t>::max(), &negative, &magnitude,
                          &tooLarge);
}
