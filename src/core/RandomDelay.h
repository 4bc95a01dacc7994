#pragma once
// The random extra delay of a run: one uniformly distributed draw per call from a fresh
// Mersenne Twister seeded with one value of the operating system's secure random source.
#include "ports/IRandomSource.h"

class CRandomDelay {
public:
    explicit CRandomDelay(IRandomSource& source);

    // An integer in [low, high], both ends included; low when the range is empty.
    int Draw(int low, int high);

private:
    IRandomSource& m_source;
};
