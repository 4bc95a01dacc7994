// The target window selector, with the real pointer: the sight dragged onto Wine's notepad picks it,
// and runs then post their keys into notepad's Edit while another window has the focus. A stale target
// makes Start open the selector, and the run goes on with what it stores on OK.
#include <windows.h>

#include <algorithm>
#include <string>

#include "Polling.h"
#include "RecorderLog.h"
#include "RemoteMessages.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "UserMouse.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {
const DWORD STALE_HANDLE = 0x1234;
// Tapwell's windows open at the top left corner; the targets go where none of them covers.
const RECT NOTEPAD_PLACE = {640, 480, 1240, 880};
const RECT RECORDER_PLACE = {700, 40, 1180, 360};
// Pixels above notepad's Edit that lie on its menu bar.
const int MENU_BAR_ABOVE_EDIT = 8;
// A character the runs never type, posted into notepad's Edit to learn when it has caught up.
const wchar_t MARK = L'#';
const DWORD DIALOG_TIMEOUT_MS = 10000;
const DWORD DRAG_TIMEOUT_MS = 5000;
const DWORD DRAG_STEP_TIMEOUT_MS = 1000;
const int DRAG_JIGGLES = 4;

bool Place(HWND hWnd, const RECT& place) {
    SetWindowPos(hWnd, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return WaitUntil(
        [&] {
            RECT rect = {};
            return GetWindowRect(hWnd, &rect) && EqualRect(&rect, &place);
        },
        DIALOG_TIMEOUT_MS);
}

BOOL CALLBACK CountWindow(HWND, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

int CountDescendants(HWND hWnd) {
    int nCount = 0;
    EnumChildWindows(hWnd, CountWindow, reinterpret_cast<LPARAM>(&nCount));
    return nCount;
}

// What the selector's description field says about a window.
std::wstring DescriptionOf(HWND hWnd) {
    RECT rect = {};
    GetWindowRect(hWnd, &rect);
    return WindowText(hWnd) + L", " + WindowClass(hWnd) + L", Width = " +
           std::to_wstring(rect.right - rect.left) + L", Height = " +
           std::to_wstring(rect.bottom - rect.top) + L", Control(s) : " +
           std::to_wstring(CountDescendants(hWnd));
}

// Notepad's menu bar, just above the Edit: a point of the frame itself, outside every child.
POINT OnFrameOf(const CTargetWindow& target) {
    RECT edit = {};
    GetWindowRect(target.Edit(), &edit);
    return POINT{(edit.left + edit.right) / 2, edit.top - MENU_BAR_ABOVE_EDIT};
}

// The Edit's text once it has handled every message queued for it. The keys posted before are
// handled before a first mark; the characters they were translated into were queued behind that
// mark, and are handled before a second one.
std::wstring SettledText(const CTargetWindow& target) {
    const auto CountMarks = [&target] {
        const std::wstring strText = target.EditText();
        return std::count(strText.begin(), strText.end(), MARK);
    };
    const auto nMarksBefore = CountMarks();
    for (int nMark = 1; nMark <= 2; ++nMark) {
        PostMessageW(target.Edit(), WM_CHAR, MARK, 0);
        WaitUntil([&] { return CountMarks() == nMarksBefore + nMark; }, RUN_TIMEOUT_MS);
    }
    std::wstring strText = target.EditText();
    strText.erase(std::remove(strText.begin(), strText.end(), MARK), strText.end());
    return strText;
}

class TargetSelector : public CTapwellCase {
protected:
    // Tapwell set to press the letter key five times, and notepad placed apart.
    void StartTapwellAndNotepad() {
        m_pTapwell = m_driver.StartTapwell();
        ASSERT_NE(m_pTapwell, nullptr);
        ASSERT_TRUE(m_pTapwell->FillInRun(KEY_LETTER_A, L"50", L"5"));
        m_pNotepad = m_driver.StartNotepad();
        ASSERT_NE(m_pNotepad, nullptr);
        ASSERT_TRUE(Place(m_pNotepad->Frame(), NOTEPAD_PLACE));
    }

    // Clicks the main window's button and waits for the selector it opens; its Window() is nullptr
    // when none opens.
    CDialogRemote OpenSelector(int nButton) {
        EXPECT_EQ(m_pTapwell->Form().StartClick(nButton), ActionResult::Done);
        return m_pTapwell->WaitForDialog(SELECTOR_CAPTION, DIALOG_TIMEOUT_MS);
    }

    // Presses the left button on the sight and waits until the drag has begun, which the sight shows
    // by losing its cross-hairs.
    static void PressOnSight(const CDialogRemote& selector) {
        HWND hSight = selector.Control(IDC_SIGHT);
        const LRESULT hIdleIcon = AskWindow(hSight, STM_GETICON);
        ASSERT_TRUE(MovePointerTo(CenterOf(hSight)));
        ASSERT_TRUE(PressLeftButton(CenterOf(hSight)));
        ASSERT_TRUE(WaitUntil([&] { return AskWindow(hSight, STM_GETICON) != hIdleIcon; }, DRAG_TIMEOUT_MS))
            << "the drag has not begun";
    }

    // Drags the sight onto notepad's frame and lets go there, which chooses "Selected Window".
    static void DropOntoNotepad(const CDialogRemote& selector, const CTargetWindow& notepad) {
        ASSERT_TRUE(DragOnto(selector, OnFrameOf(notepad), notepad.Frame()));
        ASSERT_TRUE(ReleaseLeftButton(OnFrameOf(notepad)));
        ASSERT_TRUE(
            WaitUntil([&] { return selector.IsChecked(IDC_RECEIVER_SELECTED_WINDOW); }, DRAG_TIMEOUT_MS));
        EXPECT_FALSE(selector.IsChecked(IDC_RECEIVER_ACTIVE_WINDOW));
    }

    // Drags the sight onto the point and waits until the selector describes the window there. Under
    // Wine the pointer has two sources, our input and the X server's pointer that every process
    // with a window under it reports back; now and then the capturing selector's last move is from
    // before the pointer came to rest. A hand would move the mouse a little: so does this.
    static bool DragOnto(const CDialogRemote& selector, POINT point, HWND hWnd) {
        const std::wstring strExpected = DescriptionOf(hWnd);
        const auto IsDescribed = [&] { return selector.Text(IDC_WINDOW_DESCRIPTION) == strExpected; };
        bool bDescribed = MovePointerAlong(point) && WaitUntil(IsDescribed, DRAG_STEP_TIMEOUT_MS);
        for (int nJiggle = 0; !bDescribed && nJiggle < DRAG_JIGGLES; ++nJiggle) {
            bDescribed = MovePointerTo(POINT{point.x + 1, point.y}) && MovePointerTo(point) &&
                         WaitUntil(IsDescribed, DRAG_STEP_TIMEOUT_MS);
        }
        EXPECT_TRUE(bDescribed) << "expected \"" << strExpected << "\", shown \""
                                << selector.Text(IDC_WINDOW_DESCRIPTION) << "\"";
        return bDescribed;
    }

    static void Close(CDialogRemote& selector, int nButton) {
        ASSERT_EQ(selector.Click(nButton), ActionResult::Done);
        HWND hSelector = selector.Window();
        ASSERT_TRUE(WaitUntil([hSelector] { return !IsWindow(hSelector); }, DIALOG_TIMEOUT_MS));
    }

    CTapwellInstance* m_pTapwell = nullptr;
    CTargetWindow* m_pNotepad = nullptr;
};
} // namespace

TEST_F(TargetSelector, TheSightDraggedOntoNotepadPicksItForRunsThatTypeIntoItsEditBehindTheFocusedRecorder) {
    ASSERT_NO_FATAL_FAILURE(StartTapwellAndNotepad());
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_NE(pRecorder, nullptr);
    ASSERT_TRUE(Place(pRecorder->Frame(), RECORDER_PLACE));
    CDialogRemote selector = OpenSelector(IDC_TARGET);
    ASSERT_NE(selector.Window(), nullptr);
    EXPECT_FALSE(selector.IsEnabled(IDC_SEND_TO_FIRST_EDIT));

    // While the sight is dragged, the description and the first-edit option follow the window under it.
    ASSERT_NO_FATAL_FAILURE(PressOnSight(selector));
    ASSERT_TRUE(DragOnto(selector, OnFrameOf(*m_pNotepad), m_pNotepad->Frame()));
    EXPECT_TRUE(selector.IsEnabled(IDC_SEND_TO_FIRST_EDIT));
    ASSERT_TRUE(DragOnto(selector, CenterOf(m_pNotepad->Edit()), m_pNotepad->Edit()));
    EXPECT_FALSE(selector.IsEnabled(IDC_SEND_TO_FIRST_EDIT));
    ASSERT_NO_FATAL_FAILURE(DropOntoNotepad(selector, *m_pNotepad));
    ASSERT_EQ(selector.Click(IDC_SEND_TO_FIRST_EDIT), ActionResult::Done);
    ASSERT_EQ(selector.Click(IDC_SEND_CHARS), ActionResult::Done);
    ASSERT_NO_FATAL_FAILURE(Close(selector, IDOK));

    const DWORD nNotepad = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(m_pNotepad->Frame()));
    EXPECT_EQ(ReadSeekedWindow(SECTION_FIRST_INSTANCE), nNotepad);
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"SendKeysToActiveWindow"), DWORD{0});
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"SendKeysToFirstEditOfSelectedWindow"), DWORD{1});
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"SendChars"), DWORD{1});
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"SendKeyUps"), DWORD{0});
    ASSERT_TRUE(pRecorder->Focus());

    // Characters: the key's code as a character, a capital letter.
    ASSERT_EQ(m_pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);
    ASSERT_TRUE(m_pTapwell->WaitForStatus(L"Keyed 5 Times", RUN_TIMEOUT_MS));
    EXPECT_EQ(SettledText(*m_pNotepad), L"AAAAA");

    EXPECT_TRUE(pRecorder->HasFocus());
    EXPECT_TRUE(ReadRecorderLog(m_driver.RecorderLogPath()).empty());
}

TEST_F(TargetSelector, AStaleTargetMakesStartOpenTheSelectorAndCancelAfterADragChangesNothing) {
    ASSERT_TRUE(WriteSeekedWindow(SECTION_FIRST_INSTANCE, STALE_HANDLE));
    ASSERT_TRUE(WriteProfileDword(SECTION_FIRST_INSTANCE, L"SendKeysToActiveWindow", 0));
    ASSERT_TRUE(WriteProfileDword(SECTION_FIRST_INSTANCE, L"SendChars", 1));
    ASSERT_NO_FATAL_FAILURE(StartTapwellAndNotepad());
    const std::wstring strStatus = m_pTapwell->Form().Text(IDC_STATUS);

    CDialogRemote selector = OpenSelector(IDC_START_KEYPRESSING);

    ASSERT_NE(selector.Window(), nullptr);
    ASSERT_NO_FATAL_FAILURE(PressOnSight(selector));
    ASSERT_NO_FATAL_FAILURE(DropOntoNotepad(selector, *m_pNotepad));
    ASSERT_NO_FATAL_FAILURE(Close(selector, IDCANCEL));
    // Answered only once the start the click began has finished.
    AskWindow(m_pTapwell->MainWindow(), WM_NULL);

    EXPECT_EQ(ReadSeekedWindow(SECTION_FIRST_INSTANCE), STALE_HANDLE);
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"SendKeysToActiveWindow"), DWORD{0});
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"SendChars"), DWORD{1});
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"SendKeysToFirstEditOfSelectedWindow"), std::nullopt);
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"SendKeyUps"), std::nullopt);
    EXPECT_TRUE(m_pTapwell->IsIdle());
    EXPECT_EQ(m_pTapwell->Form().Text(IDC_STATUS), strStatus);
    EXPECT_EQ(SettledText(*m_pNotepad), L"");
}

TEST_F(TargetSelector, AStaleTargetMakesStartOpenTheSelectorAndActiveWindowWithOkGoesOnWithTheRun) {
    ASSERT_TRUE(WriteSeekedWindow(SECTION_FIRST_INSTANCE, STALE_HANDLE));
    ASSERT_TRUE(WriteProfileDword(SECTION_FIRST_INSTANCE, L"SendKeysToActiveWindow", 0));
    m_pTapwell = m_driver.StartTapwell();
    ASSERT_TRUE(m_pTapwell && m_pTapwell->FillInRun(KEY_LETTER_A, L"50", L"0"));
    // The focus goes back to this button when the selector closes: the presses that come before the
    // recorder has it again type nothing there, where the modifier list would take them for "Alt".
    ASSERT_EQ(m_pTapwell->Form().Click(IDC_REFRESH_KEYS), ActionResult::Done);
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_NE(pRecorder, nullptr);

    CDialogRemote selector = OpenSelector(IDC_START_KEYPRESSING);
    ASSERT_NE(selector.Window(), nullptr);
    ASSERT_EQ(selector.Click(IDC_RECEIVER_ACTIVE_WINDOW), ActionResult::Done);
    ASSERT_NO_FATAL_FAILURE(Close(selector, IDOK));

    ASSERT_TRUE(pRecorder->Focus());
    EXPECT_TRUE(WaitUntil(
        [&] { return CountMessages(ReadRecorderLog(m_driver.RecorderLogPath()), WM_CHAR, L'a') >= 3; },
        RUN_TIMEOUT_MS));
    EXPECT_EQ(ReadProfileDword(SECTION_FIRST_INSTANCE, L"SendKeysToActiveWindow"), DWORD{1});
    ASSERT_EQ(m_pTapwell->Form().Click(IDC_STOP_KEYPRESSING), ActionResult::Done);
}
