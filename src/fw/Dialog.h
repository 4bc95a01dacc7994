#pragma once
// A dialog built from a resource template, modeless (Create) or modal (DoModal, our own loop, so
// that the main dialog's timers and shortcut keep being dispatched while it runs).
#include <cstdint>

#include "fw/Wnd.h"

class CDialog : public CWnd {
public:
    CDialog(std::uint32_t templateId, CWnd* pParent, const WindowPorts& windows);

    // Modeless: the window starts as the template says (hidden unless it has WS_VISIBLE).
    bool Create();
    // Disables the parent, creates and shows the dialog, pumps messages until EndDialog, re-enables
    // the parent and destroys the window. Returns the EndDialog result, IDCANCEL when the loop ended
    // otherwise (WM_QUIT, which is posted again for the outer loop, or the window was destroyed),
    // -1 when the dialog could not be created.
    LResult DoModal();
    // Ends the modal loop with result; a modeless dialog is only hidden, as the system does.
    void EndDialog(LResult result);

    // Base: loads the controls from the members (UpdateData(LOAD_CONTROLS)); true lets the system
    // put the focus on the first control.
    virtual bool OnInitDialog();
    // Base: reads and validates the form and ends the dialog with IDOK when it is valid.
    virtual void OnOK();
    // Base: ends the dialog with IDCANCEL.
    virtual void OnCancel();

    // Dialog keyboard handling (Tab, Enter, Escape) for messages to the dialog or its controls.
    bool PreTranslateMessage(const Msg& msg) override;
    const MessageMap* GetMessageMap() const override;
    // A dialog with a parent leaves the failure to it: the parent owns what must be undone.
    void OnMessageException(std::uint32_t message, const std::string& strWhat) override;

    std::uint32_t GetTemplateId() const { return m_nTemplateId; }
    bool IsModal() const { return m_bModal; }

protected:
    const std::uint32_t m_nTemplateId;
    CWnd* const m_pParentWnd;

private:
    LResult OnInitDialogMessage(WParam wParam, LParam lParam);
    void OnOKCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }
    void RunModalLoop();

    static const MessageMapEntry s_messageEntries[];

    bool m_bModal = false;
    bool m_bEndDialog = false;
    LResult m_nModalResult = 0;
};
