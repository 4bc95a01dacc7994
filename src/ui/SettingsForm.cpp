#include "ui/SettingsForm.h"

#include <cstdint>

CSettingsForm::CSettingsForm(CAppSettings& settings) : m_settings(settings) {}

void CSettingsForm::Check(CDataExchange& dx, int id, const StoredInt& value) {
    dx.Check(id, Field(value));
}

void CSettingsForm::Radio(CDataExchange& dx, std::initializer_list<int> groupIds, const StoredInt& value) {
    dx.Radio(groupIds, Field(value));
}

void CSettingsForm::UnsignedInt(CDataExchange& dx, int id, const StoredInt& value) {
    // A negative value stored by hand shows as the unsigned number of the same bits; what a valid
    // form reads back lies within the range, so it fits again.
    int& field = Field(value);
    std::uint32_t nUnsigned = static_cast<std::uint32_t>(field);
    dx.Int(id, nUnsigned, static_cast<std::uint32_t>(value.nMin), static_cast<std::uint32_t>(value.nMax));
    field = static_cast<int>(nUnsigned);
}

void CSettingsForm::Store() const {
    for (const auto& field : m_fields) {
        m_settings.Set(*field.first, field.second);
    }
}

int& CSettingsForm::Field(const StoredInt& value) {
    for (auto& field : m_fields) {
        if (field.first == &value) {
            return field.second;
        }
    }
    m_fields.emplace_back(&value, m_settings.Get(value));
    return m_fields.back().second;
}
