#include "core/MouseClickManager.h"

#include <algorithm>

#include "core/EditControls.h"
#include "core/KeyMessageParams.h"
#include "ports/Win32Constants.h"

namespace {

constexpr std::uint8_t KEY_DOWN_BIT = 0x80;

// A keyboard's modifier keys set their left variant as well as the generic code.
std::uint16_t LeftVariantOf(std::uint16_t modifierVk) {
    switch (modifierVk) {
    case VK_SHIFT:
        return VK_LSHIFT;
    case VK_CONTROL:
        return VK_LCONTROL;
    case VK_MENU:
        return VK_LMENU;
    default:
        return modifierVk;
    }
}

InputRecord UnicodeRecord(std::uint16_t unit, std::uint32_t flags) {
    InputRecord record;
    record.type = INPUT_KEYBOARD;
    record.ki.wScan = unit;
    record.ki.dwFlags = KEYEVENTF_UNICODE | flags;
    return record;
}

} // namespace

CMouseClickManager::CMouseClickManager(IKeyboardInput& input, IWindowQueries& windows,
                                       ISelectedWindowSource& selectedWindow)
    : m_input(input), m_windows(windows), m_selectedWindow(selectedWindow), m_keys(input),
      m_targetWait(input, windows) {}

CMouseClickManager::~CMouseClickManager() = default;

void CMouseClickManager::SetKeyDelay(int ms) {
    m_nKeyDelay = ms;
}

int CMouseClickManager::GetKeyDelay() const {
    // A negative delay from a hand-edited registry counts as none.
    return std::max(m_nKeyDelay, 0);
}

bool CMouseClickManager::PressCharacter(const std::wstring& text, int modifierVk, bool hold,
                                        bool useOldMethod) {
    if (!m_pressOptions.bSendToActiveWindow || hold || modifierVk != 0 || text.size() != 1) {
        return false;
    }
    FinishPress();
    ReleaseHeldPress();
    const wchar_t ch = text[0];
    if (useOldMethod) {
        // Only the key itself: a character that needs Shift is typed without it.
        const std::uint8_t vk = static_cast<std::uint8_t>(m_input.VkKeyScan(ch) & 0xFF);
        SendKeybdEvent(vk, 0);
        KeyUp keyUp;
        keyUp.way = KeyUp::Way::KeybdEvent;
        keyUp.code = vk;
        KeyUpAfterPause(keyUp);
    } else {
        SendUnicodeChar(ch);
    }
    return true;
}

void CMouseClickManager::PressKey(int modifierVk, int keyVk, bool hold) {
    const std::uint16_t key = static_cast<std::uint16_t>(keyVk);
    if (key == 0) {
        return;
    }
    FinishPress();
    const std::uint16_t modifier = static_cast<std::uint16_t>(modifierVk);
    if (m_pressOptions.bSendToActiveWindow) {
        PressKeyInActiveWindow(modifier, key, hold);
    } else {
        PressKeyInSelectedWindow(modifier, key, hold);
    }
}

void CMouseClickManager::PressKeyInActiveWindow(std::uint16_t modifierVk, std::uint16_t keyVk, bool hold) {
    KeepHeldKeysOnlyFor(HeldPress{true, 0, modifierVk, keyVk}, hold);
    if (modifierVk == 0 && !hold) {
        SendKeyStroke(keyVk);
        return;
    }
    if (modifierVk != 0) {
        SendKeyRecord(m_keys.Record(modifierVk, 0));
    }
    if (hold) {
        SendKeyRecord(m_keys.Record(keyVk, 0));
        if (m_held.empty()) {
            // The modifier goes up first, as a user lets go of a combination.
            if (modifierVk != 0) {
                m_held.push_back(KeyUp{KeyUp::Way::Input, modifierVk, 0, 0, 0, 0});
            }
            m_held.push_back(KeyUp{KeyUp::Way::Input, keyVk, 0, 0, 0, 0});
            Journal(m_held);
        }
        return;
    }
    if (GetKeyDelay() > 0) {
        // The key stays down its pause, as in a plain press, with the modifier down around it.
        SendKeyRecord(m_keys.Record(keyVk, 0));
        KeyUpAfterPause(KeyUp{KeyUp::Way::Input, keyVk, 0, 0, 0, 0});
        KeyUpAfterPause(KeyUp{KeyUp::Way::Input, modifierVk, 0, 0, 0, 0});
        return;
    }
    // Down and up in one call, so nothing else can slip in between them.
    const InputRecord stroke[] = {m_keys.Record(keyVk, 0), m_keys.Record(keyVk, KEYEVENTF_KEYUP)};
    if (m_input.SendInput(2, stroke, INPUT_RECORD_SIZE) == 1) {
        KeepRefused(KeyUp{KeyUp::Way::Input, keyVk, 0, 0, 0, 0});
    }
    Release(KeyUp{KeyUp::Way::Input, modifierVk, 0, 0, 0, 0});
}

void CMouseClickManager::PressKeyInSelectedWindow(std::uint16_t modifierVk, std::uint16_t keyVk, bool hold) {
    WindowHandle window = m_selectedWindow.GetSeekedWindow();
    if (m_pressOptions.bSendToFirstEdit && m_windows.IsWindow(window)) {
        window = FindFirstEditChild(window);
    }
    if (!m_windows.IsWindow(window)) {
        // Nowhere to press: what an earlier press holds down in some window goes up all the same.
        KeepHeldKeysOnlyFor(HeldPress{false, 0, modifierVk, keyVk}, false);
        return;
    }
    KeepHeldKeysOnlyFor(HeldPress{false, window, modifierVk, keyVk}, hold);

    const std::uint32_t targetThread = AttachInputTo(window);
    if (modifierVk == 0 && !hold) {
        PostKeyStroke(window, keyVk);
    } else {
        PostModifiedKey(window, modifierVk, keyVk, hold);
    }
    DetachInputFrom(targetThread);

    if (hold && m_held.empty()) {
        // The release posts the key's key-up, then the modifier's, into the window the key went to.
        m_held.push_back(KeyUp{KeyUp::Way::Posted, keyVk, 0, window, KeyUpLParam(keyVk), modifierVk});
        Journal(m_held);
    }
}

void CMouseClickManager::PostModifiedKey(WindowHandle window, std::uint16_t modifierVk, std::uint16_t keyVk,
                                         bool hold) {
    // An Alt combination arrives as system key messages with the context bit, as from a keyboard.
    const bool alt = modifierVk == VK_MENU;
    const std::uint32_t keyDown = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    KeyMessageParams params = m_keys.MessageParams(keyVk);
    params.contextCode = alt ? 1 : 0;
    if (modifierVk != 0) {
        // Targets read modifiers from the key state, not from the messages: it carries the modifier
        // until the target has handled the key.
        SetModifierInSharedKeyState(modifierVk, true);
        KeyMessageParams modifier = m_keys.MessageParams(modifierVk);
        modifier.contextCode = params.contextCode;
        PostKeyDown(window, keyDown, modifierVk, MakeLParam(modifier));
    }
    PostKeyDown(window, keyDown, keyVk, MakeLParam(params));
    if (!hold) {
        params.previousState = 1;
        params.transitionState = 1;
        PostKeyUp(window, keyVk, MakeLParam(params), alt);
    }
    // Only the key stays down in a held press: the modifier is let go at once.
    if (modifierVk != 0) {
        WaitForTargetToHandlePosts(window);
        SetModifierInSharedKeyState(modifierVk, false);
        PostKeyUp(window, modifierVk, KeyUpLParam(modifierVk));
    }
}

void CMouseClickManager::SetModifierInSharedKeyState(std::uint16_t modifierVk, bool down) {
    // Attaching has cleared the shared state; the target keeps it after the detach, so what is set
    // here is cleared again before then.
    KeyboardState state{};
    m_input.GetKeyboardState(&state);
    for (const std::uint16_t vk : {modifierVk, LeftVariantOf(modifierVk)}) {
        state[vk & 0xFF] = static_cast<std::uint8_t>(down ? state[vk & 0xFF] | KEY_DOWN_BIT
                                                          : state[vk & 0xFF] & ~KEY_DOWN_BIT);
    }
    m_input.SetKeyboardState(state);
}

void CMouseClickManager::WaitForTargetToHandlePosts(WindowHandle window) {
    m_targetWait.WaitForPostsHandled(window, m_bTargetAnswering);
}

bool CMouseClickManager::HasUnfinishedPress() const {
    return !m_unfinished.empty();
}

void CMouseClickManager::FinishPress() {
    RetryRefusedKeyUps();
    // Taken out first: a release may run a nested call that asks again.
    std::vector<KeyUp> keyUps;
    keyUps.swap(m_unfinished);
    for (const KeyUp& keyUp : keyUps) {
        Release(keyUp);
    }
}

void CMouseClickManager::ReleaseHeldKeys() {
    FinishPress();
    ReleaseHeldPress();
    TrimJournal();
}

void CMouseClickManager::KeepHeldKeysOnlyFor(const HeldPress& press, bool hold) {
    if (!hold || !(press == m_heldPress)) {
        ReleaseHeldPress();
    }
    m_heldPress = hold ? press : HeldPress{};
}

void CMouseClickManager::ReleaseHeldPress() {
    std::vector<KeyUp> keyUps;
    keyUps.swap(m_held);
    m_heldPress = HeldPress{};
    for (const KeyUp& keyUp : keyUps) {
        Release(keyUp);
    }
}

void CMouseClickManager::KeyUpAfterPause(const KeyUp& keyUp) {
    if (GetKeyDelay() == 0) {
        Release(keyUp);
    } else {
        m_unfinished.push_back(keyUp);
        Journal(m_unfinished);
    }
}

void CMouseClickManager::Release(const KeyUp& keyUp) {
    switch (keyUp.way) {
    case KeyUp::Way::Input:
        if (!SendKeyRecord(m_keys.Record(keyUp.code, KEYEVENTF_KEYUP))) {
            KeepRefused(keyUp);
        }
        break;
    case KeyUp::Way::Unicode:
        if (!SendKeyRecord(UnicodeRecord(keyUp.code, KEYEVENTF_KEYUP))) {
            KeepRefused(keyUp);
        }
        break;
    case KeyUp::Way::KeybdEvent:
        SendKeybdEvent(static_cast<std::uint8_t>(keyUp.code), KEYEVENTF_KEYUP);
        break;
    case KeyUp::Way::Posted: {
        const WindowHandle window = FindReleaseWindow(keyUp.window);
        if (window == 0) {
            break;
        }
        const std::uint32_t targetThread = AttachInputTo(window);
        PostKeyUp(window, keyUp.code, keyUp.lParam);
        if (keyUp.modifierVk != 0) {
            PostKeyUp(window, keyUp.modifierVk, KeyUpLParam(keyUp.modifierVk));
        }
        DetachInputFrom(targetThread);
        break;
    }
    }
}

WindowHandle CMouseClickManager::FindReleaseWindow(WindowHandle window) {
    if (m_windows.IsWindow(window)) {
        return window;
    }
    // The window that got the key-down is gone: look for a stand-in by class and title, if they are known.
    if (m_pressOptions.strTargetClass.empty() && m_pressOptions.strTargetName.empty()) {
        return 0;
    }
    const WindowHandle standIn =
        m_windows.FindWindow(m_pressOptions.strTargetClass, m_pressOptions.strTargetName);
    return m_windows.IsWindow(standIn) ? standIn : 0;
}

void CMouseClickManager::SendKeyStroke(std::uint16_t vk) {
    SendKeyRecord(m_keys.Record(vk, 0));
    KeyUpAfterPause(KeyUp{KeyUp::Way::Input, vk, 0, 0, 0, 0});
}

void CMouseClickManager::SendUnicodeChar(wchar_t ch) {
    const std::uint16_t unit = static_cast<std::uint16_t>(ch);
    SendKeyRecord(UnicodeRecord(unit, 0));
    KeyUpAfterPause(KeyUp{KeyUp::Way::Unicode, unit, 0, 0, 0, 0});
}

bool CMouseClickManager::SendKeyRecord(const InputRecord& record) {
    return m_input.SendInput(1, &record, INPUT_RECORD_SIZE) == 1;
}

void CMouseClickManager::SendKeybdEvent(std::uint8_t vk, std::uint32_t flags) {
    const InputRecord record = m_keys.Record(vk, flags);
    m_input.KeybdEvent(vk, static_cast<std::uint8_t>(record.ki.wScan), record.ki.dwFlags, 0);
}

void CMouseClickManager::PostKeyDown(WindowHandle window, std::uint32_t message, std::uint16_t vk,
                                     LParam lParam) {
    m_input.PostMessage(window, message, CKeyRecordBuilder::MessageVk(vk), lParam);
}

void CMouseClickManager::PostKeyUp(WindowHandle window, std::uint16_t vk, LParam lParam,
                                   bool altCombination) {
    // A refused one is tried again as a plain key-up: by then no Alt is down with it.
    if (!m_input.PostMessage(window, altCombination ? WM_SYSKEYUP : WM_KEYUP,
                             CKeyRecordBuilder::MessageVk(vk), lParam)) {
        KeepRefused(KeyUp{KeyUp::Way::Posted, vk, 0, window, lParam, 0});
    }
}

void CMouseClickManager::PostKeyStroke(WindowHandle window, std::uint16_t vk) {
    // The caller has found the window: each question about another program's window is a round trip.
    if (m_pressOptions.bSendChars) {
        // The key code stands in for the character: letters give capitals, Enter a carriage return.
        m_input.PostMessage(window, WM_CHAR, vk, 0);
        return;
    }
    PostKeyDown(window, WM_KEYDOWN, vk, KeyMessageLParam(WM_KEYDOWN, vk));
    if (!m_pressOptions.bSendKeyUps) {
        return;
    }
    const LParam keyUpLParam = KeyMessageLParam(WM_KEYUP, vk);
    if (GetKeyDelay() == 0) {
        PostKeyUp(window, vk, keyUpLParam);
    } else {
        // Posted on its own when the pause is over, with input attached again for it.
        m_unfinished.push_back(KeyUp{KeyUp::Way::Posted, vk, 0, window, keyUpLParam, 0});
        Journal(m_unfinished);
    }
}

LParam CMouseClickManager::KeyMessageLParam(std::uint32_t message, std::uint16_t vk) {
    // The transition bit stays clear even on the key-up; receivers look at the previous-state bit.
    KeyMessageParams params = m_keys.MessageParams(vk);
    params.previousState = message == WM_KEYUP ? 1 : 0;
    return MakeLParam(params);
}

LParam CMouseClickManager::KeyUpLParam(std::uint16_t vk) {
    KeyMessageParams params = m_keys.MessageParams(vk);
    params.previousState = 1;
    params.transitionState = 1;
    return MakeLParam(params);
}

WindowHandle CMouseClickManager::FindFirstEditChild(WindowHandle window) {
    m_hFirstEdit = 0;
    m_hFirstRichEdit = 0;
    m_windows.EnumChildWindows(window, [this](WindowHandle child) { return FindEditChildProc(child, this); });
    for (const WindowHandle edit : {m_hFirstEdit, m_hFirstRichEdit}) {
        if (m_windows.IsWindow(edit)) {
            return edit;
        }
    }
    return window;
}

bool CMouseClickManager::FindEditChildProc(WindowHandle child, CMouseClickManager* object) {
    switch (EditKindOf(object->m_windows, child)) {
    case EditKind::Plain:
        object->m_hFirstEdit = child;
        return false;
    case EditKind::Rich:
        // A plain Edit found later still comes first.
        if (object->m_hFirstRichEdit == 0) {
            object->m_hFirstRichEdit = child;
        }
        return true;
    case EditKind::None:
        break;
    }
    return true;
}

std::uint32_t CMouseClickManager::AttachInputTo(WindowHandle window) {
    // Attaching to a hung thread would tie this thread's input to a queue nobody reads.
    m_bTargetAnswering = m_targetWait.Answers(window);
    if (!m_bTargetAnswering) {
        return 0;
    }
    const std::uint32_t targetThread = m_targetWait.ThreadOf(window);
    m_input.AttachThreadInput(m_input.GetCurrentThreadId(), targetThread, true);
    return targetThread;
}

void CMouseClickManager::DetachInputFrom(std::uint32_t targetThread) {
    if (targetThread == 0) {
        return;
    }
    m_input.AttachThreadInput(m_input.GetCurrentThreadId(), targetThread, false);
}
