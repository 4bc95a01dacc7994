#pragma once
// The random source port on the system's cryptographically secure generator (RtlGenRandom).
#include "ports/IRandomSource.h"

class CWin32RandomSource : public IRandomSource {
public:
    std::uint32_t NextSeed() override;
};
