#pragma once
// The fields of a posted key message's lParam, and their packing into it.
#include <cstdint>

#include "ports/WinTypes.h"

struct KeyMessageParams {
    std::uint16_t repeatCount = 1;
    std::uint8_t scanCode = 0;
    std::uint8_t extended = 0;        // 0 or 1
    std::uint8_t previousState = 0;   // 0 or 1
    std::uint8_t transitionState = 0; // 0 or 1
    std::uint8_t contextCode = 0;     // 0 or 1: Alt is down, as in WM_SYSKEYDOWN and WM_SYSKEYUP
};

// Bits 0-15 repeat count, 16-23 scan code, 24 extended, 29 context code, 30 previous state, 31
// transition state.
LParam MakeLParam(const KeyMessageParams& params);
