#include "app/CommandLine.h"

#include "app/RunLimitArguments.h"

#include <cstddef>
#include <vector>

namespace {

constexpr wchar_t SILENT_SWITCH[] = L":silent";
constexpr wchar_t INSTANCE_SWITCH[] = L"instance";
constexpr wchar_t HELP_SWITCH[] = L"?";
constexpr wchar_t PROFILE_SWITCH[] = L"profile";
// Instance numbers are counted windows: nine digits keep any of them and never overflow an int.
constexpr std::size_t MAX_INSTANCE_DIGITS = 9;

struct CommandSwitch {
    const wchar_t* name;
    RemoteCommand command;
};
const CommandSwitch COMMAND_SWITCHES[] = {
    {L"start", RemoteCommand::Start},
    {L"stop", RemoteCommand::Stop},
    {L"toggle", RemoteCommand::Toggle},
    {L"exit", RemoteCommand::Exit},
};

// Only ASCII letters fold: the switch names are ASCII, and locale rules must not make "/İnstance" one.
std::wstring LowerAscii(std::wstring strText) {
    for (wchar_t& c : strText) {
        if (c >= L'A' && c <= L'Z') {
            c = static_cast<wchar_t>(c - L'A' + L'a');
        }
    }
    return strText;
}

// The arguments split at blanks and tabs outside double quotes, quotes dropped: a quoted file name
// keeps its blanks. Parsed by hand: a string stream would pull
// the C++ library's locale machinery into the static exe, which doubles its size.
std::vector<std::wstring> SplitArguments(const std::wstring& strArguments) {
    std::vector<std::wstring> arguments;
    std::wstring strUnquoted;
    bool bQuoted = false;
    for (std::size_t i = 0; i <= strArguments.size(); ++i) {
        const wchar_t c = i < strArguments.size() ? strArguments[i] : L' ';
        const bool bBlank = c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\v' || c == L'\f';
        if (c == L'"') {
            bQuoted = !bQuoted;
        } else if (bBlank && (!bQuoted || i == strArguments.size())) {
            if (!strUnquoted.empty()) {
                arguments.push_back(strUnquoted);
                strUnquoted.clear();
            }
        } else if (i < strArguments.size()) {
            strUnquoted += c;
        }
    }
    return arguments;
}

bool ParseInstanceNumber(const std::wstring& strText, int& nInstance) {
    if (strText.empty() || strText.size() > MAX_INSTANCE_DIGITS) {
        return false;
    }
    int nValue = 0;
    for (wchar_t c : strText) {
        if (c < L'0' || c > L'9') {
            return false;
        }
        nValue = nValue * 10 + (c - L'0');
    }
    nInstance = nValue;
    return true;
}

bool IsSwitch(const std::wstring& strArgument) {
    return (strArgument[0] == L'/' || strArgument[0] == L'-') &&
           strArgument.find(SILENT_SWITCH) == std::wstring::npos;
}

void ApplyCommand(CommandLineSwitches& switches, RemoteCommand command) {
    if (switches.command != RemoteCommand::None && switches.command != command) {
        switches.bInvalid = true;
    }
    switches.command = command;
}

bool ApplyNamedCommand(CommandLineSwitches& switches, const std::wstring& strName) {
    for (const CommandSwitch& known : COMMAND_SWITCHES) {
        if (strName == known.name) {
            ApplyCommand(switches, known.command);
            return true;
        }
    }
    return false;
}

} // namespace

bool IsSilentStart(const std::wstring& strArguments) {
    return strArguments.find(SILENT_SWITCH) != std::wstring::npos;
}

CommandLineSwitches ParseCommandLineSwitches(const std::wstring& strArguments) {
    CommandLineSwitches switches;
    bool bInstanceGiven = false;
    const std::vector<std::wstring> arguments = SplitArguments(strArguments);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (!IsSwitch(arguments[i])) {
            continue;
        }
        const std::wstring strName = LowerAscii(arguments[i].substr(1));
        if (strName == HELP_SWITCH) {
            switches.bShowHelp = true;
        } else if (strName == INSTANCE_SWITCH) {
            bInstanceGiven = true;
            const bool bNumber =
                i + 1 < arguments.size() && ParseInstanceNumber(arguments[i + 1], switches.nInstance);
            switches.bInvalid = switches.bInvalid || !bNumber;
            i += bNumber ? 1 : 0;
        } else if (strName == PROFILE_SWITCH) {
            const bool bFile = i + 1 < arguments.size() && switches.strProfile.empty();
            switches.strProfile = bFile ? arguments[++i] : switches.strProfile;
            switches.bInvalid = switches.bInvalid || !bFile;
        } else if (!TakeRunLimitSwitch(strName, arguments, i, switches.runLimits, switches.bInvalid) &&
                   !ApplyNamedCommand(switches, strName)) {
            switches.bInvalid = true;
        }
    }
    const bool bProfile = !switches.strProfile.empty();
    if ((bInstanceGiven && switches.command == RemoteCommand::None && !bProfile) ||
        (bProfile && switches.command != RemoteCommand::None && switches.command != RemoteCommand::Start) ||
        (switches.runLimits.Any() && switches.command != RemoteCommand::Start)) {
        switches.bInvalid = true;
    }
    return switches;
}
