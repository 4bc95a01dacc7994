#pragma once
// The taskbar's notification area as the shell keeps it: icons by (window, identifier), each with
// its callback message, image and tooltip. Adding an icon that exists, or changing or deleting one
// that does not, fails as it does in the shell. The shell can be made to refuse adds (a taskbar
// that is not there yet) and can be restarted, which drops every icon.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fakes/CallLog.h"
#include "ports/INotificationArea.h"

class FakeNotificationArea : public INotificationArea {
public:
    struct Icon {
        std::uint32_t callbackMessage = 0;
        IconHandle icon = 0;
        std::wstring tip;
    };
    struct Call {
        std::uint32_t message = 0;
        NotifyIconRecord record;
        bool accepted = false;
    };

    bool ShellNotifyIcon(std::uint32_t message, const NotifyIconRecord& record) override;

    void RefuseAdds(bool refuse) { m_bRefuseAdds = refuse; }
    // The taskbar is re-created: every icon is gone.
    void RestartShell() { m_icons.clear(); }

    bool HasIcon(WindowHandle window, std::uint32_t id) const;
    const Icon& IconOf(WindowHandle window, std::uint32_t id) const; // fails the test when missing
    std::size_t IconCount() const { return m_icons.size(); }
    const std::vector<Call>& Calls() const { return m_calls; }
    // "NIM_ADD(0x1000, 90, flags 7)", "NIM_MODIFY(0x1000, 90, flags 4, tip \"...\")", "NIM_DELETE(0x1000, 90,
    // flags 7)".
    CCallLog& Log() { return m_log; }

    // The tooltip a record carries: its units up to the first zero.
    static std::wstring TipText(const NotifyIconRecord& record);

private:
    std::map<std::pair<WindowHandle, std::uint32_t>, Icon> m_icons;
    std::vector<Call> m_calls;
    bool m_bRefuseAdds = false;
    CCallLog m_log;
    Icon m_none;
};
