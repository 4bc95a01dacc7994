#pragma once
// A combo box control of a dialog, bound with CDataExchange::Control.
#include <cstdint>
#include <string>

#include "fw/Wnd.h"

class CComboBox : public CWnd {
public:
    explicit CComboBox(const WindowPorts& windows) : CWnd(windows) {}

    void ResetContent();
    int AddString(const std::wstring& text); // index of the new item, negative on failure
    int SetItemData(int index, std::uintptr_t data);
    std::uintptr_t GetItemData(int index);
    int GetCurSel(); // negative when nothing is selected
    int SetCurSel(int index);
    int GetCount();
    std::wstring GetLBText(int index);
    void ShowDropDown(bool show = true);
};
