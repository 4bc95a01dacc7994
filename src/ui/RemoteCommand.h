#pragma once
// The commands a script sends to a running Tapwell through its main window: what the message
// carries and how the receiving instance checks it before acting.
#include <cstdint>

#include "ports/WinTypes.h"

enum class RemoteCommand { None, Start, Stop, Toggle, Exit };

// Registered by every instance and every launching process alike.
constexpr wchar_t REMOTE_COMMAND_MESSAGE[] = L"Tapwell remote command {5E0C1D7A-3B94-4F2E-9A61-2D8B7C40E9F3}";
// A command addressed to every running instance rather than to one instance number.
constexpr int EVERY_INSTANCE = -1;
// The message through which a script's command reaches this instance, registered at initialisation.
extern std::uint32_t g_nRemoteCommandMsg;

struct RemoteCommandMessage {
    WParam wParam;
    LParam lParam;
};

RemoteCommandMessage EncodeRemoteCommand(RemoteCommand command, int nInstance);
// None for anything but a well-formed command addressed to nInstanceNumber or to every instance.
RemoteCommand DecodeRemoteCommand(WParam wParam, LParam lParam, int nInstanceNumber);
