#include "fw/DataExchange.h"

#include <type_traits>

#include "fw/DecimalText.h"
#include "fw/Wnd.h"
#include "ports/Win32Constants.h"

CDataExchange::CDataExchange(CWnd& wnd, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_wnd(wnd) {}

namespace {

bool Parse(const std::wstring& text, int* value) {
    return ParseDecimalInt(text, value);
}

bool Parse(const std::wstring& text, std::uint32_t* value) {
    return ParseDecimalUInt(text, value);
}

template <typename Number>
constexpr DataExchangeFailureKind UNREADABLE =
    std::is_signed_v<Number> ? DataExchangeFailureKind::NotAnInteger
                             : DataExchangeFailureKind::NotAPositiveInteger;

} // namespace

void CDataExchange::Control(int id, CWnd& control) {
    if (!m_bFailed) {
        control.Attach(m_wnd.GetDlgItem(id));
    }
}

template <typename Number> void CDataExchange::Exchange(int id, Number& value, const Range* range) {
    if (m_bFailed) {
        return;
    }
    if (!m_bSaveAndValidate) {
        m_wnd.SetDlgItemText(id, std::to_wstring(value));
        return;
    }
    const std::wstring text = m_wnd.GetDlgItemText(id);
    Number parsed = 0;
    if (!Parse(text, &parsed)) {
        // A whole number too large for the member is out of range where the field has a range.
        const bool tooLarge = range && IsDecimalNumber(text, std::is_signed_v<Number>);
        Fail(tooLarge ? DataExchangeFailure{id, DataExchangeFailureKind::OutOfRange, range->min, range->max}
                      : DataExchangeFailure{id, UNREADABLE<Number>});
        return;
    }
    value = parsed;
    if (range && (parsed < range->min || parsed > range->max)) {
        Fail({id, DataExchangeFailureKind::OutOfRange, range->min, range->max});
    }
}

void CDataExchange::Text(int id, int& value) {
    Exchange(id, value, nullptr);
}

void CDataExchange::Text(int id, std::uint32_t& value) {
    Exchange(id, value, nullptr);
}

void CDataExchange::Int(int id, int& value, int min, int max) {
    const Range range{min, max};
    Exchange(id, value, &range);
}

void CDataExchange::Int(int id, std::uint32_t& value, std::uint32_t min, std::uint32_t max) {
    const Range range{min, max};
    Exchange(id, value, &range);
}

void CDataExchange::Text(int id, std::wstring& value) {
    if (m_bFailed) {
        return;
    }
    if (m_bSaveAndValidate) {
        value = m_wnd.GetDlgItemText(id);
    } else {
        m_wnd.SetDlgItemText(id, value);
    }
}

void CDataExchange::Check(int id, int& value) {
    if (m_bFailed) {
        return;
    }
    if (m_bSaveAndValidate) {
        value = static_cast<int>(m_wnd.SendDlgItemMessage(id, BM_GETCHECK));
    } else {
        const int state = value >= 0 && value <= 2 ? value : 0;
        m_wnd.SendDlgItemMessage(id, BM_SETCHECK, static_cast<WParam>(state));
    }
}

void CDataExchange::Radio(std::initializer_list<int> groupIds, int& value) {
    if (m_bFailed) {
        return;
    }
    int index = 0;
    if (m_bSaveAndValidate) {
        value = -1;
        for (int id : groupIds) {
            if (m_wnd.SendDlgItemMessage(id, BM_GETCHECK) == static_cast<LResult>(BST_CHECKED)) {
                value = index;
                break;
            }
            ++index;
        }
        return;
    }
    for (int id : groupIds) {
        m_wnd.SendDlgItemMessage(id, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED);
        ++index;
    }
}

void CDataExchange::Fail(const DataExchangeFailure& failure) {
    m_bFailed = true;
    m_wnd.OnDataExchangeFailure(failure);
}
