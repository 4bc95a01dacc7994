#pragma once
// Recording fake of the keyboard input port. Injected events and posted messages go to a call
// log (one line per call) and update a key state: which keys are down after the injected events,
// and, per window, which keys the posted messages left down. The windows themselves are those of
// FakeWindows; this thread is its own thread, FakeWindows::OWN_THREAD_ID. The target handles what
// was posted to it when it paints (at once, or once the fake clock reaches m_nPaintsAt), which the log
// shows with the modifiers the shared key state holds: "Painted with Ctrl". A hung target never paints.
// The clock moves only by waiting: to the moment waited for, or by YIELD_COST for a yield.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "fakes/FakeWindows.h"
#include "ports/IKeyboardInput.h"
#include "ports/Win32Constants.h"

class CFakeKeyboardInput : public IKeyboardInput {
public:
    // Lines: "SendInput 1 {vk=0x0D scan=0x1C flags=0x0}", "keybd_event 0x41 0x00 0x0 0",
    // "PostMessage 0x1234 WM_KEYDOWN 0x25 0x014B0001", "AttachThreadInput 1001 1002 TRUE".
    // A record size other than INPUT_RECORD_SIZE, a record type other than INPUT_KEYBOARD, and a
    // non-zero time or extra info are appended to the line, so a test expecting the normal form fails.
    const CCallLog& Log() const { return m_log; }
    void ClearLog() { m_log.Clear(); }
    // A line of the test's own among the calls, e.g. where time passes: "Pause 20".
    void Note(const std::string& line) { m_log.Add(line); }

    // Virtual-key codes down after the injected (SendInput, keybd_event) events, ascending.
    std::vector<std::uint32_t> KeysDown() const { return {m_keysDown.begin(), m_keysDown.end()}; }
    // Unicode units pressed by KEYEVENTF_UNICODE records and not yet released.
    std::vector<wchar_t> UnicodeUnitsDown() const { return {m_unicodeDown.begin(), m_unicodeDown.end()}; }
    // Keys that posted WM_KEYDOWN messages left down in window (a WM_KEYUP lifts them). Every post
    // counts: whether the window is still there is a question for FakeWindows, asked before posting.
    std::vector<std::uint32_t> KeysDownIn(WindowHandle window) const {
        const auto found = m_postedKeysDown.find(window);
        return found == m_postedKeysDown.end()
                   ? std::vector<std::uint32_t>()
                   : std::vector<std::uint32_t>(found->second.begin(), found->second.end());
    }
    bool m_bTargetHung = false;
    static constexpr Microseconds YIELD_COST = 50;
    Microseconds m_nNow = 0;
    Microseconds m_nPaintsAt = 0;
    // Threads whose input is attached to this thread at the moment.
    std::set<std::uint32_t> AttachedThreads() const { return m_attachedThreads; }

    // From now on, injected records and posted messages are refused: SendInput sends none, PostMessage fails.
    void Refuse(bool bRefuse) { m_bRefuse = bRefuse; }

    std::uint32_t SendInput(std::uint32_t count, const InputRecord* records, int cbSize) override {
        std::string line = "SendInput " + std::to_string(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            line += " " + RecordText(records[i]);
        }
        const bool bRightSize = cbSize == INPUT_RECORD_SIZE;
        m_log.Add(line + (bRightSize ? "" : " cb=" + std::to_string(cbSize)));
        if (m_bRefuse) {
            return 0;
        }
        for (std::uint32_t i = 0; i < count && bRightSize; ++i) {
            if (records[i].type == INPUT_KEYBOARD) {
                ApplyKeyEvent(records[i].ki.wVk, records[i].ki.wScan, records[i].ki.dwFlags);
            }
        }
        return bRightSize ? count : 0;
    }
    void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                    std::uintptr_t extraInfo) override {
        m_log.Add("keybd_event " + Hex(vk, 2) + " " + Hex(scan, 2) + " " + Hex(flags) + " " +
                  std::to_string(extraInfo));
        ApplyKeyEvent(vk, scan, flags & ~KEYEVENTF_UNICODE);
    }
    bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) override {
        const std::string name = message == WM_KEYDOWN      ? "WM_KEYDOWN"
                                 : message == WM_KEYUP      ? "WM_KEYUP"
                                 : message == WM_CHAR       ? "WM_CHAR"
                                 : message == WM_SYSKEYDOWN ? "WM_SYSKEYDOWN"
                                 : message == WM_SYSKEYUP   ? "WM_SYSKEYUP"
                                                            : Hex(message, 4);
        m_log.Add("PostMessage " + Hex(window) + " " + name + " " + Hex(wParam, 2) + " " +
                  Hex(static_cast<std::uint32_t>(lParam), 8));
        if (!m_bRefuse && (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
                           message == WM_SYSKEYUP)) {
            Mark(m_postedKeysDown[window], static_cast<std::uint32_t>(wParam),
                 message == WM_KEYDOWN || message == WM_SYSKEYDOWN);
        }
        return !m_bRefuse;
    }
    std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) override {
        const auto found = m_scanCodes.find(code);
        if (found == m_scanCodes.end()) {
            return 0;
        }
        // As Windows: the E0 prefix of the extended keys.
        const bool extended = code == VK_RCONTROL || code == VK_RMENU ||
                              (code >= VK_PRIOR && code <= VK_DELETE) || code == VK_DIVIDE;
        return mapType == MAPVK_VK_TO_VSC      ? found->second
               : mapType != MAPVK_VK_TO_VSC_EX ? 0
                                               : found->second | (extended ? 0xE000 : 0);
    }
    // A US keyboard: letters (capitals with Shift) and digits, nothing else.
    std::int16_t VkKeyScan(wchar_t ch) override {
        if (ch >= L'a' && ch <= L'z') {
            return static_cast<std::int16_t>(ch - L'a' + 0x41);
        }
        if (ch >= L'A' && ch <= L'Z') {
            return static_cast<std::int16_t>(0x100 | (ch - L'A' + 0x41));
        }
        return static_cast<std::int16_t>(ch >= L'0' && ch <= L'9' ? ch : -1);
    }
    bool AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread, bool attach) override {
        m_log.Add("AttachThreadInput " + std::to_string(attachThread) + " " + std::to_string(toThread) + " " +
                  BoolText(attach));
        if (attachThread != FakeWindows::OWN_THREAD_ID || toThread == attachThread || toThread == 0) {
            return false;
        }
        Mark(m_attachedThreads, toThread, attach);
        m_keyState = attach ? KeyboardState{} : m_keyState; // attaching resets the shared key state
        return true;
    }
    std::uint32_t GetCurrentThreadId() override { return FakeWindows::OWN_THREAD_ID; }
    bool GetKeyboardState(KeyboardState* state) override { return *state = m_keyState, true; }
    bool SetKeyboardState(const KeyboardState& state) override { return m_keyState = state, true; }
    bool InvalidateOwnRect(WindowHandle, const Rect&) override { return true; }
    bool GetUpdateRect(WindowHandle, bool) override {
        std::string modifiers;
        for (const auto& key :
             {std::make_pair(VK_SHIFT, " Shift"), {VK_CONTROL, " Ctrl"}, {VK_MENU, " Alt"}}) {
            modifiers += (m_keyState[key.first] & 0x80) ? key.second : "";
        }
        const bool bPending = m_bTargetHung || m_nNow < m_nPaintsAt;
        if (!bPending) {
            m_log.Add("Painted with" + (modifiers.empty() ? " nothing" : modifiers));
        }
        return bPending;
    }
    bool IsHungAppWindow(WindowHandle) override { return m_bTargetHung; }
    Microseconds Now() override { return m_nNow; }
    void WaitUntil(Microseconds due) override { m_nNow = std::max(due, m_nNow + YIELD_COST); }
    // The key state this thread's input holds, which an attached target keeps after the detach.
    KeyboardState m_keyState{};

    // "{vk=0x0D scan=0x1C flags=0x0}", as in a SendInput line.
    static std::string RecordText(const InputRecord& record) {
        const KeyboardRecord& ki = record.ki;
        return "{vk=" + Hex(ki.wVk, 2) + " scan=" + Hex(ki.wScan, 2) + " flags=" + Hex(ki.dwFlags) +
               (record.type != INPUT_KEYBOARD ? " type=" + std::to_string(record.type) : "") +
               (ki.time != 0 ? " time=" + std::to_string(ki.time) : "") +
               (ki.dwExtraInfo != 0 ? " extra=" + Hex(ki.dwExtraInfo) : "") + "}";
    }

private:
    template <typename T> static void Mark(std::set<T>& set, T value, bool bIn) {
        if (bIn) {
            set.insert(value);
        } else {
            set.erase(value);
        }
    }
    void ApplyKeyEvent(std::uint16_t vk, std::uint16_t scan, std::uint32_t flags) {
        const bool bDown = (flags & KEYEVENTF_KEYUP) == 0;
        if (flags & KEYEVENTF_UNICODE) {
            Mark(m_unicodeDown, static_cast<wchar_t>(scan), bDown);
        } else {
            Mark(m_keysDown, static_cast<std::uint32_t>(vk & 0xFF), bDown);
        }
    }

    CCallLog m_log;
    bool m_bRefuse = false;
    // A US keyboard's scan codes (the keypad's digits, Pause and Num Lock are the record builder's own).
    std::map<std::uint32_t, std::uint32_t> m_scanCodes{
        {VK_BACK, 0x0E},   {VK_TAB, 0x0F},      {VK_RETURN, 0x1C},   {VK_SHIFT, 0x2A},    {VK_CONTROL, 0x1D},
        {VK_MENU, 0x38},   {VK_ESCAPE, 0x01},   {VK_SPACE, 0x39},    {VK_PRIOR, 0x49},    {VK_NEXT, 0x51},
        {VK_END, 0x4F},    {VK_HOME, 0x47},     {VK_LEFT, 0x4B},     {VK_UP, 0x48},       {VK_RIGHT, 0x4D},
        {VK_DOWN, 0x50},   {VK_SNAPSHOT, 0x54}, {VK_INSERT, 0x52},   {VK_DELETE, 0x53},   {VK_MULTIPLY, 0x37},
        {VK_ADD, 0x4E},    {VK_SUBTRACT, 0x4A}, {VK_DECIMAL, 0x53},  {VK_DIVIDE, 0x35},   {VK_SCROLL, 0x46},
        {VK_LSHIFT, 0x2A}, {VK_RSHIFT, 0x36},   {VK_LCONTROL, 0x1D}, {VK_RCONTROL, 0x1D}, {VK_LMENU, 0x38},
        {VK_RMENU, 0x38},  {0x30, 0x0B},        {0x31, 0x02},        {0x32, 0x03},        {0x33, 0x04},
        {0x34, 0x05},      {0x35, 0x06},        {0x36, 0x07},        {0x37, 0x08},        {0x38, 0x09},
        {0x39, 0x0A},      {0x41, 0x1E},        {0x42, 0x30},        {0x43, 0x2E},        {0x44, 0x20},
        {0x45, 0x12},      {0x46, 0x21},        {0x47, 0x22},        {0x48, 0x23},        {0x49, 0x17},
        {0x4A, 0x24},      {0x4B, 0x25},        {0x4C, 0x26},        {0x4D, 0x32},        {0x4E, 0x31},
        {0x4F, 0x18},      {0x50, 0x19},        {0x51, 0x10},        {0x52, 0x13},        {0x53, 0x1F},
        {0x54, 0x14},      {0x55, 0x16},        {0x56, 0x2F},        {0x57, 0x11},        {0x58, 0x2D},
        {0x59, 0x15},      {0x5A, 0x2C},        {0x70, 0x3B},        {0x71, 0x3C},        {0x72, 0x3D},
        {0x73, 0x3E},      {0x74, 0x3F},        {0x75, 0x40},        {0x76, 0x41},        {0x77, 0x42},
        {0x78, 0x43},      {0x79, 0x44},        {0x7A, 0x57},        {0x7B, 0x58},
    };
    std::set<std::uint32_t> m_keysDown;
    std::set<wchar_t> m_unicodeDown;
    std::map<WindowHandle, std::set<std::uint32_t>> m_postedKeysDown;
    std::set<std::uint32_t> m_attachedThreads;
};
