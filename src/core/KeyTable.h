#pragma once
// The key vocabulary of the two drop-down lists: texts, virtual-key codes and their fixed order.
// Stored selections are list positions, so the order never changes; only the letter texts
// follow the keyboard layout and state captured by the owner.
#include <cstdint>
#include <string>

#include "core/IKeyList.h"
#include "ports/IKeyboardLayout.h"
#include "ports/WinTypes.h"

class CKeyTable {
public:
    static constexpr int KEY_LIST_COUNT = 92;
    static constexpr int MODIFIER_LIST_COUNT = 4;

    // keyboardState and keyboardLayout belong to the owner, which captures them before every fill.
    CKeyTable(IKeyboardLayout& layout, const KeyboardState& keyboardState,
              const LayoutHandle& keyboardLayout);

    void FillKeyLists(IKeyList& modifierList, IKeyList& keyList) const;
    static void AddKeyItem(IKeyList& list, const std::wstring& text, std::uint32_t virtualKey);
    // What the key types in the captured state and layout: one character normally, several
    // where the layout produces several, the accent for a dead key, empty when nothing.
    std::wstring GetCharacterKeyName(std::uint32_t virtualKey) const;

private:
    IKeyboardLayout& m_layout;
    const KeyboardState& m_keyboardState;
    const LayoutHandle& m_hKeyboardLayout;
};
