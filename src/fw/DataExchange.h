#pragma once
// One pass of dialog data exchange between a window's controls and its members, in either
// direction. Each call names a control by its identifier; after the first failure every later call
// does nothing, so a failure is reported once and fields read before it keep their new values.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "fw/DataExchangeFailure.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd& wnd, bool saveAndValidate);

    CDataExchange(const CDataExchange&) = delete;
    CDataExchange& operator=(const CDataExchange&) = delete;

    // Reports what the last field left pending; call once the exchange has read every field.
    void Complete();
    bool Failed() const { return m_bFailed; }

    // Binds the control wrapper to the dialog's control (both directions).
    void Control(int id, CWnd& control);
    // Decimal text; reading fails with "Enter an integer." / "Enter a positive integer.". A whole
    // number too large for the member is reported by the field's range check when one follows.
    void Text(int id, int& value);
    void Text(int id, std::uint32_t& value);
    void Text(int id, std::wstring& value);
    // Range checks, only when saving: "Enter an integer between %1 and %2.".
    void MinMax(int id, int value, int min, int max);
    void MinMax(int id, std::uint32_t value, std::uint32_t min, std::uint32_t max);
    // So that plain literals can bound an unsigned member; the bounds must not be negative.
    void MinMax(int id, std::uint32_t value, int min, int max);
    // Check box state: 0 unchecked, 1 checked (2 indeterminate for three-state boxes).
    void Check(int id, int& value);
    // Index of the checked button of the group, -1 when none is checked; loading an index outside
    // the group leaves every button unchecked.
    void Radio(std::initializer_list<int> groupIds, int& value);

    const bool m_bSaveAndValidate;

private:
    // Reports a number too large that no range check has claimed; false once the exchange failed.
    bool Proceed();
    // Reports a number too large for field id as out of its range; false when there is none.
    bool TooLargeForRange(int id, std::int64_t min, std::int64_t max);
    void Fail(const DataExchangeFailure& failure);
    std::wstring ReadText(int id) const;
    void WriteText(int id, const std::wstring& text);

    CWnd& m_wnd;
    bool m_bFailed = false;
    // A field whose number did not fit its member, and how to report it without a range check.
    std::optional<DataExchangeFailure> m_tooLarge;
};
