// A picked window is known by what it is: a stored handle that now names another program's window
// gets no keys, and the picked program started anew is found by its program, class and title.
#include "MessageBoxes.h"
#include "Polling.h"
#include "RecorderLog.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {

bool WriteText(const wchar_t* pName, const std::wstring& strText) {
    const BYTE* pBytes = reinterpret_cast<const BYTE*>(strText.c_str());
    return WriteRawValue(SECTION_FIRST_INSTANCE, pName,
                         RawValue{REG_SZ, std::vector<BYTE>(pBytes, pBytes + (strText.size() + 1) * 2)});
}

std::wstring ProgramOf(HWND hWnd) {
    DWORD nProcessId = 0;
    GetWindowThreadProcessId(hWnd, &nProcessId);
    const HANDLE hProcess = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, nProcessId);
    wchar_t szPath[MAX_PATH] = {};
    DWORD nLength = MAX_PATH;
    QueryFullProcessImageNameW(hProcess, 0, szPath, &nLength);
    CloseHandle(hProcess);
    return szPath;
}

class PickedWindow : public CTapwellCase {};

} // namespace

TEST_F(PickedWindow, AReusedHandleGetsNoKeysAndTheRestartedProgramIsFoundAgain) {
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    CTargetWindow* pNotepad = m_driver.StartNotepad();
    ASSERT_TRUE(pRecorder != nullptr && pNotepad != nullptr);
    // The recorder as the selector stores it, but its handle now names notepad's window.
    ASSERT_TRUE(WriteProfileDword(SECTION_FIRST_INSTANCE, L"SendKeysToActiveWindow", 0) &&
                WriteText(L"TargetWindowProgram", ProgramOf(pRecorder->Frame())) &&
                WriteText(L"TargetWindowClass", RECORDER_CLASS) &&
                WriteText(L"TargetWindowName", WindowText(pRecorder->Frame())) &&
                WriteSeekedWindow(SECTION_FIRST_INSTANCE,
                                  static_cast<DWORD>(reinterpret_cast<UINT_PTR>(pNotepad->Frame()))));
    ASSERT_TRUE(PostMessageW(pRecorder->Frame(), WM_CLOSE, 0, 0));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(pRecorder->Frame()); }, EXIT_TIMEOUT_MS));
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_TRUE(pTapwell != nullptr && pTapwell->FillInRun(KEY_LETTER_A, L"50", L"5"));

    for (const wchar_t* pScript : {L"", L"/start"}) {
        if (*pScript == 0) {
            ASSERT_EQ(pTapwell->Form().StartClick(IDC_START_KEYPRESSING), ActionResult::Done);
        } else {
            ASSERT_NE(m_driver.LaunchTapwell(pScript), nullptr);
        }
        const HWND hBox = pTapwell->WaitForMessageBox(RUN_TIMEOUT_MS);
        ASSERT_NE(hBox, nullptr) << "waiting for the recorder is said";
        EXPECT_NE(MessageBoxText(hBox).find(L".exe"), std::wstring::npos) << "it names the program";
        ASSERT_TRUE(pTapwell->AnswerMessageBox(hBox, IDOK));
        EXPECT_EQ(pNotepad->EditText(), L"") << pScript;
    }

    ASSERT_NE(m_driver.StartRecorder(), nullptr);
    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);
    ASSERT_TRUE(pTapwell->WaitForStatus(L"Keyed 5 Times", RUN_TIMEOUT_MS));
    // Posted without key-ups, as stored by default.
    EXPECT_TRUE(WaitUntil(
        [&] { return CountMessages(ReadRecorderLog(m_driver.RecorderLogPath()), WM_KEYDOWN, 'A') == 5; },
        RUN_TIMEOUT_MS));
    EXPECT_EQ(pNotepad->EditText(), L"");
}

TEST_F(PickedWindow, FirstEditOfWordpadIsItsTextNotAComboBoxField) {
    CTargetWindow* pWordpad = m_driver.StartWordpad();
    ASSERT_NE(pWordpad, nullptr);
    // As the selector stores wordpad's frame with "first edit" and "send chars" checked.
    for (const wchar_t* pOption : {L"SendKeysToFirstEditOfSelectedWindow", L"SendChars"}) {
        ASSERT_TRUE(WriteProfileDword(SECTION_FIRST_INSTANCE, pOption, 1));
    }
    ASSERT_TRUE(WriteProfileDword(SECTION_FIRST_INSTANCE, L"SendKeysToActiveWindow", 0) &&
                WriteSeekedWindow(SECTION_FIRST_INSTANCE,
                                  static_cast<DWORD>(reinterpret_cast<UINT_PTR>(pWordpad->Frame()))));
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_TRUE(pTapwell != nullptr && pTapwell->FillInRun(KEY_LETTER_A, L"50", L"10"));
    ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);
    ASSERT_TRUE(pTapwell->WaitForStatus(L"Keyed 10 Times", RUN_TIMEOUT_MS));
    // The key code stands in for the character: the letter key types capitals.
    EXPECT_TRUE(WaitUntil([&] { return pWordpad->EditText() == L"AAAAAAAAAA"; }, RUN_TIMEOUT_MS))
        << "wordpad's text: " << std::string(pWordpad->EditText().begin(), pWordpad->EditText().end());
}
