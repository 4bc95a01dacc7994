#pragma once
// What the main dialog shows of the press session: the run's buttons and the status line's count.
#include <string>

#include "core/PressSession.h"
#include "fw/Static.h"
#include "fw/Wnd.h"
#include "ports/IDialogControls.h"

class CRunStatusView : public IPressSessionListener {
public:
    CRunStatusView(CWnd& dialog, IDialogControls& dialogs, CStatic& status)
        : m_dialog(dialog), m_dialogs(dialogs), m_status(status) {}

    void OnRunStarted() override { ShowButtons(true); }
    void OnKeyedCount(std::uint32_t count) override;
    void OnRunStopped(RunEnd why) override;
    void OnStartRefused(const std::wstring& reason) override;
    void OnPressSkipped(std::uint32_t count, const std::wstring& reason) override;
    void OnRunWaiting(RunWait why, int seconds) override;

private:
    void ShowButtons(bool running);
    // Draws text unless it is already there: skipped presses come as fast as made ones.
    void Show(const std::wstring& text);

    CWnd& m_dialog;
    IDialogControls& m_dialogs;
    CStatic& m_status;
    std::wstring m_strShown;
};
