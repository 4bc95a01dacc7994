#include "ui/RemoteCommand.h"

namespace {

// The high word marks the message as ours, so a stray value in the registered message is ignored.
constexpr WParam COMMAND_TAG = 0x5457;
constexpr unsigned TAG_SHIFT = 16;
constexpr WParam COMMAND_MASK = 0xFFFF;

} // namespace

RemoteCommandMessage EncodeRemoteCommand(RemoteCommand command, int nInstance) {
    return {(COMMAND_TAG << TAG_SHIFT) | static_cast<WParam>(command), static_cast<LParam>(nInstance)};
}

RemoteCommand DecodeRemoteCommand(WParam wParam, LParam lParam, int nInstanceNumber) {
    if ((wParam >> TAG_SHIFT) != COMMAND_TAG) {
        return RemoteCommand::None;
    }
    if (lParam != EVERY_INSTANCE && lParam != static_cast<LParam>(nInstanceNumber)) {
        return RemoteCommand::None;
    }
    switch (wParam & COMMAND_MASK) {
    case static_cast<WParam>(RemoteCommand::Start):
        return RemoteCommand::Start;
    case static_cast<WParam>(RemoteCommand::Stop):
        return RemoteCommand::Stop;
    case static_cast<WParam>(RemoteCommand::Toggle):
        return RemoteCommand::Toggle;
    case static_cast<WParam>(RemoteCommand::Exit):
        return RemoteCommand::Exit;
    default:
        return RemoteCommand::None;
    }
}
