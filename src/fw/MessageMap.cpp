#include "fw/MessageMap.h"

bool MessageMapEntryMatches(const MessageMapEntry& entry, std::uint32_t message, WParam wParam) {
    if (entry.registeredMessage != nullptr) {
        if (*entry.registeredMessage == 0 || *entry.registeredMessage != message) {
            return false;
        }
    } else if (entry.message != message) {
        return false;
    }
    const std::uint32_t code = static_cast<std::uint32_t>((wParam >> 16) & 0xFFFF);
    const std::uint32_t id = static_cast<std::uint32_t>(wParam & 0xFFFF);
    return (entry.code == ANY_CODE || entry.code == code) && (entry.id == ANY_ID || entry.id == id);
}
