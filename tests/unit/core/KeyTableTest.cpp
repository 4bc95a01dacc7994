#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <vector>

#include "core/KeyTable.h"
#include "fakes/FakeKeyList.h"
#include "fakes/FakeKeyboardLayout.h"
#include "ports/Win32Constants.h"
#include "unit/TableRows.h"

namespace {

constexpr std::size_t FIRST_LETTER_POSITION = 46;
constexpr std::uint32_t LETTER_COUNT = 26;
constexpr LayoutHandle SCRIPTED_LAYOUT = 0xF0020409;

class KeyTable : public ::testing::Test {
protected:
    void Fill() { table.FillKeyLists(modifiers, keys); }

    CFakeKeyboardLayout layout;
    KeyboardState keyboardState{};
    LayoutHandle keyboardLayout = CFakeKeyboardLayout::US_LAYOUT;
    CKeyTable table{layout, keyboardState, keyboardLayout};
    CFakeKeyList modifiers;
    CFakeKeyList keys;
};

struct Position {
    std::size_t index;
    const wchar_t* text;
    std::uint32_t code;
};

// clang-format off
const std::vector<Position> KEY_POSITIONS = {
    {0, L"F1", 0x70},         {11, L"F12", 0x7B},      {12, L"Pause", 0x13},      {13, L"Enter", 0x0D},
    {22, L"Backspace", 0x08}, {24, L"Ctrl", 0x11},     {25, L"Shift", 0x10},      {29, L"Substract", 0x6D},
    {34, L"Page Up", 0x21},   {37, L"Prt Scr", 0x2C},  {43, L"Right Menu", 0xA5}, {44, L"Help", 0x2F},
    {45, L"Refresh", 0xA8},   {46, L"a", 0x41},        {62, L"q", 0x51},          {71, L"z", 0x5A},
    {72, L"NumPad 0", 0x60},  {81, L"NumPad 9", 0x69}, {82, L"0", 0x30},          {91, L"9", 0x39},
};
const std::vector<Position> MODIFIER_POSITIONS = {{0, L"None", 0}, {1, L"Ctrl", 0x11}, {2, L"Alt", 0x12}, {3, L"Shift", 0x10}};
// clang-format on

// The letters' texts from the layout and state captured, a fill before having had other ones.
struct LetterRow : NamedRow {
    LayoutHandle layout;
    std::uint8_t capsLock; // VK_CAPITAL's state: 0x01 toggled on, 0x80 down
    const wchar_t* letters;
};
using KeyTableLetters = TableTest<KeyTable, LetterRow>;

// clang-format off
const LetterRow LETTER_ROWS[] = {
    {{"Caps Lock on: capitals"}, CFakeKeyboardLayout::US_LAYOUT, 0x01, L"ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
    {{"Caps Lock down but off: small letters"}, CFakeKeyboardLayout::US_LAYOUT, 0x80, L"abcdefghijklmnopqrstuvwxyz"},
    {{"a non-Latin layout: its letters, the same codes"}, CFakeKeyboardLayout::CYRILLIC_LAYOUT, 0,
     L"\x0444\x0438\x0441\x0432\x0443\x0430\x043F\x0440\x0448\x043E\x043B\x0434\x044C"
     L"\x0442\x0449\x0437\x0439\x043A\x044B\x0435\x0433\x043C\x0446\x0447\x043D\x044F"},
    {{"keys producing nothing stay, with their codes"}, SCRIPTED_LAYOUT, 0, L""},
};
// clang-format on

} // namespace

TEST_F(KeyTable, TheListsHoldTheirEntriesInTheirFixedOrder) {
    Fill();
    ASSERT_EQ(keys.Entries().size(), static_cast<std::size_t>(CKeyTable::KEY_LIST_COUNT));
    ASSERT_EQ(keys.Entries().size(), 92u);
    ASSERT_EQ(modifiers.Entries().size(), 4u);
    for (const auto& [list, positions] :
         {std::pair{&keys, &KEY_POSITIONS}, std::pair{&modifiers, &MODIFIER_POSITIONS}}) {
        for (const Position& position : *positions) {
            EXPECT_EQ(list->Entries().at(position.index).text, position.text) << position.index;
            EXPECT_EQ(list->Entries().at(position.index).data, position.code) << position.index;
        }
    }
    std::set<std::uint32_t> codes;
    for (std::size_t i = 0; i < keys.Entries().size(); ++i) {
        EXPECT_TRUE(codes.insert(keys.Entries()[i].data).second) << "code of " << i << " twice";
        // A one-unit text is typed as a character; the fixed names must never be taken for one.
        const bool letterOrDigit = (i >= 46 && i <= 71) || i >= 82;
        EXPECT_EQ(keys.Entries()[i].text.size() == 1, letterOrDigit) << "position " << i;
    }
}

TEST_P(KeyTableLetters, FollowTheLayoutAndStateAtEachFill) {
    const LetterRow& row = GetParam();
    keyboardState[VK_CAPITAL] = row.capsLock == 0x01 ? 0 : 0x01;
    Fill();
    keyboardState[VK_CAPITAL] = row.capsLock;
    keyboardLayout = row.layout;

    Fill();

    ASSERT_EQ(keys.Entries().size(), 92u) << "each list is emptied before it is filled";
    EXPECT_EQ(modifiers.Entries().size(), 4u);
    EXPECT_EQ(keys.Log().Count("ResetContent"), 2u);
    EXPECT_EQ(modifiers.Log().Entries().at(0), "ResetContent");
    std::wstring letters;
    for (std::uint32_t i = 0; i < LETTER_COUNT; ++i) {
        letters += keys.Entries().at(FIRST_LETTER_POSITION + i).text;
        EXPECT_EQ(keys.Entries().at(FIRST_LETTER_POSITION + i).data, 0x41 + i);
    }
    EXPECT_EQ(letters, row.letters);
}

INSTANTIATE_TEST_SUITE_P(Rows, KeyTableLetters, ::testing::ValuesIn(LETTER_ROWS), RowName());

TEST_F(KeyTable, AddKeyItemSetsTheDataOfTheIndexTheListReturned) {
    CFakeKeyList sorted(true);
    CKeyTable::AddKeyItem(sorted, L"Tab", VK_TAB);
    CKeyTable::AddKeyItem(sorted, L"Enter", VK_RETURN);
    EXPECT_TRUE(SequenceMatches(sorted.Log(), {"AddString Tab -> 0", "SetItemData 0 0x09",
                                               "AddString Enter -> 0", "SetItemData 0 0x0D"}));
    ASSERT_EQ(sorted.Entries().size(), 2u);
    EXPECT_EQ(sorted.Entries()[0].data, VK_RETURN);
    EXPECT_EQ(sorted.Entries()[1].data, VK_TAB);
}

TEST_F(KeyTable, CharacterNameIsWhatTheCapturedLayoutWroteIntoAZeroedTenUnitBuffer) {
    table.GetCharacterKeyName(0x51);
    EXPECT_TRUE(SequenceMatches(layout.Log(), {"MapVirtualKeyEx 0x51 2 0x04090409",
                                               "ToUnicodeEx 0x51 0x51 10 0x0 0x04090409 zeroed"}));
    const struct {
        const char* name;
        std::wstring units;
        int result;
        std::wstring expectedName;
    } cases[] = {
        {"dead key gives its accent", L"\x00B4", -1, L"\x00B4"},
        {"key producing nothing gives an empty name", L"", 0, L""},
        {"two units", L"\x0644\x0627", 2, L"\x0644\x0627"},
        {"a full buffer is not read past", L"0123456789AB", 12, L"0123456789"},
    };
    keyboardLayout = SCRIPTED_LAYOUT;
    for (const auto& item : cases) {
        layout.SetKeyOutput(SCRIPTED_LAYOUT, 0x45, item.units, item.result);
        EXPECT_EQ(table.GetCharacterKeyName(0x45), item.expectedName) << item.name;
    }
}
