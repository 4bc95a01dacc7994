#pragma once
// A script's "/for" and "/until" on their way to a running Tapwell: one message of the remote
// command's kind, posted just before the "/start" it is for. It names no instance: each instance
// keeps it for the command that follows, and only a "/start" addressed to it uses it.
#include "core/RunOptions.h"
#include "ui/RemoteCommand.h"

RemoteCommandMessage EncodeRunLimits(const RunLimitSwitches& limits);
// False, and limits untouched, for anything but a well-formed message of run limits.
bool DecodeRunLimits(WParam wParam, LParam lParam, RunLimitSwitches& limits);
