#include "core/FilePath.h"

namespace {

wchar_t FoldAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

} // namespace

bool SamePath(const std::wstring& strLeft, const std::wstring& strRight) {
    if (strLeft.size() != strRight.size()) {
        return false;
    }
    for (std::size_t i = 0; i < strLeft.size(); ++i) {
        if (FoldAscii(strLeft[i]) != FoldAscii(strRight[i])) {
            return false;
        }
    }
    return true;
}

std::wstring FileNameOf(const std::wstring& strPath) {
    const std::size_t nSlash = strPath.find_last_of(L"\\/");
    return nSlash == std::wstring::npos ? strPath : strPath.substr(nSlash + 1);
}
