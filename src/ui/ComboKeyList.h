#pragma once
// A combo box of a dialog seen as a key list, so that the key table can fill it.
#include <cstdint>
#include <string>

#include "core/IKeyList.h"
#include "fw/ComboBox.h"

class CComboKeyList : public IKeyList {
public:
    explicit CComboKeyList(CComboBox& combo) : m_combo(combo) {}

    void ResetContent() override;
    int AddString(const std::wstring& text) override;
    void SetItemData(int index, std::uint32_t data) override;

private:
    CComboBox& m_combo;
};
