#pragma once
// The keystroke injector: turns one press of a run into synthetic input for the focused window,
// or into keyboard messages posted to the selected window, and releases what a held press left down.
#include <cstdint>
#include <string>

#include "core/ISelectedWindowSource.h"
#include "ports/IKeyboardInput.h"
#include "ports/WinTypes.h"

class CMouseClickManager {
public:
    static constexpr int DEFAULT_KEY_DELAY = 20;

    CMouseClickManager(IKeyboardInput& input, ISelectedWindowSource& selectedWindow);
    virtual ~CMouseClickManager();

    CMouseClickManager(const CMouseClickManager&) = delete;
    CMouseClickManager& operator=(const CMouseClickManager&) = delete;

    void SetKeyDelay(int ms);
    void SetSendToActiveWindow(bool sendToActiveWindow);
    void SetSendToFirstEdit(bool sendToFirstEdit);
    void SetTargetWindowClass(const std::wstring& className);
    void SetTargetWindowName(const std::wstring& windowName);

    // Types a one-character entry as its character; false when the caller must press by key code.
    bool PressCharacter(const std::wstring& text, int modifierVk, bool hold, bool useOldMethod);
    void PressKey(int modifierVk, int keyVk, bool hold);
    void ReleaseHeldKeys();

private:
    void PressKeyInActiveWindow(std::uint16_t modifierVk, std::uint16_t keyVk, bool hold);
    void PressKeyInSelectedWindow(std::uint16_t modifierVk, std::uint16_t keyVk, bool hold);
    void SendKeyStroke(std::uint16_t vk);
    void SendUnicodeChar(wchar_t ch);
    void SendKeyRecord(std::uint16_t vk, std::uint32_t flags);
    void PostKeyStroke(WindowHandle window, std::uint16_t vk);
    void PostKeyMessage(WindowHandle window, std::uint32_t message, std::uint16_t vk);
    WindowHandle FindFirstEditChild(WindowHandle window);
    static bool FindEditChildProc(WindowHandle child, CMouseClickManager* object);
    WindowHandle FindHeldKeysWindow();
    std::uint32_t AttachInputTo(WindowHandle window);
    void DetachInputFrom(std::uint32_t targetThread);
    void PauseBetweenDownAndUp();

    IKeyboardInput& m_input;
    ISelectedWindowSource& m_selectedWindow;

    int m_nKeyDelay = DEFAULT_KEY_DELAY;
    bool m_bSendToFirstEdit = false;
    bool m_bHeld = false;
    bool m_bSendToActiveWindow = true;
    std::uint16_t m_wKeyVk = 0;
    std::uint16_t m_wModifierVk = 0;
    std::wstring m_strTargetClass;
    std::wstring m_strTargetTitle;

public:
    // Written directly by the run controller before every press.
    bool m_bSendKeyUps = false;
    bool m_bSendChars = false;

private:
    WindowHandle m_hFirstEdit = 0;
    // The window a held press was posted to, so that its key-up reaches the same window.
    WindowHandle m_hHeldWindow = 0;
};
