#pragma once
// A profile a script hands to a running Tapwell through WM_COPYDATA: the instance it is for,
// whether to start it, and the file's full path, as one text "<instance>\n<0 or 1>\n<path>".
#include <cstdint>
#include <string>

#include "ports/WinTypes.h"
#include "ui/RemoteCommand.h"

// WM_COPYDATA's dwData for this text; other data is not ours.
constexpr std::uintptr_t PROFILE_REQUEST_DATA = 0x54575046;
// What the instance answers.
constexpr LResult PROFILE_NOT_FOR_THIS_INSTANCE = 0;
constexpr LResult PROFILE_OPENED = 1;
constexpr LResult PROFILE_REFUSED = 2;
// Longer texts are no request: a path holds at most 32767 units.
constexpr std::uint32_t MAX_PROFILE_REQUEST_BYTES = 70000;

struct ProfileRequest {
    int nInstance = EVERY_INSTANCE;
    bool bStart = false;
    std::wstring strPath;
};

std::wstring EncodeProfileRequest(const ProfileRequest& request);
bool DecodeProfileRequest(const std::wstring& text, ProfileRequest& request);
