#pragma once
// UTF-8 bytes and the UTF-16 units texts are kept in (as the registry keeps them, on every build).
#include <string>

// Strict: no overlong forms, no surrogates, nothing past U+10FFFF; false for anything else.
bool DecodeUtf8(const std::string& bytes, std::wstring& text);
// A lone surrogate unit is written as U+FFFD.
std::string EncodeUtf8(const std::wstring& text);
