#pragma once
// The stored values an option dialog edits, exchanged with its controls through their descriptions:
// each is read from the settings the first time the exchange asks for it, when the dialog opens, and
// Store writes them all back in that order. So a stored value joins a dialog with one line of its
// exchange, and the dialog keeps no member of its own for it.
#include <initializer_list>
#include <utility>
#include <vector>

#include "fw/DataExchange.h"
#include "settings/AppSettings.h"

class CSettingsForm {
public:
    explicit CSettingsForm(CAppSettings& settings);

    void Check(CDataExchange& dx, int id, const StoredInt& value);
    void Radio(CDataExchange& dx, std::initializer_list<int> groupIds, const StoredInt& value);
    // Unsigned decimal text, checked against the value's range when read.
    void UnsignedInt(CDataExchange& dx, int id, const StoredInt& value);

    void Store() const;

private:
    int& Field(const StoredInt& value);

    CAppSettings& m_settings;
    std::vector<std::pair<const StoredInt*, int>> m_fields;
};
