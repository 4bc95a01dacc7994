#include "ui/ProfileRequest.h"

std::wstring EncodeProfileRequest(const ProfileRequest& request) {
    return std::to_wstring(request.nInstance) + L'\n' + (request.bStart ? L'1' : L'0') + L'\n' +
           request.strPath;
}

bool DecodeProfileRequest(const std::wstring& text, ProfileRequest& request) {
    const std::size_t nFirst = text.find(L'\n');
    if (nFirst == std::wstring::npos || nFirst == 0 || nFirst > 10 || text.size() < nFirst + 4 ||
        (text[nFirst + 1] != L'0' && text[nFirst + 1] != L'1') || text[nFirst + 2] != L'\n') {
        return false;
    }
    const bool bNegative = text[0] == L'-';
    if (bNegative && nFirst == 1) {
        return false;
    }
    long long nInstance = 0;
    for (std::size_t i = bNegative ? 1 : 0; i < nFirst; ++i) {
        if (text[i] < L'0' || text[i] > L'9') {
            return false;
        }
        nInstance = nInstance * 10 + (text[i] - L'0');
    }
    request.nInstance = static_cast<int>(bNegative ? -nInstance : nInstance);
    request.bStart = text[nFirst + 1] == L'1';
    request.strPath = text.substr(nFirst + 3);
    return true;
}
