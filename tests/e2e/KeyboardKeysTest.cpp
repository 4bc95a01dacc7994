// Tapwell's presses against the X keyboard's: each key, with and without Shift, pressed by xdotool
// through Wine's keyboard driver and by Tapwell, must reach the recorder with the same virtual-key
// code, scan code and extended flag, into the focused window and into a picked one.
#include <algorithm>
#include <string>
#include <vector>

#include "Polling.h"
#include "RecorderLog.h"
#include "TapwellCase.h"
#include "TapwellConstants.h"
#include "TapwellRegistry.h"
#include "resource.h"

namespace {

const DWORD SCAN_AND_EXTENDED_BITS = 0x01FF0000;
const DWORD SETTLE_MS = 200;

struct KeyboardKey {
    int nPosition; // in Tapwell's key list
    const wchar_t* pszXName;
    UINT nVk; // what the messages carry
};

const KeyboardKey KEYS[] = {{4, L"F5", VK_F5},
                            {13, L"Return", VK_RETURN},
                            {15, L"Left", VK_LEFT},
                            {34, L"Prior", VK_PRIOR},
                            {31, L"KP_Divide", VK_DIVIDE},
                            {36, L"Insert", VK_INSERT},
                            {32, L"Home", VK_HOME},
                            {41, L"Control_R", VK_CONTROL},
                            {43, L"Alt_R", VK_MENU},
                            {20, L"Num_Lock", VK_NUMLOCK},
                            {37, L"Print", VK_SNAPSHOT},
                            {46, L"a", 'A'}};

class KeyboardKeys : public CTapwellCase, public ::testing::WithParamInterface<bool> {
protected:
    std::vector<RecordedKeyMessage> MessagesSince(std::size_t nFirst) const {
        const std::vector<RecordedKeyMessage> log = ReadRecorderLog(m_driver.RecorderLogPath());
        return std::vector<RecordedKeyMessage>(
            log.begin() + static_cast<std::ptrdiff_t>(std::min(nFirst, log.size())), log.end());
    }
    std::size_t LogSize() const { return ReadRecorderLog(m_driver.RecorderLogPath()).size(); }

    // The scan code and extended bits of each of the key's key-downs.
    static std::vector<DWORD> KeyDowns(const std::vector<RecordedKeyMessage>& messages, UINT nVk) {
        std::vector<DWORD> downs;
        for (const RecordedKeyMessage& message : messages) {
            if ((message.nMessage == WM_KEYDOWN || message.nMessage == WM_SYSKEYDOWN) &&
                message.nWParam == nVk) {
                downs.push_back(message.nLParam & SCAN_AND_EXTENDED_BITS);
            }
        }
        return downs;
    }
    static bool HasKeyUp(const std::vector<RecordedKeyMessage>& messages, UINT nVk) {
        return CountMessages(messages, WM_KEYUP, nVk) + CountMessages(messages, WM_SYSKEYUP, nVk) > 0;
    }

    static bool PressFromX(const std::wstring& strKeys) {
        // Wine gives its foreground window no X input focus without a window manager.
        std::wstring strCommand = L"/bin/sh -c \"xdotool search --onlyvisible --name '^Tapwell Recorder$' "
                                  L"windowfocus --sync key --delay 30 " +
                                  strKeys + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process = {};
        // A Linux program: Wine starts it and gives back no handle to wait on.
        return CreateProcessW(L"Z:\\bin\\sh", &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process) != FALSE;
    }
};

} // namespace

TEST_P(KeyboardKeys, ReachTheRecorderAsFromTheXKeyboard) {
    const bool bPicked = GetParam();
    CTargetWindow* pRecorder = m_driver.StartRecorder();
    ASSERT_NE(pRecorder, nullptr);
    if (bPicked) {
        ASSERT_TRUE(StoreSelectedWindow(SECTION_FIRST_INSTANCE, pRecorder->Frame()) &&
                    WriteProfileDword(SECTION_FIRST_INSTANCE, L"SendKeyUps", 1));
    }
    CTapwellInstance* pTapwell = m_driver.StartTapwell();
    ASSERT_NE(pTapwell, nullptr);
    ASSERT_TRUE(pRecorder->Focus()); // in front again, for the X keyboard and the focused window's presses
    for (const bool bShift : {false, true}) {
        ASSERT_EQ(pTapwell->Form().SelectListEntry(IDC_MODIFIER_LIST, bShift ? 3 : 0), ActionResult::Done);
        for (const KeyboardKey& key : KEYS) {
            std::size_t nFirst = LogSize();
            ASSERT_TRUE(PressFromX((bShift ? L"shift+" : L"") + std::wstring(key.pszXName)));
            ASSERT_TRUE(WaitUntil([&] { return HasKeyUp(MessagesSince(nFirst), key.nVk); }, RUN_TIMEOUT_MS))
                << "X key " << key.nVk;
            Sleep(SETTLE_MS); // a right modifier's second key-up
            // Wine's driver may send a generic left modifier before a right one: the last key-down is the
            // key's.
            const std::vector<RecordedKeyMessage> fromX = MessagesSince(nFirst);
            nFirst = LogSize();
            ASSERT_TRUE(pTapwell->FillInRun(key.nPosition, L"20", L"1"));
            ASSERT_EQ(pTapwell->Form().Click(IDC_START_KEYPRESSING), ActionResult::Done);
            const auto pressed = [&] {
                const std::vector<RecordedKeyMessage> messages = MessagesSince(nFirst);
                return !KeyDowns(messages, key.nVk).empty() && HasKeyUp(messages, key.nVk);
            };
            ASSERT_TRUE(WaitUntil(pressed, RUN_TIMEOUT_MS) && pTapwell->WaitForIdle(RUN_TIMEOUT_MS))
                << "Tapwell key " << key.nVk;
            // Wine's driver may press Num Lock again to match the X server's state: the first is ours.
            EXPECT_EQ(KeyDowns(MessagesSince(nFirst), key.nVk).front(), KeyDowns(fromX, key.nVk).back())
                << "key " << key.nVk << (bShift ? " with Shift" : "");
            if (bShift) {
                EXPECT_EQ(KeyDowns(MessagesSince(nFirst), VK_SHIFT), KeyDowns(fromX, VK_SHIFT))
                    << "Shift with " << key.nVk;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Into, KeyboardKeys, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "APickedWindow" : "TheFocusedWindow";
                         });
