#include "fw/DataExchange.h"

#include "fw/DecimalText.h"
#include "fw/Wnd.h"
#include "ports/Win32Constants.h"

CDataExchange::CDataExchange(CWnd& wnd, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_wnd(wnd) {}

void CDataExchange::Complete() {
    Proceed();
}

void CDataExchange::Control(int id, CWnd& control) {
    if (!Proceed()) {
        return;
    }
    control.Attach(m_wnd.GetDlgItem(id));
}

void CDataExchange::Text(int id, int& value) {
    if (!Proceed()) {
        return;
    }
    if (!m_bSaveAndValidate) {
        WriteText(id, std::to_wstring(value));
        return;
    }
    const std::wstring text = ReadText(id);
    int parsed = 0;
    if (!ParseDecimalInt(text, &parsed)) {
        if (IsDecimalNumber(text, true)) {
            m_tooLarge = DataExchangeFailure{id, DataExchangeFailureKind::NotAnInteger};
        } else {
            Fail({id, DataExchangeFailureKind::NotAnInteger});
        }
        return;
    }
    value = parsed;
}

void CDataExchange::Text(int id, std::uint32_t& value) {
    if (!Proceed()) {
        return;
    }
    if (!m_bSaveAndValidate) {
        WriteText(id, std::to_wstring(value));
        return;
    }
    const std::wstring text = ReadText(id);
    std::uint32_t parsed = 0;
    if (!ParseDecimalUInt(text, &parsed)) {
        if (IsDecimalNumber(text, false)) {
            m_tooLarge = DataExchangeFailure{id, DataExchangeFailureKind::NotAPositiveInteger};
        } else {
            Fail({id, DataExchangeFailureKind::NotAPositiveInteger});
        }
        return;
    }
    value = parsed;
}

void CDataExchange::Text(int id, std::wstring& value) {
    if (!Proceed()) {
        return;
    }
    if (m_bSaveAndValidate) {
        value = ReadText(id);
    } else {
        WriteText(id, value);
    }
}

void CDataExchange::MinMax(int id, int value, int min, int max) {
    if (TooLargeForRange(id, min, max) || !Proceed() || !m_bSaveAndValidate) {
        return;
    }
    if (value < min || value > max) {
        Fail({id, DataExchangeFailureKind::OutOfRange, min, max});
    }
}

void CDataExchange::MinMax(int id, std::uint32_t value, std::uint32_t min, std::uint32_t max) {
    if (TooLargeForRange(id, min, max) || !Proceed() || !m_bSaveAndValidate) {
        return;
    }
    if (value < min || value > max) {
        Fail({id, DataExchangeFailureKind::OutOfRange, min, max});
    }
}

void CDataExchange::MinMax(int id, std::uint32_t value, int min, int max) {
    MinMax(id, value, static_cast<std::uint32_t>(min < 0 ? 0 : min),
           static_cast<std::uint32_t>(max < 0 ? 0 : max));
}

void CDataExchange::Check(int id, int& value) {
    if (!Proceed()) {
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
    if (!Proceed()) {
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

bool CDataExchange::TooLargeForRange(int id, std::int64_t min, std::int64_t max) {
    if (!m_tooLarge || m_tooLarge->id != id) {
        return false;
    }
    m_tooLarge.reset();
    Fail({id, DataExchangeFailureKind::OutOfRange, min, max});
    return true;
}

bool CDataExchange::Proceed() {
    if (m_tooLarge) {
        const DataExchangeFailure unreadable = *m_tooLarge;
        m_tooLarge.reset();
        Fail(unreadable);
    }
    return !m_bFailed;
}

void CDataExchange::Fail(const DataExchangeFailure& failure) {
    m_bFailed = true;
    m_wnd.OnDataExchangeFailure(failure);
}

std::wstring CDataExchange::ReadText(int id) const {
    return m_wnd.GetDlgItemText(id);
}

void CDataExchange::WriteText(int id, const std::wstring& text) {
    m_wnd.SetDlgItemText(id, text);
}
