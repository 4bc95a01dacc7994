#pragma once
// Fake of a key drop-down list: keeps the entries and logs each call
// ("ResetContent", "AddString Enter -> 13", "SetItemData 13 0x0D"). A sorted list inserts new
// entries in text order and returns that position, as a sorted combo box does.
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

    void ResetContent() override;
    int AddString(const std::wstring& text) override;
    void SetItemData(int index, std::uint32_t data) override;

private:
    bool m_bSorted;
    std::vector<Entry> m_entries;
    CCallLog m_log;
};
