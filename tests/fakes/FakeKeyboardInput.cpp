#include "fakes/FakeKeyboardInput.h"

#include <algorithm>
#include <sstream>

#include "fakes/FakeWindows.h"
#include "ports/Win32Constants.h"

namespace {

struct ScanCode {
    std::uint32_t vk;
    std::uint32_t scan;
};

// MapVirtualKey(vk, MAPVK_VK_TO_VSC) of a US keyboard.
constexpr ScanCode kUsScanCodes[] = {
    {VK_BACK, 0x0E},     {VK_TAB, 0x0F},      {VK_RETURN, 0x1C},  {VK_SHIFT, 0x2A},    {VK_CONTROL, 0x1D},
    {VK_MENU, 0x38},     {VK_PAUSE, 0x45},    {VK_CAPITAL, 0x3A}, {VK_ESCAPE, 0x01},   {VK_SPACE, 0x39},
    {VK_PRIOR, 0x49},    {VK_NEXT, 0x51},     {VK_END, 0x4F},     {VK_HOME, 0x47},     {VK_LEFT, 0x4B},
    {VK_UP, 0x48},       {VK_RIGHT, 0x4D},    {VK_DOWN, 0x50},    {VK_SNAPSHOT, 0x54}, {VK_INSERT, 0x52},
    {VK_DELETE, 0x53},   {VK_MULTIPLY, 0x37}, {VK_ADD, 0x4E},     {VK_SUBTRACT, 0x4A}, {VK_DECIMAL, 0x53},
    {VK_DIVIDE, 0x35},   {VK_NUMLOCK, 0x45},  {VK_SCROLL, 0x46},  {VK_LSHIFT, 0x2A},   {VK_RSHIFT, 0x36},
    {VK_LCONTROL, 0x1D}, {VK_RCONTROL, 0x1D}, {VK_LMENU, 0x38},   {VK_RMENU, 0x38},    {0x30, 0x0B},
    {0x31, 0x02},        {0x32, 0x03},        {0x33, 0x04},       {0x34, 0x05},        {0x35, 0x06},
    {0x36, 0x07},        {0x37, 0x08},        {0x38, 0x09},       {0x39, 0x0A},        {0x41, 0x1E},
    {0x42, 0x30},        {0x43, 0x2E},        {0x44, 0x20},       {0x45, 0x12},        {0x46, 0x21},
    {0x47, 0x22},        {0x48, 0x23},        {0x49, 0x17},       {0x4A, 0x24},        {0x4B, 0x25},
    {0x4C, 0x26},        {0x4D, 0x32},        {0x4E, 0x31},       {0x4F, 0x18},        {0x50, 0x19},
    {0x51, 0x10},        {0x52, 0x13},        {0x53, 0x1F},       {0x54, 0x14},        {0x55, 0x16},
    {0x56, 0x2F},        {0x57, 0x11},        {0x58, 0x2D},       {0x59, 0x15},        {0x5A, 0x2C},
    {0x60, 0x52},        {0x61, 0x4F},        {0x62, 0x50},       {0x63, 0x51},        {0x64, 0x4B},
    {0x65, 0x4C},        {0x66, 0x4D},        {0x67, 0x47},       {0x68, 0x48},        {0x69, 0x49},
    {0x70, 0x3B},        {0x71, 0x3C},        {0x72, 0x3D},       {0x73, 0x3E},        {0x74, 0x3F},
    {0x75, 0x40},        {0x76, 0x41},        {0x77, 0x42},       {0x78, 0x43},        {0x79, 0x44},
    {0x7A, 0x57},        {0x7B, 0x58},
};

std::string RecordText(const InputRecord& record) {
    std::ostringstream text;
    text << "{vk=" << Hex(record.ki.wVk, 2) << " scan=" << Hex(record.ki.wScan, 2)
         << " flags=" << Hex(record.ki.dwFlags);
    if (record.type != INPUT_KEYBOARD) {
        text << " type=" << record.type;
    }
    if (record.ki.time != 0) {
        text << " time=" << record.ki.time;
    }
    if (record.ki.dwExtraInfo != 0) {
        text << " extra=" << Hex(record.ki.dwExtraInfo);
    }
    text << "}";
    return text.str();
}

std::vector<std::uint32_t> SortedCodes(const std::set<std::uint32_t>& codes) {
    return std::vector<std::uint32_t>(codes.begin(), codes.end());
}

std::string MessageName(std::uint32_t message) {
    return NameOf(message, {{WM_KEYDOWN, "WM_KEYDOWN"}, {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"}},
                  Hex(message, 4));
}

} // namespace

CFakeKeyboardInput::CFakeKeyboardInput() {
    for (const ScanCode& code : kUsScanCodes) {
        m_scanCodes[code.vk] = code.scan;
    }
    for (wchar_t ch = L'a'; ch <= L'z'; ++ch) {
        m_vkKeyScan[ch] = static_cast<std::int16_t>(ch - L'a' + 0x41);
        m_vkKeyScan[static_cast<wchar_t>(ch - L'a' + L'A')] =
            static_cast<std::int16_t>(0x100 | (ch - L'a' + 0x41));
    }
    for (wchar_t ch = L'0'; ch <= L'9'; ++ch) {
        m_vkKeyScan[ch] = static_cast<std::int16_t>(ch);
    }
}

void CFakeKeyboardInput::SetScanCode(std::uint32_t vk, std::uint32_t scan) {
    m_scanCodes[vk] = scan;
}

void CFakeKeyboardInput::SetVkKeyScan(wchar_t ch, std::int16_t result) {
    m_vkKeyScan[ch] = result;
}

std::vector<std::uint32_t> CFakeKeyboardInput::KeysDown() const {
    std::vector<std::uint32_t> down;
    for (std::uint32_t vk = 0; vk < m_keysDown.size(); ++vk) {
        if (m_keysDown[vk]) {
            down.push_back(vk);
        }
    }
    return down;
}

std::vector<wchar_t> CFakeKeyboardInput::UnicodeUnitsDown() const {
    return std::vector<wchar_t>(m_unicodeDown.begin(), m_unicodeDown.end());
}

std::vector<std::uint32_t> CFakeKeyboardInput::KeysDownIn(WindowHandle window) const {
    const auto found = m_postedKeysDown.find(window);
    return found == m_postedKeysDown.end() ? std::vector<std::uint32_t>() : SortedCodes(found->second);
}

std::uint32_t CFakeKeyboardInput::SendInput(std::uint32_t count, const InputRecord* records, int cbSize) {
    std::ostringstream line;
    line << "SendInput " << count;
    for (std::uint32_t i = 0; i < count; ++i) {
        line << " " << RecordText(records[i]);
    }
    if (cbSize != INPUT_RECORD_SIZE) {
        line << " cb=" << cbSize;
    }
    m_log.Add(line.str());
    if (cbSize != INPUT_RECORD_SIZE) {
        return 0;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        if (records[i].type == INPUT_KEYBOARD) {
            ApplyKeyEvent(records[i].ki.wVk, records[i].ki.wScan, records[i].ki.dwFlags);
        }
    }
    return count;
}

void CFakeKeyboardInput::KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                                    std::uintptr_t extraInfo) {
    m_log.Add("keybd_event " + Hex(vk, 2) + " " + Hex(scan, 2) + " " + Hex(flags) + " " +
              std::to_string(extraInfo));
    ApplyKeyEvent(vk, scan, flags & ~KEYEVENTF_UNICODE);
}

void CFakeKeyboardInput::ApplyKeyEvent(std::uint16_t vk, std::uint16_t scan, std::uint32_t flags) {
    const bool up = (flags & KEYEVENTF_KEYUP) != 0;
    if (flags & KEYEVENTF_UNICODE) {
        if (up) {
            m_unicodeDown.erase(static_cast<wchar_t>(scan));
        } else {
            m_unicodeDown.insert(static_cast<wchar_t>(scan));
        }
        return;
    }
    m_keysDown[vk & 0xFF] = !up;
}

bool CFakeKeyboardInput::PostMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                                     LParam lParam) {
    m_log.Add("PostMessage " + Hex(window) + " " + MessageName(message) + " " + Hex(wParam, 2) + " " +
              Hex(static_cast<std::uint32_t>(lParam), 8));
    if (message == WM_KEYDOWN) {
        m_postedKeysDown[window].insert(static_cast<std::uint32_t>(wParam));
    } else if (message == WM_KEYUP) {
        m_postedKeysDown[window].erase(static_cast<std::uint32_t>(wParam));
    }
    return true;
}

std::uint32_t CFakeKeyboardInput::MapVirtualKey(std::uint32_t code, std::uint32_t mapType) {
    if (mapType != MAPVK_VK_TO_VSC) {
        return 0;
    }
    const auto found = m_scanCodes.find(code);
    return found == m_scanCodes.end() ? 0 : found->second;
}

std::int16_t CFakeKeyboardInput::VkKeyScan(wchar_t ch) {
    const auto found = m_vkKeyScan.find(ch);
    return found == m_vkKeyScan.end() ? static_cast<std::int16_t>(-1) : found->second;
}

bool CFakeKeyboardInput::AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread, bool attach) {
    m_log.Add("AttachThreadInput " + std::to_string(attachThread) + " " + std::to_string(toThread) + " " +
              BoolText(attach));
    if (attachThread != FakeWindows::kOwnThreadId || toThread == attachThread || toThread == 0) {
        return false;
    }
    if (attach) {
        m_attachedThreads.insert(toThread);
    } else {
        m_attachedThreads.erase(toThread);
    }
    return true;
}

std::uint32_t CFakeKeyboardInput::GetCurrentThreadId() {
    return FakeWindows::kOwnThreadId;
}
