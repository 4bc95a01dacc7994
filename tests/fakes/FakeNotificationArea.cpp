#include "fakes/FakeNotificationArea.h"

#include <gtest/gtest.h>

#include "ports/Win32Constants.h"

std::wstring FakeNotificationArea::TipText(const NotifyIconRecord& record) {
    std::wstring tip;
    for (wchar_t unit : record.szTip) {
        if (unit == L'\0') {
            break;
        }
        tip += unit;
    }
    return tip;
}

namespace {

std::string MessageName(std::uint32_t message) {
    return NameOf(message, {{NIM_ADD, "NIM_ADD"}, {NIM_MODIFY, "NIM_MODIFY"}, {NIM_DELETE, "NIM_DELETE"}},
                  "NIM_" + std::to_string(message));
}

} // namespace

bool FakeNotificationArea::ShellNotifyIcon(std::uint32_t message, const NotifyIconRecord& record) {
    std::string line = MessageName(message) + "(" + Hex(record.hWnd) + ", " + std::to_string(record.uID) +
                       ", flags " + std::to_string(record.uFlags);
    if (message == NIM_MODIFY) {
        line += ", tip \"" + Narrow(TipText(record)) + "\"";
    }
    m_log.Add(line + ")");

    const auto key = std::make_pair(record.hWnd, record.uID);
    const auto found = m_icons.find(key);
    bool accepted = false;
    if (record.cbSize != 0 && record.hWnd != 0) {
        switch (message) {
        case NIM_ADD:
            if (!m_bRefuseAdds && found == m_icons.end()) {
                Icon& icon = m_icons[key];
                if ((record.uFlags & NIF_MESSAGE) != 0) {
                    icon.callbackMessage = record.uCallbackMessage;
                }
                if ((record.uFlags & NIF_ICON) != 0) {
                    icon.icon = record.hIcon;
                }
                if ((record.uFlags & NIF_TIP) != 0) {
                    icon.tip = TipText(record);
                }
                accepted = true;
            }
            break;
        case NIM_MODIFY:
            if (found != m_icons.end()) {
                if ((record.uFlags & NIF_MESSAGE) != 0) {
                    found->second.callbackMessage = record.uCallbackMessage;
                }
                if ((record.uFlags & NIF_ICON) != 0) {
                    found->second.icon = record.hIcon;
                }
                if ((record.uFlags & NIF_TIP) != 0) {
                    found->second.tip = TipText(record);
                }
                accepted = true;
            }
            break;
        case NIM_DELETE:
            if (found != m_icons.end()) {
                m_icons.erase(found);
                accepted = true;
            }
            break;
        default:
            break;
        }
    }
    m_calls.push_back(Call{message, record, accepted});
    return accepted;
}

bool FakeNotificationArea::HasIcon(WindowHandle window, std::uint32_t id) const {
    return m_icons.count({window, id}) != 0;
}

const FakeNotificationArea::Icon& FakeNotificationArea::IconOf(WindowHandle window, std::uint32_t id) const {
    const auto found = m_icons.find({window, id});
    if (found == m_icons.end()) {
        ADD_FAILURE() << "no notification-area icon " << id << " for window " << Hex(window);
        return m_none;
    }
    return found->second;
}
