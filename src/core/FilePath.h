#pragma once
// File paths as Windows names them, on every build.
#include <string>

// Whether two paths name the same file as far as their texts tell: Windows matches file names in
// any case.
bool SamePath(const std::wstring& strLeft, const std::wstring& strRight);
// What follows the last backslash or slash; the whole text when there is none.
std::wstring FileNameOf(const std::wstring& strPath);
