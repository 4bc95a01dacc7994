#include "fw/DataExchangeFailure.h"

std::wstring DataExchangeFailure::Prompt() const {
    switch (kind) {
    case DataExchangeFailureKind::NotAnInteger:
        return L"Enter an integer.";
    case DataExchangeFailureKind::NotAPositiveInteger:
        return L"Enter a positive integer.";
    case DataExchangeFailureKind::OutOfRange:
        break;
    }
    std::wstring text = L"Enter an integer between %1 and %2.";
    const std::wstring low = std::to_wstring(min);
    const std::wstring high = std::to_wstring(max);
    text.replace(text.find(L"%1"), 2, low);
    text.replace(text.find(L"%2"), 2, high);
    return text;
}
