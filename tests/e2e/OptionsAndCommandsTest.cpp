// The option dialogs and the side commands of the real program: each dialog stores on OK and keeps
// everything on Cancel, and the screenshot leaves a picture of the main window on the clipboard.
#include <windows.h>

#include "MessageBoxes.h"
#include "Polling.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "resource.h"

namespace {
const DWORD TIMEOUT_MS = 10000;
const wchar_t* const CLICK = nullptr;
const wchar_t SCREENSHOT_SENT[] =
    L"Screenshot of Tapwell by Tovrin has been Sent to Clipboard.\n\nYou can Press Ctrl + V in any Image "
    L"Editor, EMail Application, etc\n\nto Paste the Captured Screenshot.";

struct Change {
    int nId;
    const wchar_t* pszText; // CLICK: a click instead
};
struct DialogStory {
    const char* pszName;
    int nOpener; // a button of the main window, or a menu command
    const wchar_t* pszCaption;
    Change ok;     // made before OK
    Change cancel; // made before Cancel
    const wchar_t* pszSection;
    const wchar_t* pszValue;
    DWORD nStored;
};

// clang-format off
const DialogStory STORIES[] = {
    {"RandomDelay", IDC_RANDOM_DELAY, L"Random delay - Tapwell by Tovrin", {IDC_RANDOM_SECONDS, L"45"},
     {IDC_RANDOM_SECONDS, L"50"}, L"Settings 0", L"RandomClicksDelaySeconds", 45},
    {"SimulationMethod", ID_CONTEXT_SIMULATION_SETTINGS, L"Settings - Tapwell by Tovrin", {IDC_METHOD_NORMAL, CLICK},
     {IDC_METHOD_BRUTE, CLICK}, L"Settings", L"UseOldKeyInputMethod", 0},
    {"InstanceMode", ID_CONTEXT_INSTANCE_MODE, L"Instance Controller - Tapwell by Tovrin",
     {IDC_MULTIPLE_INSTANCES, CLICK}, {IDC_SINGLE_INSTANCE, CLICK}, L"Settings", L"UseSingleInstance", 0},
    {"RunOptions", ID_CONTEXT_RUN_OPTIONS, L"Run Options - Tapwell by Tovrin", {IDC_START_AFTER_SECONDS, L"5"},
     {IDC_START_AFTER_SECONDS, L"7"}, L"Settings 0", L"StartAfterSeconds", 5},
};
// clang-format on

void PrintTo(const DialogStory& story, std::ostream* out) {
    *out << story.pszName;
}

class OptionDialogStory : public CTapwellCase, public ::testing::WithParamInterface<DialogStory> {};
using SideCommands = CTapwellCase;

// The size of the device-independent picture on the clipboard; 0 x 0 when there is none.
SIZE ClipboardPictureSize() {
    SIZE size = {0, 0};
    if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, TIMEOUT_MS)) {
        return size;
    }
    HANDLE hData = GetClipboardData(CF_DIB);
    const auto* pHeader = hData ? static_cast<const BITMAPINFOHEADER*>(GlobalLock(hData)) : nullptr;
    if (pHeader) {
        size = {pHeader->biWidth, pHeader->biHeight < 0 ? -pHeader->biHeight : pHeader->biHeight};
        GlobalUnlock(hData);
    }
    CloseClipboard();
    return size;
}
} // namespace

TEST_P(OptionDialogStory, OkStoresTheChangeAndCancelKeepsIt) {
    const DialogStory& story = GetParam();
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);

    ASSERT_TRUE(pTapwell->UseDialog(story.nOpener, story.pszCaption, story.ok.nId, story.ok.pszText));
    EXPECT_EQ(ReadProfileDword(story.pszSection, story.pszValue), story.nStored);
    ASSERT_TRUE(pTapwell->UseDialog(story.nOpener, story.pszCaption, story.cancel.nId, story.cancel.pszText,
                                    IDCANCEL));
    EXPECT_EQ(ReadProfileDword(story.pszSection, story.pszValue), story.nStored);
    EXPECT_TRUE(IsWindowEnabled(pTapwell->MainWindow()));
}

INSTANTIATE_TEST_SUITE_P(Dialogs, OptionDialogStory, ::testing::ValuesIn(STORIES),
                         [](const ::testing::TestParamInfo<DialogStory>& info) {
                             return info.param.pszName;
                         });

TEST_F(SideCommands, TheScreenshotLeavesAPictureOfTheMainWindowOnTheClipboard) {
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_TRUE(pTapwell->Activate());
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());

    ASSERT_TRUE(PostMessageW(pTapwell->MainWindow(), WM_COMMAND, ID_CONTEXT_SCREENSHOT, 0));

    HWND hBox = pTapwell->WaitForMessageBox(TIMEOUT_MS);
    ASSERT_NE(hBox, nullptr);
    EXPECT_EQ(MessageBoxText(hBox), SCREENSHOT_SENT);
    RECT rect = {};
    ASSERT_TRUE(GetWindowRect(pTapwell->MainWindow(), &rect));
    const SIZE picture = ClipboardPictureSize();
    EXPECT_EQ(picture.cx, rect.right - rect.left);
    EXPECT_EQ(picture.cy, rect.bottom - rect.top);
    EXPECT_TRUE(pTapwell->AnswerMessageBox(hBox, IDOK));
}
