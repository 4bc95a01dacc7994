#pragma once
// The keystroke injector: turns one press of a run into synthetic input for the focused window,
// or into keyboard messages posted to the selected window. It never waits: where a press pauses
// between key-down and key-up, the key-up is kept until the caller finishes the press, so that
// the message loop goes on meanwhile. It remembers every key that is down because of it, and how it
// went down, so that each is let go the same way.
#include <cstdint>
#include <string>
#include <vector>

#include "core/ISelectedWindowSource.h"
#include "core/KeyJournal.h"
#include "core/KeyRecordBuilder.h"
#include "core/KeyUp.h"
#include "core/TargetWait.h"
#include "ports/IKeyboardInput.h"
#include "ports/IWindowQueries.h"
#include "ports/WinTypes.h"
#include "settings/PressOptions.h"
#include "settings/StoredValues.h"

class CMouseClickManager {
public:
    CMouseClickManager(IKeyboardInput& input, IWindowQueries& windows, ISelectedWindowSource& selectedWindow);
    virtual ~CMouseClickManager();

    CMouseClickManager(const CMouseClickManager&) = delete;
    CMouseClickManager& operator=(const CMouseClickManager&) = delete;

    void SetKeyDelay(int ms);
    // The pause between key-down and key-up, as the caller should wait it (never negative).
    int GetKeyDelay() const;

    // Types a one-character entry as its character; false when the caller must press by key code.
    bool PressCharacter(const std::wstring& text, int modifierVk, bool hold, bool useOldMethod);
    void PressKey(int modifierVk, int keyVk, bool hold);
    // A press whose key-up waits for the key delay to pass.
    bool HasUnfinishedPress() const;
    // Sends the rest of an unfinished press.
    void FinishPress();
    // Lets go of everything still down: the rest of an unfinished press, then what held presses left down.
    void ReleaseHeldKeys();

    // From now on every key that may stay down is written to the journal as it goes down.
    void KeepJournalIn(CKeyJournal& journal);
    // Lets go of keys another Tapwell left down, each the way it went down.
    void ReleaseKeyUps(const std::vector<KeyUp>& keyUps);

private:
    // What makes a held press the same as the one before it, so that its keys may stay down.
    struct HeldPress {
        bool activeWindow = true;
        WindowHandle window = 0;
        std::uint16_t modifierVk = 0;
        std::uint16_t keyVk = 0;
        bool operator==(const HeldPress& other) const {
            return activeWindow == other.activeWindow && window == other.window &&
                   modifierVk == other.modifierVk && keyVk == other.keyVk;
        }
    };

    void PressKeyInActiveWindow(std::uint16_t modifierVk, std::uint16_t keyVk, bool hold);
    void PressKeyInSelectedWindow(std::uint16_t modifierVk, std::uint16_t keyVk, bool hold);
    void PostModifiedKey(WindowHandle window, std::uint16_t modifierVk, std::uint16_t keyVk, bool hold);
    void SetModifierInSharedKeyState(std::uint16_t modifierVk, bool down);
    // Returns once the target has handled what was posted to it, or after a bounded hold.
    void WaitForTargetToHandlePosts(WindowHandle window);
    void SendKeyStroke(std::uint16_t vk);
    void SendUnicodeChar(wchar_t ch);
    // False when the system refused the record.
    bool SendKeyRecord(const InputRecord& record);
    void SendKeybdEvent(std::uint8_t vk, std::uint32_t flags);
    void PostKeyStroke(WindowHandle window, std::uint16_t vk);
    LParam KeyMessageLParam(std::uint32_t message, std::uint16_t vk);
    // A keyboard's key-up: previous state and transition bits set.
    LParam KeyUpLParam(std::uint16_t vk);
    void PostKeyDown(WindowHandle window, std::uint32_t message, std::uint16_t vk, LParam lParam);
    WindowHandle FindFirstEditChild(WindowHandle window);
    static bool FindEditChildProc(WindowHandle child, CMouseClickManager* object);
    // Keys held by an earlier press go up before a press that is not the same held press.
    void KeepHeldKeysOnlyFor(const HeldPress& press, bool hold);
    void ReleaseHeldPress();
    // The key-up now when there is no pause, else when the caller finishes the press.
    void KeyUpAfterPause(const KeyUp& keyUp);
    void Release(const KeyUp& keyUp);
    // A key of an Alt combination goes up as a system key, as from a keyboard.
    void PostKeyUp(WindowHandle window, std::uint16_t vk, LParam lParam, bool altCombination = false);
    WindowHandle FindReleaseWindow(WindowHandle window);
    // 0 when the window's thread hangs: input is not attached then.
    std::uint32_t AttachInputTo(WindowHandle window);
    void DetachInputFrom(std::uint32_t targetThread);

    IKeyboardInput& m_input;
    IWindowQueries& m_windows;
    ISelectedWindowSource& m_selectedWindow;
    CKeyRecordBuilder m_keys;
    CTargetWait m_targetWait;
    // Whether the thread input was last attached to answers: a hung one is not attached to.
    bool m_bTargetAnswering = true;

    int m_nKeyDelay = TIME_DELAY_BETWEEN_KEY_DOWN_AND_KEY_UP.nDefault;

public:
    // Where the presses from now on go and how: the run writes them before every press.
    PressOptions m_pressOptions;

private:
    WindowHandle m_hFirstEdit = 0;
    WindowHandle m_hFirstRichEdit = 0;
    // The key-up of the press under way, and the keys held down by the last held press, in the
    // order they are let go.
    std::vector<KeyUp> m_unfinished;
    std::vector<KeyUp> m_held;
    // The press that holds m_held down: its key, modifier, mode and window.
    HeldPress m_heldPress;

    // Key-ups the system refused (input blocked, a full message queue): tried again when the next
    // press begins or ends and at the stop, until they go or their window is gone.
    void KeepRefused(const KeyUp& keyUp);
    void RetryRefusedKeyUps();
    std::vector<KeyUp> m_refused;

    // The journal holds every key-up that may be due: written when one is new to it, and brought back
    // to what is really due only when everything is let go, so that a run of like presses writes once.
    void Journal(const std::vector<KeyUp>& keyUps);
    void TrimJournal();
    std::vector<KeyUp> DueKeyUps() const;
    CKeyJournal* m_pJournal = nullptr;
    std::vector<KeyUp> m_journalled;
};
