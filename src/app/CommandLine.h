#pragma once
// What the program reads from its command line.
#include <string>

#include "core/RunOptions.h"
#include "ui/RemoteCommand.h"

// ":silent" anywhere in the arguments (the command line without the program name), matched
// case-sensitively, even inside a longer argument: start hidden in the notification area.
bool IsSilentStart(const std::wstring& strArguments);

// The switches a script gives: one command for the running instances ("/start", "/stop",
// "/toggle", "/exit"), the instance it is for ("/instance N"), a profile to open ("/profile FILE",
// alone or with "/start"), or the list of switches ("/?").
// Switches start with "/" or "-" and are matched in any case; other arguments, and any argument
// that holds ":silent", are no switches.
struct CommandLineSwitches {
    RemoteCommand command = RemoteCommand::None;
    int nInstance = EVERY_INSTANCE;
    bool bShowHelp = false;
    // The file named after "/profile", as given; empty without one.
    std::wstring strProfile;
    // "/for" and "/until", allowed only with "/start".
    RunLimitSwitches runLimits;
    // An unknown switch, two different commands, "/instance" without a number or a command,
    // "/profile" without a file or with a command other than "/start", or "/for" or "/until" without
    // "/start".
    bool bInvalid = false;
};

CommandLineSwitches ParseCommandLineSwitches(const std::wstring& strArguments);
