#pragma once
// Recording fake of the keyboard input port. Injected events and posted messages go to a call
// log (one line per call) and update a key state: which keys are down after the injected events,
// and, per window, which keys the posted messages left down. The windows themselves are those of
// FakeWindows; this thread is its own thread, FakeWindows::kOwnThreadId.
#include <array>
#include <map>
#include <set>
#include <vector>

#include "fakes/CallLog.h"
#include "ports/IKeyboardInput.h"

class CFakeKeyboardInput : public IKeyboardInput {
public:
    CFakeKeyboardInput();

    // Scan codes of MapVirtualKey(vk, MAPVK_VK_TO_VSC); a US keyboard unless overridden.
    void SetScanCode(std::uint32_t vk, std::uint32_t scan);
    // VkKeyScan results; the US keyboard's for letters and digits unless overridden, -1 otherwise.
    void SetVkKeyScan(wchar_t ch, std::int16_t result);

    // Lines: "SendInput 1 {vk=0x0D scan=0x1C flags=0x0}", "keybd_event 0x41 0x00 0x0 0",
    // "PostMessage 0x1234 WM_KEYDOWN 0x25 0x014B0001", "AttachThreadInput 1001 1002 TRUE".
    // A record size other than INPUT_RECORD_SIZE, a record type other than INPUT_KEYBOARD, and a
    // non-zero time or extra info are appended to the line, so a test expecting the normal form fails.
    const CCallLog& Log() const { return m_log; }
    void ClearLog() { m_log.Clear(); }
    // A line of the test's own among the calls, e.g. where time passes: "Pause 20".
    void Note(const std::string& line) { m_log.Add(line); }

    // Virtual-key codes down after the injected (SendInput, keybd_event) events, ascending.
    std::vector<std::uint32_t> KeysDown() const;
    // Unicode units pressed by KEYEVENTF_UNICODE records and not yet released.
    std::vector<wchar_t> UnicodeUnitsDown() const;
    // Keys that posted WM_KEYDOWN messages left down in window (a WM_KEYUP lifts them). Every post
    // counts: whether the window is still there is a question for FakeWindows, asked before posting.
    std::vector<std::uint32_t> KeysDownIn(WindowHandle window) const;
    // Threads whose input is attached to this thread at the moment.
    std::set<std::uint32_t> AttachedThreads() const { return m_attachedThreads; }

    std::uint32_t SendInput(std::uint32_t count, const InputRecord* records, int cbSize) override;
    void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                    std::uintptr_t extraInfo) override;
    bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) override;
    std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) override;
    std::int16_t VkKeyScan(wchar_t ch) override;
    bool AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread, bool attach) override;
    std::uint32_t GetCurrentThreadId() override;

private:
    void ApplyKeyEvent(std::uint16_t vk, std::uint16_t scan, std::uint32_t flags);

    CCallLog m_log;
    std::map<std::uint32_t, std::uint32_t> m_scanCodes;
    std::map<wchar_t, std::int16_t> m_vkKeyScan;
    std::array<bool, 256> m_keysDown{};
    std::set<wchar_t> m_unicodeDown;
    std::map<WindowHandle, std::set<std::uint32_t>> m_postedKeysDown;
    std::set<std::uint32_t> m_attachedThreads;
};
