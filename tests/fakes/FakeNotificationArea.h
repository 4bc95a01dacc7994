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
#include "ports/Win32Constants.h"

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

    // "NIM_ADD(0x1000, 90, flags 7)", "NIM_MODIFY(0x1000, 90, flags 4, tip \"...\")",
    // "NIM_DELETE(0x1000, 90, flags 7)".
    bool ShellNotifyIcon(std::uint32_t message, const NotifyIconRecord& record) override {
        const std::string name = message == NIM_ADD      ? "NIM_ADD"
                                 : message == NIM_MODIFY ? "NIM_MODIFY"
                                 : message == NIM_DELETE ? "NIM_DELETE"
                                                         : "NIM_" + std::to_string(message);
        m_log.Add(name + "(" + Hex(record.hWnd) + ", " + std::to_string(record.uID) + ", flags " +
                  std::to_string(record.uFlags) +
                  (message == NIM_MODIFY ? ", tip \"" + Narrow(TipText(record)) + "\"" : "") + ")");
        const auto key = std::make_pair(record.hWnd, record.uID);
        const bool bExists = m_icons.count(key) != 0;
        const bool bAccepted =
            record.cbSize != 0 && record.hWnd != 0 &&
            (message == NIM_ADD ? !m_bRefuseAdds && !bExists
                                : (message == NIM_MODIFY || message == NIM_DELETE) && bExists);
        if (bAccepted && message == NIM_DELETE) {
            m_icons.erase(key);
        } else if (bAccepted) {
            Icon& icon = m_icons[key];
            icon.callbackMessage =
                record.uFlags & NIF_MESSAGE ? record.uCallbackMessage : icon.callbackMessage;
            icon.icon = record.uFlags & NIF_ICON ? record.hIcon : icon.icon;
            icon.tip = record.uFlags & NIF_TIP ? TipText(record) : icon.tip;
        }
        m_calls.push_back(Call{message, record, bAccepted});
        return bAccepted;
    }

    void RefuseAdds(bool refuse) { m_bRefuseAdds = refuse; }
    // The taskbar is re-created: every icon is gone.
    void RestartShell() { m_icons.clear(); }

    bool HasIcon(WindowHandle window, std::uint32_t id) const { return m_icons.count({window, id}) != 0; }
    const Icon& IconOf(WindowHandle window, std::uint32_t id) const {
        const auto found = m_icons.find({window, id});
        if (found == m_icons.end()) {
            ADD_FAILURE() << "no notification-area icon " << id << " for window " << Hex(window);
            return m_none;
        }
        return found->second;
    }
    std::size_t IconCount() const { return m_icons.size(); }
    const std::vector<Call>& Calls() const { return m_calls; }
    CCallLog& Log() { return m_log; }

    // The tooltip a record carries: its units up to the first zero.
    static std::wstring TipText(const NotifyIconRecord& record) {
        const std::wstring tip(record.szTip.begin(), record.szTip.end());
        return tip.substr(0, tip.find(L'\0'));
    }

private:
    std::map<std::pair<WindowHandle, std::uint32_t>, Icon> m_icons;
    std::vector<Call> m_calls;
    bool m_bRefuseAdds = false;
    CCallLog m_log;
    Icon m_none;
};
