#include "fakes/FakeRandomSource.h"

std::uint32_t FakeRandomSource::NextSeed() {
    ++m_nTaken;
    if (!m_seeds.empty()) {
        m_nLast = m_seeds.front();
        m_seeds.pop_front();
    }
    return m_nLast;
}
