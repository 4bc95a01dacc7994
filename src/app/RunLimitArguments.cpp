#include "app/RunLimitArguments.h"

namespace {

// Enough for any value within MAX_FOR_SECONDS, few enough that the sum cannot overflow.
constexpr std::size_t MAX_DIGITS = 7;

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

} // namespace

bool ParseForDuration(const std::wstring& strText, std::int64_t& nSeconds) {
    static const struct {
        wchar_t unit;
        std::int64_t seconds;
    } UNITS[] = {{L'h', 3600}, {L'm', 60}, {L's', 1}};
    std::int64_t nTotal = 0;
    std::size_t nPos = 0;
    std::size_t nUnit = 0;
    while (nPos < strText.size()) {
        std::int64_t nNumber = 0;
        const std::size_t nStart = nPos;
        for (; nPos < strText.size() && IsDigit(strText[nPos]); ++nPos) {
            nNumber = nNumber * 10 + (strText[nPos] - L'0');
        }
        if (nPos == nStart || nPos - nStart > MAX_DIGITS || nPos == strText.size()) {
            return false;
        }
        const wchar_t unit = static_cast<wchar_t>(strText[nPos] | 0x20);
        while (nUnit < 3 && UNITS[nUnit].unit != unit) {
            ++nUnit;
        }
        if (nUnit == 3) {
            return false;
        }
        nTotal += nNumber * UNITS[nUnit++].seconds;
        ++nPos;
    }
    if (nTotal <= 0 || nTotal > MAX_FOR_SECONDS) {
        return false;
    }
    nSeconds = nTotal;
    return true;
}

bool ParseUntilTime(const std::wstring& strText, int& nMinuteOfDay) {
    const std::size_t nColon = strText.find(L':');
    if (nColon < 1 || nColon > 2 || strText.size() != nColon + 3) {
        return false;
    }
    for (std::size_t i = 0; i < strText.size(); ++i) {
        if (i != nColon && !IsDigit(strText[i])) {
            return false;
        }
    }
    const int nHour = nColon == 1 ? strText[0] - L'0' : (strText[0] - L'0') * 10 + (strText[1] - L'0');
    const int nMinute = (strText[nColon + 1] - L'0') * 10 + (strText[nColon + 2] - L'0');
    if (nHour > 23 || nMinute > 59) {
        return false;
    }
    nMinuteOfDay = nHour * 60 + nMinute;
    return true;
}

bool TakeRunLimitSwitch(const std::wstring& strName, const std::vector<std::wstring>& arguments,
                        std::size_t& i, RunLimitSwitches& limits, bool& bInvalid) {
    const bool bFor = strName == L"for";
    if (!bFor && strName != L"until") {
        return false;
    }
    const bool bValue =
        i + 1 < arguments.size() && (bFor ? ParseForDuration(arguments[i + 1], limits.nForSeconds)
                                          : ParseUntilTime(arguments[i + 1], limits.nUntilMinute));
    bInvalid = bInvalid || !bValue;
    i += bValue ? 1 : 0;
    return true;
}
