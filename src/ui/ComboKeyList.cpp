#include "ui/ComboKeyList.h"

void CComboKeyList::ResetContent() {
    m_combo.ResetContent();
}

int CComboKeyList::AddString(const std::wstring& text) {
    return m_combo.AddString(text);
}

void CComboKeyList::SetItemData(int index, std::uint32_t data) {
    m_combo.SetItemData(index, data);
}
