#pragma once
// Fake of a key drop-down list: keeps the entries and logs each call
// ("ResetContent", "AddString Enter -> 13", "SetItemData 13 0x0D"). A sorted list inserts new
// entries in text order and returns that position, as a sorted combo box does.
#include <algorithm>
#include <string>
#include <vector>

#include "core/IKeyList.h"
#include "fakes/CallLog.h"

class CFakeKeyList : public IKeyList {
public:
    struct Entry {
        std::wstring text;
        std::uint32_t data = 0;
    };

    explicit CFakeKeyList(bool sorted = false) : m_bSorted(sorted) {}

    const std::vector<Entry>& Entries() const { return m_entries; }
    const CCallLog& Log() const { return m_log; }

    void ResetContent() override {
        m_log.Add("ResetContent");
        m_entries.clear();
    }
    int AddString(const std::wstring& text) override {
        const auto position = m_bSorted ? std::upper_bound(m_entries.begin(), m_entries.end(), text,
                                                           [](const std::wstring& value, const Entry& entry) {
                                                               return value < entry.text;
                                                           })
                                        : m_entries.end();
        const int index = static_cast<int>(position - m_entries.begin());
        m_entries.insert(position, Entry{text, 0});
        m_log.Add("AddString " + Narrow(text) + " -> " + std::to_string(index));
        return index;
    }
    void SetItemData(int index, std::uint32_t data) override {
        m_log.Add("SetItemData " + std::to_string(index) + " " + Hex(data, 2));
        if (index >= 0 && static_cast<std::size_t>(index) < m_entries.size()) {
            m_entries[static_cast<std::size_t>(index)].data = data;
        }
    }

private:
    bool m_bSorted;
    std::vector<Entry> m_entries;
    CCallLog m_log;
};
