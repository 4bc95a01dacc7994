#include "fw/HotKeyCtrl.h"

#include "ports/Win32Constants.h"

// The control packs the pair as MAKEWORD(vk, modifiers).
void CHotKeyCtrl::SetHotKey(std::uint32_t vk, std::uint32_t modifiers) {
    SendMessage(HKM_SETHOTKEY, static_cast<WParam>((vk & 0xFF) | ((modifiers & 0xFF) << 8)));
}

void CHotKeyCtrl::GetHotKey(std::uint32_t* vk, std::uint32_t* modifiers) {
    const auto value = static_cast<std::uint32_t>(SendMessage(HKM_GETHOTKEY));
    *vk = value & 0xFF;
    *modifiers = (value >> 8) & 0xFF;
}
