#include "core/MouseClickManager.h"

#include <algorithm>
#include <cwctype>
#include <iterator>

#include "core/KeyMessageParams.h"
#include "ports/Win32Constants.h"

namespace {

// GetClassNameW limit for the Edit search.
constexpr int kClassNameLimit = 254;
constexpr wchar_t kEditClassName[] = L"Edit";

// Keys whose posted messages carry the extended-key bit.
constexpr std::uint16_t kExtendedKeys[] = {
    VK_END,   VK_HOME,   VK_LEFT,   VK_UP,      VK_RIGHT,    VK_DOWN,
    VK_PRINT, VK_INSERT, VK_DELETE, VK_NUMLOCK, VK_RCONTROL, VK_RMENU,
};

bool IsExtendedKey(std::uint16_t vk) {
    return std::find(std::begin(kExtendedKeys), std::end(kExtendedKeys), vk) != std::end(kExtendedKeys);
}

bool EqualsIgnoringCase(const std::wstring& text, const wchar_t* expected) {
    const std::wstring other(expected);
    return text.size() == other.size() &&
           std::equal(text.begin(), text.end(), other.begin(), [](wchar_t a, wchar_t b) {
               return std::towlower(static_cast<std::wint_t>(a)) ==
                      std::towlower(static_cast<std::wint_t>(b));
           });
}

InputRecord KeyRecord(std::uint16_t vk, std::uint16_t scan, std::uint32_t flags) {
    InputRecord record;
    record.type = INPUT_KEYBOARD;
    record.ki.wVk = vk;
    record.ki.wScan = scan;
    record.ki.dwFlags = flags;
    return record;
}

} // namespace

CMouseClickManager::CMouseClickManager(IKeyboardInput& input, ISelectedWindowSource& selectedWindow)
    : m_input(input), m_selectedWindow(selectedWindow) {}

CMouseClickManager::~CMouseClickManager() = default;

void CMouseClickManager::SetKeyDelay(int ms) {
    m_nKeyDelay = ms;
}

void CMouseClickManager::SetSendToActiveWindow(bool sendToActiveWindow) {
    m_bSendToActiveWindow = sendToActiveWindow;
}

void CMouseClickManager::SetSendToFirstEdit(bool sendToFirstEdit) {
    m_bSendToFirstEdit = sendToFirstEdit;
}

void CMouseClickManager::SetTargetWindowClass(const std::wstring& className) {
    m_strTargetClass = className;
}

void CMouseClickManager::SetTargetWindowName(const std::wstring& windowName) {
    m_strTargetTitle = windowName;
}

bool CMouseClickManager::PressCharacter(const std::wstring& text, int modifierVk, bool hold,
                                        bool useOldMethod) {
    if (!m_bSendToActiveWindow || hold || modifierVk != 0 || text.size() != 1) {
        return false;
    }
    const wchar_t ch = text[0];
    if (useOldMethod) {
        // Only the key itself: a character that needs Shift is typed without it.
        const std::uint8_t vk = static_cast<std::uint8_t>(m_input.VkKeyScan(ch) & 0xFF);
        m_input.KeybdEvent(vk, 0, 0, 0);
        PauseBetweenDownAndUp();
        m_input.KeybdEvent(vk, 0, KEYEVENTF_KEYUP, 0);
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
    const std::uint16_t modifier = static_cast<std::uint16_t>(modifierVk);
    m_bHeld = hold;
    m_wKeyVk = key;
    m_wModifierVk = modifier;
    m_hHeldWindow = 0;

    if (m_bSendToActiveWindow) {
        PressKeyInActiveWindow(modifier, key, hold);
    } else {
        PressKeyInSelectedWindow(modifier, key, hold);
    }
}

void CMouseClickManager::PressKeyInActiveWindow(std::uint16_t modifierVk, std::uint16_t keyVk, bool hold) {
    if (modifierVk == 0 && !hold) {
        SendKeyStroke(keyVk);
        return;
    }
    if (modifierVk != 0) {
        SendKeyRecord(modifierVk, 0);
    }
    if (hold) {
        SendKeyRecord(keyVk, 0);
        return;
    }
    // Down and up in one call, so nothing else can slip in between them.
    const InputRecord stroke[] = {KeyRecord(keyVk, 0, 0), KeyRecord(keyVk, 0, KEYEVENTF_KEYUP)};
    m_input.SendInput(2, stroke, INPUT_RECORD_SIZE);
    if (modifierVk != 0) {
        SendKeyRecord(modifierVk, KEYEVENTF_KEYUP);
    }
}

void CMouseClickManager::PressKeyInSelectedWindow(std::uint16_t modifierVk, std::uint16_t keyVk, bool hold) {
    WindowHandle window = m_selectedWindow.GetSeekedWindow();
    if (!m_input.IsWindow(window)) {
        return;
    }
    if (m_bSendToFirstEdit) {
        window = FindFirstEditChild(window);
        if (!m_input.IsWindow(window)) {
            return;
        }
    }

    const std::uint32_t targetThread = AttachInputTo(window);
    if (modifierVk == 0 && !hold) {
        PostKeyStroke(window, keyVk);
    } else {
        KeyMessageParams params;
        params.scanCode = static_cast<std::uint8_t>(m_input.MapVirtualKey(keyVk, MAPVK_VK_TO_VSC));
        if (modifierVk != 0) {
            m_input.PostMessage(window, WM_KEYDOWN, modifierVk, 0);
        }
        m_input.PostMessage(window, WM_KEYDOWN, keyVk, MakeLParam(params));
        if (!hold) {
            params.previousState = 1;
            params.transitionState = 1;
            m_input.PostMessage(window, WM_KEYUP, keyVk, MakeLParam(params));
        }
        // Only the key stays down in a held press: the modifier is let go at once.
        if (modifierVk != 0) {
            m_input.PostMessage(window, WM_KEYUP, modifierVk, 0);
        }
    }
    DetachInputFrom(targetThread);

    if (hold) {
        m_hHeldWindow = window;
    }
}

void CMouseClickManager::ReleaseHeldKeys() {
    if (!m_bHeld) {
        return;
    }
    // One release per held press: a second call (another stop) must not send key-ups again.
    m_bHeld = false;

    if (m_bSendToActiveWindow) {
        // The modifier goes up first, as a user lets go of a combination.
        if (m_wModifierVk != 0) {
            SendKeyRecord(m_wModifierVk, KEYEVENTF_KEYUP);
        }
        SendKeyRecord(m_wKeyVk, KEYEVENTF_KEYUP);
        return;
    }

    const WindowHandle window = FindHeldKeysWindow();
    m_hHeldWindow = 0;
    if (window == 0) {
        return;
    }
    const std::uint32_t targetThread = AttachInputTo(window);
    m_input.PostMessage(window, WM_KEYUP, m_wKeyVk, 0);
    if (m_wModifierVk != 0) {
        m_input.PostMessage(window, WM_KEYUP, m_wModifierVk, 0);
    }
    DetachInputFrom(targetThread);
}

WindowHandle CMouseClickManager::FindHeldKeysWindow() {
    if (m_hHeldWindow != 0 && m_input.IsWindow(m_hHeldWindow)) {
        return m_hHeldWindow;
    }
    // The window that got the key-down is gone: look for a stand-in by class and title, if they are known.
    if (m_strTargetClass.empty() && m_strTargetTitle.empty()) {
        return 0;
    }
    const WindowHandle window = m_input.FindWindow(m_strTargetClass, m_strTargetTitle);
    return m_input.IsWindow(window) ? window : 0;
}

void CMouseClickManager::SendKeyStroke(std::uint16_t vk) {
    const std::uint16_t scan = static_cast<std::uint16_t>(m_input.MapVirtualKey(vk, MAPVK_VK_TO_VSC));
    const InputRecord down = KeyRecord(vk, scan, 0);
    m_input.SendInput(1, &down, INPUT_RECORD_SIZE);
    PauseBetweenDownAndUp();
    const InputRecord up = KeyRecord(vk, scan, KEYEVENTF_KEYUP);
    m_input.SendInput(1, &up, INPUT_RECORD_SIZE);
}

void CMouseClickManager::SendUnicodeChar(wchar_t ch) {
    const std::uint16_t unit = static_cast<std::uint16_t>(ch);
    const InputRecord down = KeyRecord(0, unit, KEYEVENTF_UNICODE);
    m_input.SendInput(1, &down, INPUT_RECORD_SIZE);
    PauseBetweenDownAndUp();
    const InputRecord up = KeyRecord(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    m_input.SendInput(1, &up, INPUT_RECORD_SIZE);
}

void CMouseClickManager::SendKeyRecord(std::uint16_t vk, std::uint32_t flags) {
    const InputRecord record = KeyRecord(vk, 0, flags);
    m_input.SendInput(1, &record, INPUT_RECORD_SIZE);
}

void CMouseClickManager::PostKeyStroke(WindowHandle window, std::uint16_t vk) {
    if (!m_input.IsWindow(window)) {
        return;
    }
    if (m_bSendChars) {
        // The key code stands in for the character: letters give capitals, Enter a carriage return.
        m_input.PostMessage(window, WM_CHAR, vk, 0);
        return;
    }
    PostKeyMessage(window, WM_KEYDOWN, vk);
    if (m_bSendKeyUps) {
        PauseBetweenDownAndUp();
        PostKeyMessage(window, WM_KEYUP, vk);
    }
}

void CMouseClickManager::PostKeyMessage(WindowHandle window, std::uint32_t message, std::uint16_t vk) {
    // The transition bit stays clear even on the key-up; receivers look at the previous-state bit.
    KeyMessageParams params;
    params.scanCode = static_cast<std::uint8_t>(m_input.MapVirtualKey(vk, MAPVK_VK_TO_VSC));
    params.extended = IsExtendedKey(vk) ? 1 : 0;
    params.previousState = message == WM_KEYUP ? 1 : 0;
    m_input.PostMessage(window, message, vk, MakeLParam(params));
}

WindowHandle CMouseClickManager::FindFirstEditChild(WindowHandle window) {
    m_hFirstEdit = 0;
    m_input.EnumChildWindows(window, [this](WindowHandle child) { return FindEditChildProc(child, this); });
    return m_input.IsWindow(m_hFirstEdit) ? m_hFirstEdit : window;
}

bool CMouseClickManager::FindEditChildProc(WindowHandle child, CMouseClickManager* object) {
    if (EqualsIgnoringCase(object->m_input.GetClassName(child, kClassNameLimit), kEditClassName)) {
        object->m_hFirstEdit = child;
        return false;
    }
    return true;
}

std::uint32_t CMouseClickManager::AttachInputTo(WindowHandle window) {
    const std::uint32_t targetThread = m_input.GetWindowThreadProcessId(window, nullptr);
    m_input.AttachThreadInput(m_input.GetCurrentThreadId(), targetThread, true);
    return targetThread;
}

void CMouseClickManager::DetachInputFrom(std::uint32_t targetThread) {
    m_input.AttachThreadInput(m_input.GetCurrentThreadId(), targetThread, false);
}

void CMouseClickManager::PauseBetweenDownAndUp() {
    // A negative delay read from a hand-edited registry would become Sleep(INFINITE) and freeze the program.
    m_input.Sleep(m_nKeyDelay > 0 ? static_cast<std::uint32_t>(m_nKeyDelay) : 0);
}
