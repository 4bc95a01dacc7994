// A picture of the main window to the clipboard. The system's own Alt+Print Screen handling is asked
// first; where it put no picture of this window there (Wine has none, and on Windows another program
// may hold the clipboard) the window is captured here, and the user is told only what really
// happened.
#include <vector>

#include "ports/IPainting.h"
#include "ports/Win32Constants.h"
#include "ui/ScreenshotCommand.h"

namespace {

constexpr std::uint32_t SCREENSHOT_STEP_MS = 200;

constexpr wchar_t SCREENSHOT_SENT[] =
    L"Screenshot of Tapwell by Tovrin has been Sent to Clipboard.\n\nYou can Press Ctrl + V in any Image "
    L"Editor, EMail Application, etc\n\nto Paste the Captured Screenshot.";
constexpr wchar_t SCREENSHOT_FAILED[] =
    L"The Screenshot of Tapwell by Tovrin could not be Taken: the Clipboard holds no picture of the "
    L"window.\n\nPlease try again.";

// The fields of BITMAPINFOHEADER read here.
constexpr std::size_t DIB_HEADER_SIZE = 40;
constexpr std::size_t DIB_WIDTH_OFFSET = 4;
constexpr std::size_t DIB_HEIGHT_OFFSET = 8;

std::int32_t ReadInt32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = (value << 8) | bytes[offset + i];
    }
    return static_cast<std::int32_t>(value);
}

// A negative height marks rows stored top-down; the picture is as tall either way.
bool IsPictureOfSize(const std::vector<std::uint8_t>& dib, std::int32_t width, std::int32_t height) {
    if (dib.size() < DIB_HEADER_SIZE || ReadInt32(dib, 0) < static_cast<std::int32_t>(DIB_HEADER_SIZE)) {
        return false;
    }
    const std::int32_t dibHeight = ReadInt32(dib, DIB_HEIGHT_OFFSET);
    return ReadInt32(dib, DIB_WIDTH_OFFSET) == width && (dibHeight == height || dibHeight == -height);
}

} // namespace

void CScreenshotCommand::Start() {
    m_nClipboardSequence = m_platform.clipboard.GetClipboardSequenceNumber();
    m_platform.timers.SetTimer(m_window.m_hWnd, IDT_SCREENSHOT_KEYS, SCREENSHOT_STEP_MS);
}

void CScreenshotCommand::OnTimer(std::uintptr_t id) {
    const WindowHandle hWnd = m_window.m_hWnd;
    if (id == IDT_SCREENSHOT_KEYS) {
        m_platform.timers.KillTimer(hWnd, IDT_SCREENSHOT_KEYS);
        SendScreenshotKeys();
        m_platform.timers.SetTimer(hWnd, IDT_SCREENSHOT_CHECK, SCREENSHOT_STEP_MS);
    } else if (id == IDT_SCREENSHOT_CHECK) {
        m_platform.timers.KillTimer(hWnd, IDT_SCREENSHOT_CHECK);
        if (EnsureScreenshotOnClipboard()) {
            m_window.MessageBox(SCREENSHOT_SENT, L"", MB_OK | MB_ICONINFORMATION);
        } else {
            m_window.MessageBox(SCREENSHOT_FAILED, L"", MB_OK | MB_ICONEXCLAMATION);
        }
    }
}

// Alt pressed, Print Screen pressed and released, Alt released: four inputs of one record each.
void CScreenshotCommand::SendScreenshotKeys() {
    const struct {
        std::uint16_t wVk;
        std::uint32_t dwFlags;
    } keys[] = {
        {VK_MENU, 0},
        {VK_SNAPSHOT, 0},
        {VK_SNAPSHOT, KEYEVENTF_KEYUP},
        {VK_MENU, KEYEVENTF_KEYUP},
    };
    for (const auto& key : keys) {
        InputRecord record;
        record.type = INPUT_KEYBOARD;
        record.ki.wVk = key.wVk;
        record.ki.wScan =
            static_cast<std::uint16_t>(m_platform.input.MapVirtualKey(key.wVk, MAPVK_VK_TO_VSC));
        record.ki.dwFlags = key.dwFlags;
        m_platform.input.SendInput(1, &record, INPUT_RECORD_SIZE);
    }
}

bool CScreenshotCommand::EnsureScreenshotOnClipboard() {
    const WindowHandle m_hWnd = m_window.m_hWnd;
    Rect rect;
    if (!m_platform.windows.queries.GetWindowRect(m_hWnd, &rect)) {
        return false;
    }
    const std::int32_t width = rect.right - rect.left;
    const std::int32_t height = rect.bottom - rect.top;
    // A window stretched far beyond any screen is neither looked for on the clipboard nor captured:
    // either would cost more memory than its picture is worth.
    if (DibPixelBytes(std::int64_t{rect.right} - rect.left, std::int64_t{rect.bottom} - rect.top) >
        MAX_CAPTURE_BYTES) {
        return false;
    }
    IClipboard& clipboard = m_platform.clipboard;
    // A picture that was there before the command is not the screenshot, whatever its size.
    if (clipboard.GetClipboardSequenceNumber() != m_nClipboardSequence &&
        IsPictureOfSize(clipboard.GetDib(m_hWnd), width, height)) {
        return true;
    }
    const std::vector<std::uint8_t> dib = m_platform.painting.CaptureWindow(m_hWnd);
    return !dib.empty() && clipboard.SetDib(m_hWnd, dib) &&
           IsPictureOfSize(clipboard.GetDib(m_hWnd), width, height);
}
