#include "core/FilePath.h"

#include "core/AsciiCase.h"

bool SamePath(const std::wstring& strLeft, const std::wstring& strRight) {
    return EqualsIgnoringCase(strLeft, strRight);
}

std::wstring FileNameOf(const std::wstring& strPath) {
    const std::size_t nSlash = strPath.find_last_of(L"\\/");
    return nSlash == std::wstring::npos ? strPath : strPath.substr(nSlash + 1);
}
