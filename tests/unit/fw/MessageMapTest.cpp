// Message routing through CWnd: the map chain (derived before base), command vs notification
// codes, registered messages, handlers that decline, DefWindowProc for the rest.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/CallLog.h"
#include "fakes/FakeWindows.h"
#include "fw/Wnd.h"
#include "ports/Win32Constants.h"
#include "unit/TableRows.h"

namespace {

constexpr std::uint32_t IDC_SHARED = 100;
constexpr std::uint32_t IDC_BASE_ONLY = 101;
constexpr std::uint32_t IDC_EDIT = 200;
constexpr WindowHandle WINDOW = 0x4000;
constexpr WindowHandle CONTROL = 0x4004;

std::uint32_t g_nTestRegisteredMsg = 0;

WParam CommandParam(std::uint32_t id, std::uint32_t code) {
    return static_cast<WParam>((id & 0xFFFF) | (code << 16));
}

class CBaseTestWnd : public CWnd {
public:
    CBaseTestWnd(const WindowPorts& windows, CCallLog& log) : CWnd(windows), m_log(log) {}

    const MessageMap* GetMessageMap() const override;

    bool DefWindowProc(std::uint32_t message, WParam wParam, LParam lParam, LResult* result) override {
        m_log.Add("DefWindowProc " + Hex(message, 4) + " " + std::to_string(wParam));
        return CWnd::DefWindowProc(message, wParam, lParam, result);
    }

protected:
    CCallLog& m_log;

private:
    void OnBaseShared() { m_log.Add("base OnShared"); }
    void OnBaseOnly() { m_log.Add("base OnBaseOnly"); }
    LResult OnBaseTimer(WParam wParam, LParam) {
        m_log.Add("base OnTimer " + std::to_string(wParam));
        return 7;
    }

    static const MessageMapEntry s_messageEntries[];
};

const MessageMapEntry CBaseTestWnd::s_messageEntries[] = {
    CommandEntry<&CBaseTestWnd::OnBaseShared>(IDC_SHARED),
    CommandEntry<&CBaseTestWnd::OnBaseOnly>(IDC_BASE_ONLY),
    MessageEntry<&CBaseTestWnd::OnBaseTimer>(WM_TIMER),
};

const MessageMap* CBaseTestWnd::GetMessageMap() const {
    return ChainMessageMap<CWnd, s_messageEntries>(*this);
}

class CDerivedTestWnd : public CBaseTestWnd {
public:
    using CBaseTestWnd::CBaseTestWnd;

    const MessageMap* GetMessageMap() const override;

    bool m_bDeclineTimer = false;

private:
    void OnDerivedShared() { m_log.Add("derived OnShared"); }
    void OnEditChange() { m_log.Add("derived OnEditChange"); }
    void OnEditCommand() { m_log.Add("derived OnEditCommand"); }
    bool OnDerivedTimer(WParam wParam, LParam, LResult* result) {
        m_log.Add("derived OnTimer " + std::to_string(wParam));
        *result = 3;
        return !m_bDeclineTimer;
    }
    LResult OnRegistered(WParam, LParam lParam) {
        m_log.Add("derived OnRegistered");
        return lParam * 2;
    }
    void OnHelp(WParam, LParam) { m_log.Add("derived OnHelp"); }

    static const MessageMapEntry s_messageEntries[];
};

const MessageMapEntry CDerivedTestWnd::s_messageEntries[] = {
    CommandEntry<&CDerivedTestWnd::OnDerivedShared>(IDC_SHARED),
    NotifyEntry<&CDerivedTestWnd::OnEditChange>(EN_CHANGE, IDC_EDIT),
    CommandEntry<&CDerivedTestWnd::OnEditCommand>(IDC_EDIT),
    MessageEntry<&CDerivedTestWnd::OnDerivedTimer>(WM_TIMER),
    RegisteredMessageEntry<&CDerivedTestWnd::OnRegistered>(&g_nTestRegisteredMsg),
    MessageEntry<&CDerivedTestWnd::OnHelp>(WM_HELP),
};

const MessageMap* CDerivedTestWnd::GetMessageMap() const {
    return ChainMessageMap<CBaseTestWnd, s_messageEntries>(*this);
}

class MessageMapFixture : public ::testing::Test {
protected:
    bool Send(std::uint32_t message, WParam wParam, LParam lParam, LResult* result) {
        return m_wnd.HandleMessage(WINDOW, message, wParam, lParam, result);
    }

    FakeWindows m_windows;
    CCallLog m_log;
    CDerivedTestWnd m_wnd{m_windows, m_log};
    LResult m_result = -1;
};

constexpr std::uint32_t REGISTERED = 0xC123;
constexpr LParam REGISTERED_PARAM = 21;
constexpr LResult NOT_HANDLED = -99;
enum Scene { PLAIN, DECLINE_TIMER, KNOWN_NUMBER };

const WParam SHARED_CLICK = CommandParam(IDC_SHARED, BN_CLICKED);
const WParam BASE_ONLY = CommandParam(IDC_BASE_ONLY, 0);
const WParam EDIT_CHANGE = CommandParam(IDC_EDIT, EN_CHANGE);
const WParam EDIT_COMMAND = CommandParam(IDC_EDIT, 0);
const WParam EDIT_FOCUS = CommandParam(IDC_EDIT, 0x0100); // EN_SETFOCUS
const WParam SELCHANGE = CommandParam(IDC_SHARED, CBN_SELCHANGE);

std::string Default(std::uint32_t message, WParam wParam) {
    return "DefWindowProc " + Hex(message, 4) + " " + std::to_string(wParam);
}

// One message sent to the derived window: its result (or NOT_HANDLED), and what ran.
struct RouteCase : NamedRow {
    std::uint32_t message;
    WParam wParam;
    Scene scene;
    LResult result;
    std::vector<std::string> ran;
};

const RouteCase ROUTES[] = {
    {{"derived before base"}, WM_COMMAND, SHARED_CLICK, PLAIN, 0, {"derived OnShared"}},
    {{"base for what derived lacks"}, WM_COMMAND, BASE_ONLY, PLAIN, 0, {"base OnBaseOnly"}},
    {{"notify entry by its code"}, WM_COMMAND, EDIT_CHANGE, PLAIN, 0, {"derived OnEditChange"}},
    {{"command entry by code zero"}, WM_COMMAND, EDIT_COMMAND, PLAIN, 0, {"derived OnEditCommand"}},
    {{"another code"}, WM_COMMAND, EDIT_FOCUS, PLAIN, NOT_HANDLED, {Default(WM_COMMAND, EDIT_FOCUS)}},
    {{"a code to a command"}, WM_COMMAND, SELCHANGE, PLAIN, NOT_HANDLED, {Default(WM_COMMAND, SELCHANGE)}},
    {{"a handler's result"}, WM_TIMER, 5, PLAIN, 3, {"derived OnTimer 5"}},
    {{"a declining handler"}, WM_TIMER, 5, DECLINE_TIMER, 7, {"derived OnTimer 5", "base OnTimer 5"}},
    {{"a void handler"}, WM_HELP, 0, PLAIN, 0, {"derived OnHelp"}},
    {{"a registered number unknown"}, REGISTERED, 0, PLAIN, NOT_HANDLED, {Default(REGISTERED, 0)}},
    {{"a registered number known"}, REGISTERED, 0, KNOWN_NUMBER, 42, {"derived OnRegistered"}},
    {{"an unmapped message"}, WM_PAINT, 0, PLAIN, NOT_HANDLED, {Default(WM_PAINT, 0)}},
};
using MessageRouting = TableTest<MessageMapFixture, RouteCase>;

} // namespace

TEST_P(MessageRouting, ReachesTheFirstMatchingEntryDerivedBeforeBaseOrDefWindowProc) {
    const RouteCase& c = GetParam();
    g_nTestRegisteredMsg = c.scene == KNOWN_NUMBER ? REGISTERED : 0;
    m_wnd.m_bDeclineTimer = c.scene == DECLINE_TIMER;

    EXPECT_EQ(Send(c.message, c.wParam, REGISTERED_PARAM, &m_result), c.result != NOT_HANDLED);
    if (c.result != NOT_HANDLED) {
        EXPECT_EQ(m_result, c.result);
    }
    EXPECT_TRUE(SequenceMatches(m_log, c.ran));
}
INSTANTIATE_TEST_SUITE_P(Rows, MessageRouting, ::testing::ValuesIn(ROUTES), RowName());

TEST_F(MessageMapFixture, FirstMessageAttachesTheWindowAndNcDestroyDetachesIt) {
    EXPECT_EQ(m_wnd.m_hWnd, 0u);
    Send(WM_PAINT, 0, 0, &m_result);
    EXPECT_EQ(m_wnd.m_hWnd, WINDOW);
    Send(WM_NCDESTROY, 0, 0, &m_result);
    EXPECT_EQ(m_wnd.m_hWnd, 0u);
    EXPECT_TRUE(m_windows.QuitCodes().empty()) << "only the main window ends the loop";
}

TEST(MessageMapEntry, CommandEntryComparesCodeAndIdentifier) {
    struct Case {
        std::uint32_t message;
        WParam wParam;
        bool matches;
    };
    const MessageMapEntry entry{WM_COMMAND, 0, 1009, nullptr, nullptr};
    const Case cases[] = {
        {WM_COMMAND, 1009, true},
        {WM_COMMAND, CommandParam(1009, 1), false},
        {WM_COMMAND, 1010, false},
        {WM_SYSCOMMAND, 1009, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MessageMapEntryMatches(entry, c.message, c.wParam), c.matches)
            << "message " << Hex(c.message) << " wParam " << Hex(c.wParam);
    }
}

TEST(MessageMapEntry, MessageEntryMatchesAnyParameters) {
    const MessageMapEntry entry{WM_TIMER, ANY_CODE, ANY_ID, nullptr, nullptr};
    EXPECT_TRUE(MessageMapEntryMatches(entry, WM_TIMER, 0));
    EXPECT_TRUE(MessageMapEntryMatches(entry, WM_TIMER, 0xFFFF0001));
    EXPECT_FALSE(MessageMapEntryMatches(entry, WM_HOTKEY, 1));
}
