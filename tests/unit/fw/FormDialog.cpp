#include "FormDialog.h"

FakeDialogTemplate FormTemplate() {
    return FakeDialogTemplate{L"Dialog",
                              {
                                  FakeControl::ComboBox(IDC_KEYS),
                                  FakeControl::Edit(IDC_MINUTES).DigitsOnly(),
                                  FakeControl::Edit(IDC_SECONDS).DigitsOnly(),
                                  FakeControl::Edit(IDC_DELAY).DigitsOnly(),
                                  FakeControl::CheckBox(IDC_HOLD, L"Hold Key"),
                                  FakeControl::Radio(IDC_NORMAL, L"Normal").StartsGroup(),
                                  FakeControl::Radio(IDC_BRUTE, L"Brute"),
                                  FakeControl::Edit(IDC_EXTRA),
                                  FakeControl::DefPushButton(IDOK, L"OK"),
                                  FakeControl::PushButton(IDCANCEL, L"Cancel"),
                              }};
}

const MessageMapEntry CFormDialog::s_messageEntries[] = {
    NotifyEntry<&CFormDialog::OnChangeMinutes>(EN_CHANGE, IDC_MINUTES),
    CommandEntry<&CFormDialog::OnHoldClicked>(IDC_HOLD),
};

const MessageMap* CFormDialog::GetMessageMap() const {
    return ChainMessageMap<CDialog, s_messageEntries>(*this);
}

void CFormDialog::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_KEYS, m_cbKeys);
    dx.Int(IDC_MINUTES, m_nMinutes, 0, 9999);
    dx.Int(IDC_SECONDS, m_nSeconds, 0, 59);
    dx.Int(IDC_DELAY, m_nDelay, 0, 9999999);
    dx.Check(IDC_HOLD, m_bHold);
    dx.Radio({IDC_NORMAL, IDC_BRUTE}, m_nMethod);
    dx.Text(IDC_EXTRA, m_nExtra);
}
