#include "UserKeyboard.h"

namespace {
// Virtual-key codes below this one are mouse buttons and Cancel.
const int FIRST_KEYBOARD_KEY = VK_BACK;
const int LAST_KEYBOARD_KEY = 0xFE;

INPUT KeyRecord(WORD nKey, DWORD nFlags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = nKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(nKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = nFlags;
    return input;
}
} // namespace

bool PressKeys(const std::vector<WORD>& modifiers, WORD nKey) {
    std::vector<INPUT> inputs;
    for (WORD nModifier : modifiers) {
        inputs.push_back(KeyRecord(nModifier, 0));
    }
    inputs.push_back(KeyRecord(nKey, 0));
    inputs.push_back(KeyRecord(nKey, KEYEVENTF_KEYUP));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
        inputs.push_back(KeyRecord(*it, KEYEVENTF_KEYUP));
    }
    const UINT nCount = static_cast<UINT>(inputs.size());
    return SendInput(nCount, inputs.data(), sizeof(INPUT)) == nCount;
}

bool IsKeyDown(int nVirtualKey) {
    return (GetAsyncKeyState(nVirtualKey) & 0x8000) != 0;
}

void ReleaseKeysLeftDown() {
    for (int nKey = FIRST_KEYBOARD_KEY; nKey <= LAST_KEYBOARD_KEY; ++nKey) {
        if (!IsKeyDown(nKey)) {
            continue;
        }
        INPUT input = KeyRecord(static_cast<WORD>(nKey), KEYEVENTF_KEYUP);
        SendInput(1, &input, sizeof(INPUT));
    }
}
