// The main dialog's side commands: the screenshot to the clipboard, help, the companion program and
// the two share buttons.
#include <gtest/gtest.h>

#include "MainDialogFixture.h"

using namespace main_dialog_test;

namespace {

const std::wstring SCREENSHOT_SENT =
    L"Screenshot of Tapwell by Tovrin has been Sent to Clipboard.\n\nYou can Press Ctrl + V in any Image "
    L"Editor, EMail Application, etc\n\nto Paste the Captured Screenshot.";

enum class Picture { None, OfTheWindow, OfAnotherSize };

struct ScreenshotCase {
    const char* pszName;
    Picture before;     // on the clipboard before the command
    Picture bySystem;   // what the system's Alt+Print Screen puts there
    bool bCaptureWorks; // our own capture of the window
    bool bClipboardAccepts;
    bool bConfirmed;
    int nOwnPictures; // pictures the program placed itself
    bool bWindowTooLarge = false;
};

// clang-format off
const ScreenshotCase SCREENSHOT_CASES[] = {
    {"SystemPictureIsKept", Picture::None, Picture::OfTheWindow, true, true, true, 0},
    {"NoSystemPictureCapturedHere", Picture::None, Picture::None, true, true, true, 1},
    {"PictureFromBeforeIsReplaced", Picture::OfTheWindow, Picture::None, true, true, true, 1},
    {"PictureOfAnotherWindowIsReplaced", Picture::None, Picture::OfAnotherSize, true, true, true, 1},
    {"CaptureFailedIsReported", Picture::None, Picture::None, false, true, false, 0},
    {"BusyClipboardIsReported", Picture::None, Picture::None, true, false, false, 1},
    {"WindowTooLargeToCapture", Picture::None, Picture::None, true, true, false, 0, true},
};
// clang-format on

void PrintTo(const ScreenshotCase& c, std::ostream* out) {
    *out << c.pszName;
}

class Screenshot : public MainDialogFixture, public ::testing::WithParamInterface<ScreenshotCase> {
protected:
    std::vector<std::uint8_t> PictureOf(Picture picture) const {
        const Rect rect = m_windows.Window(Main()).rect;
        const std::int32_t width = rect.right - rect.left;
        return picture == Picture::None
                   ? std::vector<std::uint8_t>{}
                   : FakeDib(picture == Picture::OfTheWindow ? width : width + 1, rect.bottom - rect.top);
    }
};

TEST_P(Screenshot, ConfirmsOnlyAPictureOfTheWindowOnTheClipboard) {
    const ScreenshotCase& c = GetParam();
    Start();
    if (c.bWindowTooLarge) {
        m_windows.SetWindowRect(Main(), Rect{0, 0, 32000, 32000});
    }
    if (c.before != Picture::None) {
        m_clipboard.Put(PictureOf(c.before));
    }
    m_painting.m_capture = c.bCaptureWorks ? PictureOf(Picture::OfTheWindow) : std::vector<std::uint8_t>{};
    m_clipboard.m_bRefuse = !c.bClipboardAccepts;

    m_windows.Deliver(Main(), WM_COMMAND, ID_CONTEXT_SCREENSHOT, 0);
    EXPECT_EQ(m_timers.Interval(Main(), CPellorDlg::IDT_SCREENSHOT_KEYS), 200u);
    ASSERT_TRUE(m_timers.Fire(Main(), CPellorDlg::IDT_SCREENSHOT_KEYS));
    EXPECT_EQ(m_input.Log().Entries(),
              (std::vector<std::string>{
                  "SendInput 1 {vk=0x12 scan=0x38 flags=0x0}", "SendInput 1 {vk=0x2C scan=0x54 flags=0x0}",
                  "SendInput 1 {vk=0x2C scan=0x54 flags=0x2}", "SendInput 1 {vk=0x12 scan=0x38 flags=0x2}"}));
    if (c.bySystem != Picture::None) {
        m_clipboard.Put(PictureOf(c.bySystem));
    }
    EXPECT_EQ(m_timers.Interval(Main(), CPellorDlg::IDT_SCREENSHOT_CHECK), 200u);
    ASSERT_TRUE(m_timers.Fire(Main(), CPellorDlg::IDT_SCREENSHOT_CHECK));

    EXPECT_EQ(m_timers.ActiveCount(), 0);
    EXPECT_EQ(m_clipboard.m_nSetDibCalls, c.nOwnPictures);
    ASSERT_EQ(m_windows.MessageBoxes().size(), 1u);
    const MessageBoxRecord& box = m_windows.MessageBoxes()[0];
    EXPECT_EQ(box.text == SCREENSHOT_SENT, c.bConfirmed) << Narrow(box.text);
    EXPECT_EQ(box.type, c.bConfirmed ? MB_ICONINFORMATION : MB_ICONEXCLAMATION);
    if (c.bConfirmed) {
        EXPECT_EQ(m_clipboard.m_dib, PictureOf(Picture::OfTheWindow));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Screenshot, ::testing::ValuesIn(SCREENSHOT_CASES),
                         [](const ::testing::TestParamInfo<ScreenshotCase>& info) {
                             return info.param.pszName;
                         });

struct ShellCase {
    const char* pszName;
    std::uint32_t nMessage; // WM_COMMAND, or WM_HELP as F1 sends it
    std::uint32_t nCommand;
    std::wstring strModulePath;
    std::intptr_t nShellResult;
    std::string strOpened;
    std::wstring strMessage; // the start of the message shown, if any
    int nHiddenButton;       // 0: none
    const char* pszFlagWritten;
};

const std::string HELP = "ShellExecute(0x0, \"Open\", \"https://tapwell.example/\", 3)";
const std::string PAGE = "https://tapwell.example/tapwell/\", 3)";
const std::string TOOLS_TAPFORCE = "ShellExecute(0x0, \"Open\", \"C:\\Tools\\Tapforce.exe\", 5)";
const std::wstring NOT_FOUND =
    L"Tapforce.exe was not found beside Tapwell.exe, in the folder\n\nC:\\Tools\\\n\n";

// clang-format off
const ShellCase SHELL_CASES[] = {
    {"HelpMenu", WM_COMMAND, ID_CONTEXT_HELP_TUTORIALS, L"", 42, HELP, L"", 0, nullptr},
    {"HelpF1", WM_HELP, 0, L"", 42, HELP, L"", 0, nullptr},
    {"CompanionBesideTheProgram", WM_COMMAND, ID_CONTEXT_START_TAPFORCE, L"C:\\Program Files\\Tapwell\\Tapwell.exe", 42,
     "ShellExecute(0x0, \"Open\", \"C:\\Program Files\\Tapwell\\Tapforce.exe\", 5)", L"", 0, nullptr},
    {"CompanionInARootDirectory", WM_COMMAND, ID_CONTEXT_START_TAPFORCE, L"D:\\Tapwell.exe", 42,
     "ShellExecute(0x0, \"Open\", \"D:\\Tapforce.exe\", 5)", L"", 0, nullptr},
    {"CompanionWithoutDirectory", WM_COMMAND, ID_CONTEXT_START_TAPFORCE, L"Tapwell.exe", 42,
     "ShellExecute(0x0, \"Open\", \"\\Tapforce.exe\", 5)", L"", 0, nullptr},
    {"CompanionMissingIsReported", WM_COMMAND, ID_CONTEXT_START_TAPFORCE, L"C:\\Tools\\Tapwell.exe", 2,
     "ShellExecute(0x0, \"Open\", \"C:\\Tools\\Tapforce.exe\", 5)", NOT_FOUND, 0, nullptr},
    {"CompanionAccessDeniedIsSaid", WM_COMMAND, ID_CONTEXT_START_TAPFORCE, L"C:\\Tools\\Tapwell.exe", 5, TOOLS_TAPFORCE,
     L"Tapforce.exe could not be started: access to it was denied. It is in the folder\n\nC:\\Tools\\\n\n", 0, nullptr},
    {"CompanionNotAProgramIsSaid", WM_COMMAND, ID_CONTEXT_START_TAPFORCE, L"C:\\Tools\\Tapwell.exe", 11, TOOLS_TAPFORCE,
     L"Tapforce.exe could not be started: it is not a program Windows can run.", 0, nullptr},
    {"CompanionOtherFailureGivesTheNumber", WM_COMMAND, ID_CONTEXT_START_TAPFORCE, L"C:\\Tools\\Tapwell.exe", 31,
     TOOLS_TAPFORCE, L"Tapforce.exe could not be started from the folder\n\nC:\\Tools\\\n\nWindows reported error 31.", 0, nullptr},
    {"FacebookButton", WM_COMMAND, IDC_SHARE_FACEBOOK, L"", 42, "ShellExecute(0x0, \"Open\", "
     "\"https://www.facebook.com/sharer.php?u=" + PAGE, L"", IDC_SHARE_FACEBOOK, "write Social/Facebooked = 1"},
    {"TwitterMenuWhateverTheShellSays", WM_COMMAND, ID_CONTEXT_SHARE_TWITTER, L"", 2, "ShellExecute(0x0, \"Open\", "
     "\"https://twitter.com/share?url=" + PAGE, L"", IDC_SHARE_TWITTER, "write Social/Twittered = 1"},
};
// clang-format on

void PrintTo(const ShellCase& c, std::ostream* out) {
    *out << c.pszName;
}

class ShellCommand : public MainDialogFixture, public ::testing::WithParamInterface<ShellCase> {};

TEST_P(ShellCommand, OpensWhatItNames) {
    const ShellCase& c = GetParam();
    if (!c.strModulePath.empty()) {
        m_shell.SetModuleFileName(c.strModulePath);
    }
    m_shell.m_nResult = c.nShellResult;
    Start();
    ClearRegistryLog();

    const LResult result = m_windows.Deliver(Main(), c.nMessage, c.nCommand, 0);

    EXPECT_EQ(m_shell.Log().Entries(), std::vector<std::string>{c.strOpened});
    if (c.nMessage == WM_HELP) {
        EXPECT_EQ(result, 1);
    }
    ASSERT_EQ(m_windows.MessageBoxes().size(), c.strMessage.empty() ? 0u : 1u);
    if (!c.strMessage.empty()) {
        EXPECT_EQ(m_windows.MessageBoxes()[0].text.substr(0, c.strMessage.size()), c.strMessage);
    }
    for (int button : {IDC_SHARE_FACEBOOK, IDC_SHARE_TWITTER}) {
        EXPECT_EQ(Visible(button), button != c.nHiddenButton) << button;
    }
    EXPECT_EQ(Writes(),
              c.pszFlagWritten ? std::vector<std::string>{c.pszFlagWritten} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Cases, ShellCommand, ::testing::ValuesIn(SHELL_CASES),
                         [](const ::testing::TestParamInfo<ShellCase>& info) { return info.param.pszName; });

} // namespace
