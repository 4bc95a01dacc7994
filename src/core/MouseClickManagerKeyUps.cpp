// The injector's key-ups beyond a press: those the system refused, those of another Tapwell, and
// the journal of what may be down.
#include <algorithm>

#include "core/MouseClickManager.h"

namespace {

// Past this many, the journal is brought back to what is really due before it grows.
constexpr std::size_t JOURNAL_SLACK = 16;

bool Contains(const std::vector<KeyUp>& keyUps, const KeyUp& keyUp) {
    return std::find(keyUps.begin(), keyUps.end(), keyUp) != keyUps.end();
}

} // namespace

void CMouseClickManager::KeepJournalIn(CKeyJournal& journal) {
    m_pJournal = &journal;
}

void CMouseClickManager::ReleaseKeyUps(const std::vector<KeyUp>& keyUps) {
    for (const KeyUp& keyUp : keyUps) {
        Release(keyUp);
    }
}

void CMouseClickManager::KeepRefused(const KeyUp& keyUp) {
    // A press repeated while input is blocked is refused the same key-up each time: kept once.
    if (!Contains(m_refused, keyUp)) {
        m_refused.push_back(keyUp);
        Journal({keyUp});
    }
}

void CMouseClickManager::RetryRefusedKeyUps() {
    // Taken out first: what is refused again is kept again.
    std::vector<KeyUp> keyUps;
    keyUps.swap(m_refused);
    ReleaseKeyUps(keyUps);
}

void CMouseClickManager::Journal(const std::vector<KeyUp>& keyUps) {
    if (m_pJournal == nullptr || std::all_of(keyUps.begin(), keyUps.end(), [this](const KeyUp& keyUp) {
            return Contains(m_journalled, keyUp);
        })) {
        return;
    }
    if (m_journalled.size() >= JOURNAL_SLACK) {
        m_journalled = DueKeyUps();
    }
    for (const KeyUp& keyUp : keyUps) {
        if (!Contains(m_journalled, keyUp)) {
            m_journalled.push_back(keyUp);
        }
    }
    m_pJournal->Record(m_journalled);
}

void CMouseClickManager::TrimJournal() {
    const std::vector<KeyUp> due = DueKeyUps();
    if (m_pJournal != nullptr && due != m_journalled) {
        m_journalled = due;
        m_pJournal->Record(m_journalled);
    }
}

std::vector<KeyUp> CMouseClickManager::DueKeyUps() const {
    std::vector<KeyUp> due = m_held;
    due.insert(due.end(), m_unfinished.begin(), m_unfinished.end());
    due.insert(due.end(), m_refused.begin(), m_refused.end());
    return due;
}
