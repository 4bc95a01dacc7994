#pragma once
// A small form dialog for the framework's tests: two signed edits with ranges, an unsigned edit,
// a check box, a radio group, a signed edit without a range and a bound combo box, as the program's
// dialogs use them.
#include <cstdint>
#include <vector>

#include "fakes/FakeDialogTemplate.h"
#include "fakes/FakeWindows.h"
#include "fw/ComboBox.h"
#include "fw/DataExchange.h"
#include "fw/Dialog.h"
#include "ports/Win32Constants.h"

constexpr std::uint32_t IDD_FORM = 500;
constexpr int IDC_MINUTES = 1006;
constexpr int IDC_SECONDS = 1007;
constexpr int IDC_DELAY = 1014;
constexpr int IDC_HOLD = 1028;
constexpr int IDC_NORMAL = 1031;
constexpr int IDC_BRUTE = 1032;
constexpr int IDC_KEYS = 1020;
constexpr int IDC_EXTRA = 1033;

FakeDialogTemplate FormTemplate();

class CFormDialog : public CDialog {
public:
    CFormDialog(CWnd* pParent, const WindowPorts& windows)
        : CDialog(IDD_FORM, pParent, windows), m_cbKeys(windows) {}

    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange& dx) override;

    CComboBox m_cbKeys;
    int m_nMinutes = 0;
    int m_nSeconds = 0;
    std::uint32_t m_nDelay = 0;
    int m_bHold = 0;
    int m_nMethod = -1;
    int m_nExtra = 0;
    int m_nMinutesChanges = 0; // EN_CHANGE notifications of the minutes edit that reached the map
    int m_nHoldClicks = 0;

private:
    void OnChangeMinutes() { ++m_nMinutesChanges; }
    void OnHoldClicked() { ++m_nHoldClicks; }

    static const MessageMapEntry s_messageEntries[];
};
