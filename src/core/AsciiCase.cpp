#include "core/AsciiCase.h"

#include <algorithm>

namespace {

bool SameLetter(wchar_t left, wchar_t right) {
    const auto fold = [](wchar_t c) {
        return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    };
    return fold(left) == fold(right);
}

} // namespace

bool EqualsIgnoringCase(const std::wstring& left, const std::wstring& right) {
    return left.size() == right.size() && std::equal(left.begin(), left.end(), right.begin(), SameLetter);
}

bool StartsWithIgnoringCase(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(), SameLetter);
}
