#pragma once
// System-wide shortcuts as the system keeps them: one registration per (window, identifier), and
// each combination owned by at most one registration. Combinations can be marked as taken by
// another program; registering one of them, or one this program already holds, fails with
// ERROR_HOTKEY_ALREADY_REGISTERED, which GetLastError then reports.
#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "fakes/CallLog.h"
#include "ports/IHotKeys.h"
#include "ports/Win32Constants.h"

class FakeHotKeys : public IHotKeys {
public:
    static constexpr std::uint32_t HOTKEY_NOT_REGISTERED = 1419; // ERROR_HOTKEY_NOT_REGISTERED
    struct Combination {
        std::uint32_t modifiers = 0; // MOD_*
        std::uint32_t vk = 0;
        bool operator<(const Combination& other) const {
            return std::make_pair(modifiers, vk) < std::make_pair(other.modifiers, other.vk);
        }
        bool operator==(const Combination& other) const {
            return modifiers == other.modifiers && vk == other.vk;
        }
    };

    // "RegisterHotKey(0x1000, 1, 0x0003, 0x75)", "UnregisterHotKey(0x1000, 1)".
    CCallLog& Log() { return m_log; }

    bool RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t vk) override {
        m_log.Add(Call("RegisterHotKey", {Hex(window), std::to_string(id), Hex(modifiers, 4), Hex(vk, 2)}));
        if ((modifiers & MOD_NOREPEAT) != 0 && m_bRefuseNoRepeat) {
            m_nLastError = ERROR_INVALID_PARAMETER;
            return false;
        }
        // MOD_NOREPEAT is how the shortcut behaves, not part of the combination.
        const Combination combination{modifiers & ~MOD_NOREPEAT, vk};
        const bool bHeld =
            m_taken.count(combination) != 0 ||
            std::any_of(m_registered.begin(), m_registered.end(),
                        [&](const auto& registration) { return registration.second == combination; });
        if (IsRegistered(window, id) || bHeld) {
            m_nLastError = ERROR_HOTKEY_ALREADY_REGISTERED;
            return false;
        }
        m_registered[{window, id}] = combination;
        m_repeating[{window, id}] = (modifiers & MOD_NOREPEAT) == 0;
        return true;
    }
    bool UnregisterHotKey(WindowHandle window, int id) override {
        m_log.Add(Call("UnregisterHotKey", {Hex(window), std::to_string(id)}));
        if (m_registered.erase({window, id}) == 0) {
            m_nLastError = HOTKEY_NOT_REGISTERED;
            return false;
        }
        return true;
    }
    std::uint32_t GetLastError() override { return m_nLastError; }

    // Another program holds this combination.
    void TakeByOtherProgram(std::uint32_t modifiers, std::uint32_t vk) {
        m_taken.insert(Combination{modifiers, vk});
    }

    bool IsRegistered(WindowHandle window, int id) const { return m_registered.count({window, id}) != 0; }
    Combination RegisteredAs(WindowHandle window, int id) const { // {0, 0} when not registered
        const auto found = m_registered.find({window, id});
        return found != m_registered.end() ? found->second : Combination{};
    }
    std::size_t RegisteredCount() const { return m_registered.size(); }
    // A system before Windows 7, which refuses MOD_NOREPEAT.
    bool m_bRefuseNoRepeat = false;
    // Whether a registered shortcut fires again at the keyboard's repeat rate while held.
    bool Repeats(WindowHandle window, int id) const { return m_repeating.at({window, id}); }

private:
    std::map<std::pair<WindowHandle, int>, Combination> m_registered;
    std::map<std::pair<WindowHandle, int>, bool> m_repeating;
    std::set<Combination> m_taken;
    std::uint32_t m_nLastError = 0;
    CCallLog m_log;
};
