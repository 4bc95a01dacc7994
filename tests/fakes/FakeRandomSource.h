#pragma once
// Scripted fake of the secure random source: hands out the queued seeds in order, then repeats
// the last one (0 when none was queued), and counts how many seeds were taken.
#include <cstdint>
#include <deque>

#include "ports/IRandomSource.h"

class FakeRandomSource : public IRandomSource {
public:
    void QueueSeed(std::uint32_t seed) { m_seeds.push_back(seed); }
    int SeedsTaken() const { return m_nTaken; }

    std::uint32_t NextSeed() override {
        ++m_nTaken;
        if (!m_seeds.empty()) {
            m_nLast = m_seeds.front();
            m_seeds.pop_front();
        }
        return m_nLast;
    }

private:
    std::deque<std::uint32_t> m_seeds;
    std::uint32_t m_nLast = 0;
    int m_nTaken = 0;
};
