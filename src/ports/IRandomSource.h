#pragma once
// The operating system's cryptographically secure random source.
#include <cstdint>

class IRandomSource {
public:
    virtual ~IRandomSource() = default;

    virtual std::uint32_t NextSeed() = 0;
};
