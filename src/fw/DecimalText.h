#pragma once
// The conversion between control text and integers that the data exchange uses: optional blanks
// around a decimal number, a sign only for signed values; empty text, other characters and values
// that do not fit are refused.
#include <cstdint>
#include <string>

bool ParseDecimalInt(const std::wstring& text, int* value);
bool ParseDecimalUInt(const std::wstring& text, std::uint32_t* value);
// Whether the text is a whole decimal number in that form, however large: a number that does not fit
// is a number out of range, not an unreadable text.
bool IsDecimalNumber(const std::wstring& text, bool allowSign);
