#include "fakes/FakeKeyList.h"

#include <algorithm>

void CFakeKeyList::ResetContent() {
    m_log.Add("ResetContent");
    m_entries.clear();
}

int CFakeKeyList::AddString(const std::wstring& text) {
    auto position = m_entries.end();
    if (m_bSorted) {
        position = std::upper_bound(
            m_entries.begin(), m_entries.end(), text,
            [](const std::wstring& value, const Entry& entry) { return value < entry.text; });
    }
    const int index = static_cast<int>(position - m_entries.begin());
    m_entries.insert(position, Entry{text, 0});
    m_log.Add("AddString " + Narrow(text) + " -> " + std::to_string(index));
    return index;
}

void CFakeKeyList::SetItemData(int index, std::uint32_t data) {
    m_log.Add("SetItemData " + std::to_string(index) + " " + Hex(data, 2));
    if (index >= 0 && static_cast<std::size_t>(index) < m_entries.size()) {
        m_entries[static_cast<std::size_t>(index)].data = data;
    }
}
