#pragma once
// Scriptable fake of the keyboard layout port. Two layouts are built in: a US one and a Cyrillic
// one (the Russian standard arrangement). Letters follow Shift (0x80 of VK_SHIFT) and Caps Lock
// (the toggle bit 0x01 of VK_CAPITAL) of the state passed in. A layout handle the fake does not
// know produces nothing. Like the real ToUnicodeEx, the fake writes only the units it produces,
// without a terminating zero.
#include <map>
#include <utility>

#include "fakes/CallLog.h"
#include "ports/IKeyboardLayout.h"

class CFakeKeyboardLayout : public IKeyboardLayout {
public:
    static constexpr LayoutHandle US_LAYOUT = 0x04090409;
    static constexpr LayoutHandle CYRILLIC_LAYOUT = 0x04190419;

    // What GetKeyboardState and GetKeyboardLayout(0) answer.
    void SetState(const KeyboardState& state) { m_state = state; }
    void SetStateAvailable(bool available) { m_bStateAvailable = available; }
    void SetThreadLayout(LayoutHandle layout) { m_threadLayout = layout; }

    // Overrides ToUnicodeEx for one key of one layout: the units written and the value returned
    // (-1 with the accent for a dead key, 0 with no units for a key that produces nothing).
    void SetKeyOutput(LayoutHandle layout, std::uint32_t vk, const std::wstring& units, int result);
    void SetKeyName(LParam keyParameter, const std::wstring& name);
    // What MapVirtualKey(Ex) answers for MAPVK_VK_TO_VSC (0 for a key without one), in every layout.
    void SetScanCode(std::uint32_t vk, std::uint32_t scanCode) { m_scanCodes[vk] = scanCode; }

    // "MapVirtualKeyEx 0x41 2 0x04090409" and
    // "ToUnicodeEx 0x41 0x41 10 0x0 0x04090409 zeroed" (or "dirty" when the buffer held anything).
    const CCallLog& Log() const { return m_log; }
    void ClearLog() { m_log.Clear(); }

    bool GetKeyboardState(KeyboardState* state) override;
    LayoutHandle GetKeyboardLayout(std::uint32_t threadId) override;
    std::uint32_t MapVirtualKeyEx(std::uint32_t code, std::uint32_t mapType, LayoutHandle layout) override;
    std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) override;
    int ToUnicodeEx(std::uint32_t vk, std::uint32_t scanCode, const KeyboardState& state, wchar_t* buffer,
                    int bufferSize, std::uint32_t flags, LayoutHandle layout) override;
    int GetKeyNameText(LParam keyParameter, wchar_t* buffer, int bufferSize) override;

private:
    struct Output {
        std::wstring units;
        int result = 0;
    };

    Output Produce(std::uint32_t vk, const KeyboardState& state, LayoutHandle layout) const;

    CCallLog m_log;
    KeyboardState m_state{};
    bool m_bStateAvailable = true;
    LayoutHandle m_threadLayout = US_LAYOUT;
    std::map<std::pair<LayoutHandle, std::uint32_t>, Output> m_overrides;
    std::map<LParam, std::wstring> m_keyNames;
    std::map<std::uint32_t, std::uint32_t> m_scanCodes;
};
