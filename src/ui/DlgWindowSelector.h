#pragma once
// The modal dialog that decides who receives the keystrokes: the window with the keyboard focus, or
// one window the user picks by dragging the sight symbol onto it. Its decisions reach the rest of
// the program only through the settings, and only on OK.
#include <string>

#include "fw/Dialog.h"
#include "fw/Edit.h"
#include "fw/Static.h"
#include "ports/Platform.h"
#include "settings/AppSettings.h"
#include "ui/WindowPicker.h"

class CDlgWindowSelector : public CDialog {
public:
    CDlgWindowSelector(CWnd* pParent, const Platform& platform, CAppSettings& settings);

    bool OnInitDialog() override;
    void OnOK() override;
    // Follows the drag from every mouse move on its way to the dialog; the move itself is not
    // swallowed.
    bool PreTranslateMessage(const Msg& msg) override;
    const MessageMap* GetMessageMap() const override;

protected:
    void DoDataExchange(CDataExchange& dx) override;

private:
    // Both leave the message to the default processing.
    bool OnLButtonDown(Point point);
    bool OnLButtonUp(Point point);
    bool OnDestroy(WParam wParam, LParam lParam, LResult* result);
    void OnWindowWithoutControls();
    void OnDisplaysCharactersClicked();

    void OnDragMove(const Msg& msg);
    WindowHandle FindWindowAtPoint(Point ptScreen) const;
    void InvertFrame(WindowHandle hWnd);
    void RemoveOutline();
    void DescribeWindow(WindowHandle hWnd);
    bool OnEnumChild(WindowHandle hChild);

    static const MessageMapEntry s_messageEntries[];

    CAppSettings& m_settings;
    IProcess& m_process;
    IPointer& m_pointer;
    CWindowPicker m_picker;

    std::wstring m_strText;
    IconHandle m_hIcon = 0;
    IconHandle m_hIconTarget = 0;
    IconHandle m_hIconEmpty = 0;
    IconHandle m_hCursorTarget = 0;
    int m_bDragging = 0;
    WindowHandle m_hSelected = 0;
    WindowHandle m_hHighlighted = 0;
    std::wstring m_szClassName;
    std::wstring m_strWindowText;
    Rect m_rcWindow;
    std::wstring m_strSize;
    int m_nControls = 0;
    int m_bHasEdit = 0;
    CEdit m_editInfo;
    CStatic m_stTarget;
    int m_nReceiver = 0;
    int m_bFirstEdit = 0;
    int m_bSendKeyUp = 0;
    int m_bSendChars = 0;
};
