#pragma once
// Texts compared as Windows compares class and file names: in any case. Only ASCII letters fold, as
// the C library's towlower does in the "C" locale the program runs in, so both builds agree.
#include <string>

bool EqualsIgnoringCase(const std::wstring& left, const std::wstring& right);
bool StartsWithIgnoringCase(const std::wstring& text, const std::wstring& prefix);
