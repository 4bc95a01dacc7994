#pragma once
// A picture of a window to the clipboard, in two timed steps: the Alt+Print Screen keys, then the
// check that the clipboard holds the picture (which this takes itself where the system did not).
#include <cstdint>

#include "fw/Wnd.h"
#include "ports/Platform.h"

class CScreenshotCommand {
public:
    static constexpr std::uintptr_t IDT_SCREENSHOT_KEYS = 4;
    static constexpr std::uintptr_t IDT_SCREENSHOT_CHECK = 5;

    CScreenshotCommand(CWnd& window, const Platform& platform) : m_window(window), m_platform(platform) {}

    void Start();
    // Any of the window's timers: takes only its own two.
    void OnTimer(std::uintptr_t id);

private:
    void SendScreenshotKeys();
    // Whether the clipboard now holds a picture of the window, taken by the system or by us.
    bool EnsureScreenshotOnClipboard();

    CWnd& m_window;
    const Platform& m_platform;
    // The clipboard's sequence number when the screenshot was asked for.
    std::uint32_t m_nClipboardSequence = 0;
};
