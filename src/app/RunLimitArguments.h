#pragma once
// "/for DURATION" ("90s", "5m", "1h30m": hours, minutes, seconds, each at most once and in that order)
// and "/until HH:MM" (24-hour) on the command line, for the run "/start" begins.
#include <cstddef>
#include <string>
#include <vector>

#include "core/RunOptions.h"

// The longest "/for" that a command to a running Tapwell can carry: 582 hours and some.
constexpr std::int64_t MAX_FOR_SECONDS = (std::int64_t{1} << 21) - 1;

bool ParseForDuration(const std::wstring& strText, std::int64_t& nSeconds);
bool ParseUntilTime(const std::wstring& strText, int& nMinuteOfDay);

// True when strName (lower case, without its "/") is "for" or "until": its value, the argument after
// it, is taken into limits and i moves past it; a missing or malformed value sets bInvalid.
bool TakeRunLimitSwitch(const std::wstring& strName, const std::vector<std::wstring>& arguments,
                        std::size_t& i, RunLimitSwitches& limits, bool& bInvalid);
