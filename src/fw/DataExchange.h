#pragma once
// One pass of dialog data exchange between a window's controls and its members, in either
// direction. Each call names a control by its identifier; after the first failure every later call
// does nothing, so a failure is reported once and fields read before it keep their new values.
#include <cstdint>
#include <initializer_list>
#include <string>

#include "fw/DataExchangeFailure.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd& wnd, bool saveAndValidate);

    CDataExchange(const CDataExchange&) = delete;
    CDataExchange& operator=(const CDataExchange&) = delete;

    bool Failed() const { return m_bFailed; }

    // Binds the control wrapper to the dialog's control (both directions).
    void Control(int id, CWnd& control);
    // Decimal text; reading fails with "Enter an integer." / "Enter a positive integer.".
    void Text(int id, int& value);
    void Text(int id, std::uint32_t& value);
    void Text(int id, std::wstring& value);
    // Decimal text with a range checked when saving: a value outside it, or a whole number too large
    // for the member, fails with "Enter an integer between %1 and %2."; the member keeps a value
    // that was read but is out of range.
    void Int(int id, int& value, int min, int max);
    void Int(int id, std::uint32_t& value, std::uint32_t min, std::uint32_t max);
    // Check box state: 0 unchecked, 1 checked (2 indeterminate for three-state boxes).
    void Check(int id, int& value);
    // Index of the checked button of the group, -1 when none is checked; loading an index outside
    // the group leaves every button unchecked.
    void Radio(std::initializer_list<int> groupIds, int& value);

    const bool m_bSaveAndValidate;

private:
    struct Range {
        std::int64_t min;
        std::int64_t max;
    };
    template <typename Number> void Exchange(int id, Number& value, const Range* range);
    void Fail(const DataExchangeFailure& failure);

    CWnd& m_wnd;
    bool m_bFailed = false;
};
