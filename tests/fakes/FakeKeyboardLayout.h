#pragma once
// Scriptable fake of the keyboard layout port. Two layouts are built in: a US one and a Cyrillic
// one (the Russian standard arrangement). Letters follow Shift (0x80 of VK_SHIFT) and Caps Lock
// (the toggle bit 0x01 of VK_CAPITAL) of the state passed in. A layout handle the fake does not
// know produces nothing. Like the real ToUnicodeEx, the fake writes only the units it produces,
// without a terminating zero.
#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "fakes/CallLog.h"
#include "ports/IKeyboardLayout.h"
#include "ports/Win32Constants.h"

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
    void SetKeyOutput(LayoutHandle layout, std::uint32_t vk, const std::wstring& units, int result) {
        m_overrides[{layout, vk}] = Output{units, result};
    }
    void SetKeyName(LParam keyParameter, const std::wstring& name) { m_keyNames[keyParameter] = name; }
    // What MapVirtualKey(Ex) answers for MAPVK_VK_TO_VSC (0 for a key without one), in every layout.
    void SetScanCode(std::uint32_t vk, std::uint32_t scanCode) { m_scanCodes[vk] = scanCode; }

    // "MapVirtualKeyEx 0x41 2 0x04090409" and
    // "ToUnicodeEx 0x41 0x41 10 0x0 0x04090409 zeroed" (or "dirty" when the buffer held anything).
    const CCallLog& Log() const { return m_log; }
    void ClearLog() { m_log.Clear(); }

    bool GetKeyboardState(KeyboardState* state) override {
        if (m_bStateAvailable) {
            *state = m_state;
        }
        return m_bStateAvailable;
    }
    LayoutHandle GetKeyboardLayout(std::uint32_t threadId) override {
        return threadId == 0 ? m_threadLayout : 0;
    }
    std::uint32_t MapVirtualKeyEx(std::uint32_t code, std::uint32_t mapType, LayoutHandle layout) override {
        m_log.Add("MapVirtualKeyEx " + Hex(code, 2) + " " + std::to_string(mapType) + " " + Hex(layout, 8));
        const auto found = m_scanCodes.find(code);
        if (mapType == MAPVK_VK_TO_VSC) {
            return found != m_scanCodes.end() ? found->second : 0;
        }
        // Letters in capitals, as the real call reports them.
        return mapType == MAPVK_VK_TO_CHAR ? Character(code, layout, true) : 0;
    }
    std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) override {
        return MapVirtualKeyEx(code, mapType, m_threadLayout);
    }
    int ToUnicodeEx(std::uint32_t vk, std::uint32_t scanCode, const KeyboardState& state, wchar_t* buffer,
                    int bufferSize, std::uint32_t flags, LayoutHandle layout) override {
        const bool zeroed =
            std::all_of(buffer, buffer + std::max(bufferSize, 0), [](wchar_t unit) { return unit == 0; });
        m_log.Add("ToUnicodeEx " + Hex(vk, 2) + " " + Hex(scanCode, 2) + " " + std::to_string(bufferSize) +
                  " " + Hex(flags) + " " + Hex(layout, 8) + (zeroed ? " zeroed" : " dirty"));
        const auto found = m_overrides.find({layout, vk});
        const bool bCapital = ((state[VK_SHIFT] & 0x80) != 0) != ((state[VK_CAPITAL] & 0x01) != 0);
        const wchar_t ch = Character(vk, layout, bCapital);
        const Output output = found != m_overrides.end() ? found->second
                              : ch != 0                  ? Output{std::wstring(1, ch), 1}
                                                         : Output{};
        std::copy_n(output.units.begin(), std::min<int>(static_cast<int>(output.units.size()), bufferSize),
                    buffer);
        return output.result;
    }
    int GetKeyNameText(LParam keyParameter, wchar_t* buffer, int bufferSize) override {
        const auto found = m_keyNames.find(keyParameter);
        const std::wstring name =
            found != m_keyNames.end() && bufferSize > 0 ? found->second.substr(0, bufferSize - 1) : L"";
        if (bufferSize > 0) {
            std::copy(name.begin(), name.end(), buffer);
            buffer[name.size()] = 0;
        }
        return static_cast<int>(name.size());
    }

private:
    struct Output {
        std::wstring units;
        int result = 0;
    };

    // What a letter or digit key types on a built-in layout; 0 for any other key or layout.
    static wchar_t Character(std::uint32_t vk, LayoutHandle layout, bool bCapital) {
        // The small letters the keys A..Z type on the Russian standard arrangement.
        static constexpr wchar_t CYRILLIC_LETTERS[] =
            L"\x0444\x0438\x0441\x0432\x0443\x0430\x043F\x0440\x0448"
            L"\x043E\x043B\x0434\x044C\x0442\x0449\x0437\x0439\x043A"
            L"\x044B\x0435\x0433\x043C\x0446\x0447\x043D\x044F";
        if (layout != US_LAYOUT && layout != CYRILLIC_LAYOUT) {
            return 0;
        }
        if (vk >= '0' && vk <= '9') {
            return static_cast<wchar_t>(vk);
        }
        if (vk < 'A' || vk > 'Z') {
            return 0;
        }
        const wchar_t small =
            layout == US_LAYOUT ? static_cast<wchar_t>(L'a' + (vk - 'A')) : CYRILLIC_LETTERS[vk - 'A'];
        // Cyrillic capitals stand 0x20 below these small letters, as Latin ones do.
        return bCapital ? static_cast<wchar_t>(small - 0x20) : small;
    }

    CCallLog m_log;
    KeyboardState m_state{};
    bool m_bStateAvailable = true;
    LayoutHandle m_threadLayout = US_LAYOUT;
    std::map<std::pair<LayoutHandle, std::uint32_t>, Output> m_overrides;
    std::map<LParam, std::wstring> m_keyNames;
    std::map<std::uint32_t, std::uint32_t> m_scanCodes;
};
