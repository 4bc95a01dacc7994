#include "core/RandomDelay.h"

#include <random>

CRandomDelay::CRandomDelay(IRandomSource& source) : m_source(source) {}

int CRandomDelay::Draw(int low, int high) {
    // uniform_int_distribution is undefined for high < low; an empty range needs no engine.
    if (high <= low) {
        return low;
    }
    // The distribution rejects engine outputs that would favour some values rather than folding
    // them with a remainder, so both ends are as likely as any other value.
    std::mt19937 engine(m_source.NextSeed());
    std::uniform_int_distribution<int> distribution(low, high);
    return distribution(engine);
}
