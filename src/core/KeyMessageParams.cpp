#include "core/KeyMessageParams.h"

LParam MakeLParam(const KeyMessageParams& params) {
    const std::uint32_t flags = (params.extended & 1u) | (params.contextCode & 1u) << 5 |
                                ((params.previousState & 1u) | (params.transitionState & 1u) << 1) << 6;
    const std::uint32_t bits =
        params.repeatCount | static_cast<std::uint32_t>(params.scanCode) << 16 | flags << 24;
    // lParam is a 32-bit value on the target; widen it the way a 32-bit LPARAM would be.
    return static_cast<LParam>(static_cast<std::int32_t>(bits));
}
