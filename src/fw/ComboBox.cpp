#include "fw/ComboBox.h"

#include "ports/Win32Constants.h"

void CComboBox::ResetContent() {
    SendMessage(CB_RESETCONTENT);
}

int CComboBox::AddString(const std::wstring& text) {
    return m_dialogs.ComboAddString(m_hWnd, text);
}

int CComboBox::SetItemData(int index, std::uintptr_t data) {
    return static_cast<int>(
        SendMessage(CB_SETITEMDATA, static_cast<WParam>(index), static_cast<LParam>(data)));
}

std::uintptr_t CComboBox::GetItemData(int index) {
    return static_cast<std::uintptr_t>(SendMessage(CB_GETITEMDATA, static_cast<WParam>(index)));
}

int CComboBox::GetCurSel() {
    return static_cast<int>(SendMessage(CB_GETCURSEL));
}

int CComboBox::SetCurSel(int index) {
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WParam>(index)));
}

int CComboBox::GetCount() {
    return static_cast<int>(SendMessage(CB_GETCOUNT));
}

std::wstring CComboBox::GetLBText(int index) {
    return m_dialogs.ComboGetItemText(m_hWnd, index);
}

void CComboBox::ShowDropDown(bool show) {
    SendMessage(CB_SHOWDROPDOWN, show ? 1 : 0);
}
