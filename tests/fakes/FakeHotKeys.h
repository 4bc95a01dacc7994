#pragma once
// System-wide shortcuts as the system keeps them: one registration per (window, identifier), and
// each combination owned by at most one registration. Combinations can be marked as taken by
// another program; registering one of them, or one this program already holds, fails with
// ERROR_HOTKEY_ALREADY_REGISTERED, which GetLastError then reports.
#include <cstdint>
#include <map>
#include <set>
#include <utility>

#include "fakes/CallLog.h"
#include "ports/IHotKeys.h"

class FakeHotKeys : public IHotKeys {
public:
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

    bool RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t vk) override;
    bool UnregisterHotKey(WindowHandle window, int id) override;
    std::uint32_t GetLastError() override { return m_nLastError; }

    // Another program holds this combination.
    void TakeByOtherProgram(std::uint32_t modifiers, std::uint32_t vk) {
        m_taken.insert(Combination{modifiers, vk});
    }

    bool IsRegistered(WindowHandle window, int id) const { return m_registered.count({window, id}) != 0; }
    Combination RegisteredAs(WindowHandle window, int id) const; // {0, 0} when not registered
    std::size_t RegisteredCount() const { return m_registered.size(); }
    // "RegisterHotKey(0x1000, 1, 0x0003, 0x75)", "UnregisterHotKey(0x1000, 1)".
    CCallLog& Log() { return m_log; }

private:
    bool IsHeld(const Combination& combination) const;

    std::map<std::pair<WindowHandle, int>, Combination> m_registered;
    std::set<Combination> m_taken;
    std::uint32_t m_nLastError = 0;
    CCallLog m_log;
};
