#include "ui/RemoteRunLimits.h"

#include <cstdint>

namespace {

// The high word as every remote command has it; a low word no command uses.
constexpr WParam RUN_LIMITS = (WParam{0x5457} << 16) | 0x0100;
// The lParam: the seconds of "/for" in the low bits, the minute of "/until" plus one above them; 0
// for either: not given.
constexpr unsigned MINUTE_SHIFT = 21;
constexpr std::uint32_t SECONDS_MASK = (1u << MINUTE_SHIFT) - 1;
constexpr std::uint32_t MINUTES_PER_DAY = 1440;

} // namespace

RemoteCommandMessage EncodeRunLimits(const RunLimitSwitches& limits) {
    const std::uint32_t nSeconds = static_cast<std::uint32_t>(limits.nForSeconds) & SECONDS_MASK;
    const std::uint32_t nMinute =
        limits.nUntilMinute >= 0 ? static_cast<std::uint32_t>(limits.nUntilMinute) + 1 : 0;
    return {RUN_LIMITS, static_cast<LParam>(static_cast<std::int32_t>(nSeconds | (nMinute << MINUTE_SHIFT)))};
}

bool DecodeRunLimits(WParam wParam, LParam lParam, RunLimitSwitches& limits) {
    const std::uint32_t nBits = static_cast<std::uint32_t>(lParam);
    const std::uint32_t nMinute = nBits >> MINUTE_SHIFT;
    if (wParam != RUN_LIMITS || nMinute > MINUTES_PER_DAY) {
        return false;
    }
    limits.nForSeconds = nBits & SECONDS_MASK;
    limits.nUntilMinute = static_cast<int>(nMinute) - 1;
    return true;
}
