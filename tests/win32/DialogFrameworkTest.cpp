// The dialog framework on real windows: the dialog procedure's routing and result conventions,
// the modal loop with the main window's timer, the application loop and its end.
#include "platform/win32/Win32Sdk.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DialogFrameworkTest.h"
#include "fw/DataExchange.h"
#include "fw/Dialog.h"
#include "fw/Edit.h"
#include "fw/WinApp.h"
#include "platform/win32/Win32Timers.h"
#include "platform/win32/Win32Windows.h"

namespace {

constexpr UINT WM_TEST_QUERY = WM_APP + 1;
constexpr UINT_PTR IDT_MAIN_TICK = 1;
constexpr UINT_PTR IDT_GUARD = 99;
constexpr LResult GUARD_RESULT = -2;

HWND Hwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

std::wstring TextOf(HWND window) {
    wchar_t buffer[64] = {};
    GetWindowTextW(window, buffer, 64);
    return buffer;
}

class CTestMainDlg : public CDialog {
public:
    explicit CTestMainDlg(const WindowPorts& windows)
        : CDialog(IDD_FW_MAIN, nullptr, windows), m_edit(windows) {}

    const MessageMap* GetMessageMap() const override;

    bool WindowProc(std::uint32_t message, WParam wParam, LParam lParam, LResult* result) override {
        m_messages.push_back(message);
        return CDialog::WindowProc(message, wParam, lParam, result);
    }
    bool OnInitDialog() override {
        m_hWndAtInit = m_hWnd;
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange& dx) override {
        dx.Control(IDC_FW_EDIT, m_edit);
        dx.Text(IDC_FW_EDIT, m_nValue);
    }
    void OnCancel() override { DestroyWindow(); }

    std::vector<std::uint32_t> m_messages;
    WindowHandle m_hWndAtInit = 0;
    CEdit m_edit;
    int m_nValue = 42;
    int m_nStartClicks = 0;
    int m_nEditChanges = 0;
    LResult m_nDragIcon = 0;
    std::function<void()> m_onTick;

private:
    void OnStart() { ++m_nStartClicks; }
    void OnEditChange() { ++m_nEditChanges; }
    LResult OnQueryDragIcon(WParam, LParam) { return m_nDragIcon; }
    LResult OnTestQuery(WParam, LParam lParam) { return lParam + 1; }
    void OnTimerMessage(WParam id, LParam) {
        if (id == IDT_MAIN_TICK && m_onTick) {
            m_onTick();
        }
    }

    static const MessageMapEntry s_messageEntries[];
};

const MessageMapEntry CTestMainDlg::s_messageEntries[] = {
    CommandEntry<&CTestMainDlg::OnStart>(IDC_FW_START),
    NotifyEntry<&CTestMainDlg::OnEditChange>(EN_CHANGE, IDC_FW_EDIT),
    MessageEntry<&CTestMainDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
    MessageEntry<&CTestMainDlg::OnTestQuery>(WM_TEST_QUERY),
    MessageEntry<&CTestMainDlg::OnTimerMessage>(WM_TIMER),
};

const MessageMap* CTestMainDlg::GetMessageMap() const {
    return ChainMessageMap<CDialog, s_messageEntries>(*this);
}

// A modal dialog that ends itself with GUARD_RESULT if nothing else ends it in time, so that a
// broken loop fails the test instead of hanging it.
class CTestChildDlg : public CDialog {
public:
    CTestChildDlg(CWnd* pParent, const WindowPorts& windows, ITimers& timers)
        : CDialog(IDD_FW_CHILD, pParent, windows), m_timers(timers) {}

    const MessageMap* GetMessageMap() const override;

    bool OnInitDialog() override {
        m_timers.SetTimer(m_hWnd, IDT_GUARD, 10000);
        if (m_nKeyToPost != 0) {
            // Arrives through the modal loop, as a key press of the user would.
            PostMessageW(Hwnd(GetDlgItem(IDC_FW_DELAY)), WM_KEYDOWN, m_nKeyToPost, 1);
        }
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange& dx) override { dx.Text(IDC_FW_DELAY, m_nDelay); }

    UINT m_nKeyToPost = 0;
    std::uint32_t m_nDelay = 10;

private:
    void OnTimerMessage(WParam id, LParam) {
        if (id == IDT_GUARD) {
            EndDialog(GUARD_RESULT);
        }
    }

    ITimers& m_timers;
    static const MessageMapEntry s_messageEntries[];
};

const MessageMapEntry CTestChildDlg::s_messageEntries[] = {
    MessageEntry<&CTestChildDlg::OnTimerMessage>(WM_TIMER),
};

const MessageMap* CTestChildDlg::GetMessageMap() const {
    return ChainMessageMap<CDialog, s_messageEntries>(*this);
}

class DialogFramework : public ::testing::Test {
protected:
    // The main dialog stays hidden: without a window manager Wine waits two seconds for every
    // shown window to be withdrawn when it goes. The modal dialogs are shown by DoModal.
    void SetUp() override { ASSERT_TRUE(m_main.Create()); }

    CWin32Windows m_windows;
    CWin32Timers m_timers;
    CTestMainDlg m_main{m_windows};
};

} // namespace

TEST_F(DialogFramework, InitDialogComesFirstToTheAttachedWindowAndBindsAndLoadsTheControls) {
    ASSERT_FALSE(m_main.m_messages.empty());
    EXPECT_EQ(m_main.m_messages.front(), static_cast<std::uint32_t>(WM_INITDIALOG))
        << "messages before WM_INITDIALOG are the system's";
    EXPECT_NE(m_main.m_hWnd, 0u);
    EXPECT_EQ(m_main.m_hWndAtInit, m_main.m_hWnd);
    const HWND edit = GetDlgItem(Hwnd(m_main.m_hWnd), IDC_FW_EDIT);
    EXPECT_EQ(Hwnd(m_main.m_edit.m_hWnd), edit);
    EXPECT_EQ(TextOf(edit), L"42");
    EXPECT_EQ(m_main.m_nEditChanges, 0) << "EN_CHANGE from filling the edit must not reach the map";
}

TEST_F(DialogFramework, AClickAndAnEditChangeOutsideTheDataExchangeReachTheMap) {
    SendMessageW(GetDlgItem(Hwnd(m_main.m_hWnd), IDC_FW_START), BM_CLICK, 0, 0);
    EXPECT_EQ(m_main.m_nStartClicks, 1);
    const HWND edit = GetDlgItem(Hwnd(m_main.m_hWnd), IDC_FW_EDIT);
    SetWindowTextW(edit, L"7");
    EXPECT_EQ(m_main.m_nEditChanges, 1);

    m_main.m_nValue = 8;
    EXPECT_TRUE(m_main.UpdateData(LOAD_CONTROLS));
    EXPECT_EQ(TextOf(edit), L"8");
    EXPECT_EQ(m_main.m_nEditChanges, 1);

    SetWindowTextW(edit, L" 123 ");
    EXPECT_TRUE(m_main.UpdateData(SAVE_AND_VALIDATE));
    EXPECT_EQ(m_main.m_nValue, 123);
}

TEST_F(DialogFramework, ResultsTravelAsTheDialogProcedureConventionsSay) {
    const HWND main = Hwnd(m_main.m_hWnd);
    m_main.m_nDragIcon = 0x1234;
    EXPECT_EQ(SendMessageW(main, WM_QUERYDRAGICON, 0, 0), 0x1234) << "returned directly";
    EXPECT_EQ(SendMessageW(main, WM_TEST_QUERY, 0, 41), 42) << "through the dialog's result slot";
    EXPECT_EQ(SendMessageW(main, WM_GETTEXTLENGTH, 0, 0),
              static_cast<LRESULT>(std::wstring(L"Framework test").size()))
        << "the system's default processing";
}

TEST_F(DialogFramework, TextCarryingCallsRoundTrip) {
    const WindowHandle combo = m_main.GetDlgItem(IDC_FW_KEYS);
    const WindowHandle edit = m_main.GetDlgItem(IDC_FW_EDIT);
    EXPECT_EQ(m_windows.ComboAddString(combo, L"F1"), 0);
    EXPECT_EQ(m_windows.ComboAddString(combo, L"Num 0"), 1);
    EXPECT_EQ(m_windows.ComboGetItemText(combo, 1), L"Num 0");
    EXPECT_EQ(m_windows.ComboGetItemText(combo, 5), L"");

    EXPECT_TRUE(m_windows.SetWindowText(edit, L"\u00e9t\u00e9 12"));
    EXPECT_EQ(m_windows.GetWindowText(edit), L"\u00e9t\u00e9 12");
    EXPECT_EQ(m_windows.GetClassName(edit, 256), L"Edit");
    EXPECT_EQ(m_windows.GetClassName(edit, 3), L"Ed");
    EXPECT_EQ(m_windows.LoadString(IDS_APP_TITLE), L"" TAPWELL_APP_TITLE);
    EXPECT_EQ(m_windows.LoadString(12345), L"");
}

TEST_F(DialogFramework, MainWindowTimerIsDispatchedWhileAChildModalLoopRuns) {
    CTestChildDlg child(&m_main, m_windows, m_timers);
    int ticksWhileModal = 0;
    bool mainEnabledAtTick = true;
    WindowHandle childWindow = 0;
    m_main.m_onTick = [&] {
        if (child.m_hWnd == 0) {
            return;
        }
        childWindow = child.m_hWnd;
        mainEnabledAtTick = m_windows.IsWindowEnabled(m_main.m_hWnd);
        if (++ticksWhileModal == 3) {
            child.EndDialog(55);
        }
    };
    ASSERT_NE(m_timers.SetTimer(m_main.m_hWnd, IDT_MAIN_TICK, 10), 0u);

    const LResult result = child.DoModal();
    m_timers.KillTimer(m_main.m_hWnd, IDT_MAIN_TICK);

    EXPECT_EQ(result, 55);
    EXPECT_EQ(ticksWhileModal, 3);
    EXPECT_FALSE(mainEnabledAtTick) << "the parent is disabled while the modal dialog runs";
    EXPECT_TRUE(IsWindowEnabled(Hwnd(m_main.m_hWnd)));
    EXPECT_FALSE(IsWindow(Hwnd(childWindow)));
}

TEST_F(DialogFramework, EnterAndEscapeInTheModalLoopGoThroughDialogKeyboardHandling) {
    CTestChildDlg enter(&m_main, m_windows, m_timers);
    enter.m_nKeyToPost = VK_RETURN;
    enter.m_nDelay = 25;
    EXPECT_EQ(enter.DoModal(), static_cast<LResult>(IDOK));
    EXPECT_EQ(enter.m_nDelay, 25u) << "OnOK read the edit back";

    CTestChildDlg escape(&m_main, m_windows, m_timers);
    escape.m_nKeyToPost = VK_ESCAPE;
    EXPECT_EQ(escape.DoModal(), static_cast<LResult>(IDCANCEL));
}

namespace {

class CTestApp : public CWinApp {
public:
    explicit CTestApp(CWin32Windows& windows) : CWinApp(windows, windows), m_dlg(windows) {}

    bool InitInstance() override {
        if (!m_dlg.Create()) {
            return false;
        }
        SetMainWindow(&m_dlg);
        // Escape pressed in the main dialog: dialog keyboard handling turns it into IDCANCEL.
        PostMessageW(GetDlgItem(Hwnd(m_dlg.m_hWnd), IDC_FW_EDIT), WM_KEYDOWN, VK_ESCAPE, 1);
        return true;
    }

    CTestMainDlg m_dlg;
};

} // namespace

TEST(DialogFrameworkApp, RunEndsWithExitCodeZeroWhenTheMainWindowIsDestroyed) {
    CWin32Windows windows;
    CTestApp app(windows);
    EXPECT_EQ(app.WinMainBody(L":silent"), 0);
    EXPECT_EQ(app.m_strAppName, L"Tapwell by Tovrin");
    EXPECT_EQ(app.m_strCmdLine, L":silent");
    EXPECT_EQ(app.m_dlg.m_hWnd, 0u);
}
