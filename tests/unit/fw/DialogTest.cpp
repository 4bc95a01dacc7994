// CDialog: modeless creation, the framework's own modal loop and the life of the window.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FormDialog.h"
#include "fakes/FakeTimers.h"
#include "fakes/FakeUser.h"
#include "fakes/FakeWindows.h"
#include "fw/Dialog.h"
#include "fw/WinApp.h"
#include "unit/TableRows.h"

namespace {

constexpr std::uint32_t IDD_MAIN = 600;
constexpr int IDC_START = 1009;
constexpr std::uintptr_t IDT_TICK = 1;
constexpr std::uint32_t WM_FAILING = WM_USER;

// A main window that counts its timer ticks and is destroyed by Escape, as the program's is.
class CMainTestDlg : public CDialog {
public:
    explicit CMainTestDlg(const WindowPorts& windows) : CDialog(IDD_MAIN, nullptr, windows) {}

    const MessageMap* GetMessageMap() const override;
    void OnCancel() override { DestroyWindow(); }

    int m_nTicks = 0;

private:
    void OnTimerMessage(WParam, LParam) { ++m_nTicks; }
    void OnFailingMessage(WParam, LParam) { throw std::out_of_range("list position 7"); }

    static const MessageMapEntry s_messageEntries[];
};

const MessageMapEntry CMainTestDlg::s_messageEntries[] = {
    MessageEntry<&CMainTestDlg::OnTimerMessage>(WM_TIMER),
    MessageEntry<&CMainTestDlg::OnFailingMessage>(WM_FAILING),
};

const MessageMap* CMainTestDlg::GetMessageMap() const {
    return ChainMessageMap<CDialog, s_messageEntries>(*this);
}

class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_windows.AddDialogTemplate(IDD_FORM, FormTemplate());
        FakeDialogTemplate mainTemplate{L"Tapwell",
                                        {FakeControl::PushButton(IDC_START, L"&Start KeyPressing")}};
        mainTemplate.visible = true;
        m_windows.AddDialogTemplate(IDD_MAIN, mainTemplate);
        ASSERT_TRUE(m_main.Create());
    }

    FakeWindows m_windows;
    FakeUser m_user{m_windows};
    CMainTestDlg m_main{m_windows};
};

} // namespace

TEST_F(DialogFixture, ModalDialogIsShownOverItsDisabledParentAndGoesWithTheLoopsResult) {
    CFormDialog form(&m_main, m_windows);
    WindowHandle dialog = 0;
    bool parentEnabledDuringLoop = true;
    m_windows.QueueUserAction([&] {
        dialog = form.m_hWnd;
        EXPECT_TRUE(m_windows.IsWindowVisible(dialog));
        parentEnabledDuringLoop = m_windows.IsWindowEnabled(m_main.m_hWnd);
        EXPECT_FALSE(m_user.Click(IDC_START, m_main.m_hWnd)) << "the main dialog cannot be used meanwhile";
        EXPECT_TRUE(m_user.SetText(IDC_MINUTES, L"5"));
        EXPECT_TRUE(m_user.Click(IDOK));
    });

    EXPECT_EQ(form.DoModal(), static_cast<LResult>(IDOK));
    EXPECT_EQ(form.m_nMinutes, 5);
    EXPECT_EQ(m_windows.RanDryCount(), 0) << "the loop must end through EndDialog";
    EXPECT_FALSE(parentEnabledDuringLoop);
    EXPECT_TRUE(m_windows.IsWindowEnabled(m_main.m_hWnd));
    EXPECT_EQ(m_windows.ActiveWindow(), m_main.m_hWnd) << "the parent must be enabled before the dialog goes";
    EXPECT_FALSE(m_windows.IsWindow(dialog));
    EXPECT_EQ(form.m_hWnd, 0u);
}

TEST_F(DialogFixture, InvalidFormOnOKKeepsTheDialogOpenAfterOnePrompt) {
    CFormDialog form(&m_main, m_windows);
    bool openAfterOK = false;
    m_windows.QueueUserAction([&] {
        m_user.Clear(IDC_SECONDS);
        m_user.Click(IDOK);
    });
    m_windows.QueueUserAction([&] {
        openAfterOK = m_windows.IsWindow(form.m_hWnd) && m_windows.IsWindowVisible(form.m_hWnd);
        EXPECT_TRUE(m_windows.HasFocus(form.m_hWnd, IDC_SECONDS));
        m_user.Click(IDCANCEL);
    });

    EXPECT_EQ(form.DoModal(), static_cast<LResult>(IDCANCEL));
    EXPECT_TRUE(openAfterOK);
    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_windows.MessageBoxes()[0].text, L"Enter an integer.");
}

namespace {

// The ways a user ends a modal dialog after typing 12 into the seconds, which held 30.
struct EndCase : NamedRow {
    void (*act)(FakeUser& user);
    LResult result;
};
using DialogEnd = TableTest<DialogFixture, EndCase>;

const EndCase END_CASES[] = {
    {{"Enter runs the default button"}, [](FakeUser& user) { user.PressKey(VK_RETURN); }, IDOK},
    {{"Cancel"}, [](FakeUser& user) { user.Click(IDCANCEL); }, IDCANCEL},
    {{"Escape"}, [](FakeUser& user) { user.PressKey(VK_ESCAPE); }, IDCANCEL},
    {{"the close box"}, [](FakeUser& user) { user.CloseBox(); }, IDCANCEL},
};

} // namespace

TEST_P(DialogEnd, OKReadsTheFormAndEveryOtherWayLeavesTheMembersAsTheyWere) {
    CFormDialog form(&m_main, m_windows);
    form.m_nSeconds = 30;
    m_windows.QueueUserAction([&] {
        m_user.SetText(IDC_SECONDS, L"12");
        GetParam().act(m_user);
    });

    EXPECT_EQ(form.DoModal(), GetParam().result);
    EXPECT_EQ(form.m_nSeconds, GetParam().result == IDOK ? 12 : 30);
    EXPECT_EQ(m_windows.RanDryCount(), 0);
}
INSTANTIATE_TEST_SUITE_P(Ways, DialogEnd, ::testing::ValuesIn(END_CASES), RowName());

TEST_F(DialogFixture, MainWindowTimerIsDispatchedWhileTheModalLoopRuns) {
    FakeTimers timers(m_windows);
    timers.SetTimer(m_main.m_hWnd, IDT_TICK, 100);
    CFormDialog form(&m_main, m_windows);
    int ticksSeenInLoop = -1;
    m_windows.QueueUserAction([&] { EXPECT_TRUE(timers.Elapse(m_main.m_hWnd, IDT_TICK)); });
    m_windows.QueueUserAction([&] {
        ticksSeenInLoop = m_main.m_nTicks;
        m_user.Click(IDCANCEL);
    });

    form.DoModal();

    EXPECT_EQ(ticksSeenInLoop, 1);
}

TEST_F(DialogFixture, QuitInsideTheModalLoopEndsItAndIsPostedAgain) {
    CFormDialog form(&m_main, m_windows);
    m_windows.QueueUserAction([&] { m_windows.PostQuitMessage(3); });

    EXPECT_EQ(form.DoModal(), static_cast<LResult>(IDCANCEL));
    EXPECT_EQ(form.m_hWnd, 0u);
    EXPECT_TRUE(m_windows.IsWindowEnabled(m_main.m_hWnd));
    Msg msg;
    EXPECT_FALSE(m_windows.GetMessage(&msg));
    EXPECT_EQ(msg.message, WM_QUIT) << "the outer loop must still see the quit";
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(DialogFixture, ParentThatWasAlreadyDisabledStaysDisabled) {
    m_windows.EnableWindow(m_main.m_hWnd, false);
    CFormDialog form(&m_main, m_windows);
    m_windows.QueueUserAction([&] { m_user.Click(IDCANCEL); });
    form.DoModal();
    EXPECT_FALSE(m_windows.IsWindowEnabled(m_main.m_hWnd));
}

TEST_F(DialogFixture, MissingTemplateReturnsMinusOneAndLeavesTheParentEnabled) {
    CDialog missing(9999, &m_main, m_windows);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_TRUE(m_windows.IsWindowEnabled(m_main.m_hWnd));
}

TEST_F(DialogFixture, EndDialogDuringInitialisationSkipsTheLoopAndNeverShowsTheDialog) {
    class CQuickDialog : public CFormDialog {
    public:
        using CFormDialog::CFormDialog;
        bool OnInitDialog() override {
            CFormDialog::OnInitDialog();
            EndDialog(7);
            return true;
        }
    };
    CQuickDialog quick(&m_main, m_windows);
    m_windows.Log().Clear();

    EXPECT_EQ(quick.DoModal(), 7);
    EXPECT_TRUE(m_windows.Log().Select({"ShowWindow"}).empty());
    EXPECT_EQ(m_windows.RanDryCount(), 0);
}

TEST_F(DialogFixture, ModelessDialogStartsAsTheTemplateSaysAndEndDialogHidesIt) {
    CFormDialog form(nullptr, m_windows);
    ASSERT_TRUE(form.Create());
    EXPECT_FALSE(m_windows.IsWindowVisible(form.m_hWnd)) << "template without WS_VISIBLE";
    EXPECT_EQ(m_windows.TextOf(form.m_hWnd, IDC_MINUTES), L"0") << "OnInitDialog loaded the controls";
    EXPECT_EQ(form.m_cbKeys.m_hWnd, m_windows.Control(form.m_hWnd, IDC_KEYS)) << "and bound them";

    form.ShowWindow(SW_SHOW);
    form.EndDialog(IDOK);
    EXPECT_TRUE(m_windows.IsWindow(form.m_hWnd));
    EXPECT_FALSE(m_windows.IsWindowVisible(form.m_hWnd));
}

TEST_F(DialogFixture, DestroyingTheObjectDestroysItsWindow) {
    WindowHandle window = 0;
    {
        CFormDialog form(nullptr, m_windows);
        ASSERT_TRUE(form.Create());
        window = form.m_hWnd;
    }
    EXPECT_FALSE(m_windows.IsWindow(window));
}

TEST_F(DialogFixture, OnlyDestroyingTheCurrentMainWindowPostsQuitWithExitCodeZero) {
    CWinApp app(m_windows, m_windows);
    CFormDialog other(nullptr, m_windows);
    ASSERT_TRUE(other.Create());
    app.SetMainWindow(&other);
    app.SetMainWindow(&m_main);

    other.DestroyWindow();
    EXPECT_TRUE(m_windows.QuitCodes().empty()) << "a window that is no longer the main one ends nothing";

    m_main.DestroyWindow();
    EXPECT_EQ(m_windows.QuitCodes(), std::vector<int>{0});
}

TEST_F(DialogFixture, AHandlerThatThrowsIsReportedInOneBoxAndTheWindowGoesOn) {
    const WindowHandle main = m_main.m_hWnd;
    m_windows.DuringNextMessageBox([&] { m_windows.Deliver(main, WM_FAILING, 0, 0); });
    m_windows.Deliver(main, WM_FAILING, 0, 0);
    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_windows.MessageBoxes()[0].text,
              L"Tapwell by Tovrin met an unexpected error and has stopped what it was doing.\n\nWhat failed: "
              L"list position 7 (window message 0x0400).");
    m_windows.Deliver(main, WM_TIMER, IDT_TICK, 0);
    EXPECT_EQ(m_main.m_nTicks, 1);
}
