#pragma once
// A drop-down list of key entries as the key table fills it: each entry is a text with a
// virtual-key code as its item data. The main dialog plugs its combo boxes in here.
#include <cstdint>
#include <string>

class IKeyList {
public:
    virtual ~IKeyList() = default;

    virtual void ResetContent() = 0;
    // Returns the index the new entry got.
    virtual int AddString(const std::wstring& text) = 0;
    virtual void SetItemData(int index, std::uint32_t data) = 0;
};
