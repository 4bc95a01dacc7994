#include "fw/Dialog.h"

#include "ports/Win32Constants.h"

const MessageMapEntry CDialog::s_messageEntries[] = {
    MessageEntry<&CDialog::OnInitDialogMessage>(WM_INITDIALOG),
    CommandEntry<&CDialog::OnOKCommand>(IDOK),
    CommandEntry<&CDialog::OnCancelCommand>(IDCANCEL),
};

CDialog::CDialog(std::uint32_t templateId, CWnd* pParent, const WindowPorts& windows)
    : CWnd(windows), m_nTemplateId(templateId), m_pParentWnd(pParent) {}

const MessageMap* CDialog::GetMessageMap() const {
    return ChainMessageMap<CWnd, s_messageEntries>(*this);
}

bool CDialog::Create() {
    const WindowHandle parent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : 0;
    const WindowHandle window = m_dialogs.CreateDialogFromTemplate(m_nTemplateId, parent, this);
    return window != 0;
}

LResult CDialog::DoModal() {
    const WindowHandle parent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : 0;
    // A parent that is already disabled (a modal dialog over a modal dialog) stays as it is.
    const bool disableParent = parent != 0 && m_windows.IsWindowEnabled(parent);
    if (disableParent) {
        m_dialogs.EnableWindow(parent, false);
    }

    m_bModal = true;
    m_bEndDialog = false;
    m_nModalResult = IDCANCEL;
    LResult result = -1;
    if (Create()) {
        if (!m_bEndDialog && m_hWnd != 0) {
            ShowWindow(SW_SHOWNORMAL);
            RunModalLoop();
        }
        result = m_nModalResult;
    }

    // The parent is enabled before the dialog goes, so that the system hands the activation back to
    // it rather than to another program's window.
    if (disableParent) {
        m_dialogs.EnableWindow(parent, true);
    }
    if (m_hWnd != 0) {
        DestroyWindow();
    }
    m_bModal = false;
    return result;
}

void CDialog::RunModalLoop() {
    while (!m_bEndDialog && m_hWnd != 0) {
        Msg msg;
        if (!m_messages.GetMessage(&msg)) {
            if (msg.message == WM_QUIT) {
                m_messages.PostQuitMessage(static_cast<int>(msg.wParam));
            }
            return;
        }
        if (!PreTranslateMessage(msg)) {
            m_messages.TranslateMessage(msg);
            m_messages.DispatchMessage(msg);
        }
    }
}

void CDialog::EndDialog(LResult result) {
    m_nModalResult = result;
    m_bEndDialog = true;
    if (!m_bModal && m_hWnd != 0) {
        ShowWindow(SW_HIDE);
    }
}

bool CDialog::OnInitDialog() {
    UpdateData(LOAD_CONTROLS);
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(SAVE_AND_VALIDATE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::PreTranslateMessage(const Msg& msg) {
    if (m_hWnd == 0 || (msg.hwnd != m_hWnd && !m_windows.IsChild(m_hWnd, msg.hwnd))) {
        return false;
    }
    return m_messages.IsDialogMessage(m_hWnd, msg);
}

void CDialog::OnMessageException(std::uint32_t message, const std::string& strWhat) {
    if (m_pParentWnd != nullptr) {
        m_pParentWnd->OnMessageException(message, strWhat);
    } else {
        CWnd::OnMessageException(message, strWhat);
    }
}

LResult CDialog::OnInitDialogMessage(WParam, LParam) {
    return OnInitDialog() ? 1 : 0;
}
