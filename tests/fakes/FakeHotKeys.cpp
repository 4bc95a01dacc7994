#include "fakes/FakeHotKeys.h"

#include <string>

#include "ports/Win32Constants.h"

namespace {

constexpr std::uint32_t kHotKeyNotRegistered = 1419; // ERROR_HOTKEY_NOT_REGISTERED

} // namespace

bool FakeHotKeys::RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t vk) {
    m_log.Add("RegisterHotKey(" + Hex(window) + ", " + std::to_string(id) + ", " + Hex(modifiers, 4) + ", " +
              Hex(vk, 2) + ")");
    const Combination combination{modifiers, vk};
    if (m_registered.count({window, id}) != 0 || IsHeld(combination)) {
        m_nLastError = ERROR_HOTKEY_ALREADY_REGISTERED;
        return false;
    }
    m_registered[{window, id}] = combination;
    return true;
}

bool FakeHotKeys::UnregisterHotKey(WindowHandle window, int id) {
    m_log.Add("UnregisterHotKey(" + Hex(window) + ", " + std::to_string(id) + ")");
    if (m_registered.erase({window, id}) == 0) {
        m_nLastError = kHotKeyNotRegistered;
        return false;
    }
    return true;
}

FakeHotKeys::Combination FakeHotKeys::RegisteredAs(WindowHandle window, int id) const {
    const auto found = m_registered.find({window, id});
    return found != m_registered.end() ? found->second : Combination{};
}

bool FakeHotKeys::IsHeld(const Combination& combination) const {
    if (m_taken.count(combination) != 0) {
        return true;
    }
    for (const auto& registration : m_registered) {
        if (registration.second == combination) {
            return true;
        }
    }
    return false;
}
