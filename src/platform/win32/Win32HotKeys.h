#pragma once
// The global-shortcut port over user32's RegisterHotKey and UnregisterHotKey.
#include "ports/IHotKeys.h"

class CWin32HotKeys : public IHotKeys {
public:
    bool RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t vk) override;
    bool UnregisterHotKey(WindowHandle window, int id) override;
    std::uint32_t GetLastError() override;
};
