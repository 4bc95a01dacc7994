#include <gtest/gtest.h>

#include <cstddef>
#include <set>

#include "core/KeyTable.h"
#include "fakes/FakeKeyList.h"
#include "fakes/FakeKeyboardLayout.h"
#include "ports/Win32Constants.h"

namespace {

constexpr int FIRST_LETTER_POSITION = 46;
constexpr int LETTER_COUNT = 26;
constexpr LayoutHandle SCRIPTED_LAYOUT = 0xF0020409;

class KeyTable : public ::testing::Test {
protected:
    void Fill() { table.FillKeyLists(modifiers, keys); }

    std::wstring LetterTexts() const {
        std::wstring texts;
        for (int i = 0; i < LETTER_COUNT; ++i) {
            texts += keys.Entries().at(FIRST_LETTER_POSITION + i).text;
        }
        return texts;
    }

    std::vector<std::uint32_t> LetterCodes() const {
        std::vector<std::uint32_t> codes;
        for (int i = 0; i < LETTER_COUNT; ++i) {
            codes.push_back(keys.Entries().at(FIRST_LETTER_POSITION + i).data);
        }
        return codes;
    }

    CFakeKeyboardLayout layout;
    KeyboardState keyboardState{};
    LayoutHandle keyboardLayout = CFakeKeyboardLayout::US_LAYOUT;
    CKeyTable table{layout, keyboardState, keyboardLayout};
    CFakeKeyList modifiers;
    CFakeKeyList keys;
};

struct Position {
    int index;
    const wchar_t* text;
    std::uint32_t code;
};

const Position KEY_POSITIONS[] = {
    {0, L"F1", 0x70},         {11, L"F12", 0x7B},      {12, L"Pause", 0x13},      {13, L"Enter", 0x0D},
    {22, L"Backspace", 0x08}, {24, L"Ctrl", 0x11},     {25, L"Shift", 0x10},      {29, L"Substract", 0x6D},
    {34, L"Page Up", 0x21},   {37, L"Prt Scr", 0x2C},  {43, L"Right Menu", 0xA5}, {44, L"Help", 0x2F},
    {45, L"Refresh", 0xA8},   {46, L"a", 0x41},        {62, L"q", 0x51},          {71, L"z", 0x5A},
    {72, L"NumPad 0", 0x60},  {81, L"NumPad 9", 0x69}, {82, L"0", 0x30},          {91, L"9", 0x39},
};

const Position MODIFIER_POSITIONS[] = {
    {0, L"None", 0},
    {1, L"Ctrl", 0x11},
    {2, L"Alt", 0x12},
    {3, L"Shift", 0x10},
};

template <std::size_t N> void ExpectPositions(const CFakeKeyList& list, const Position (&positions)[N]) {
    for (const Position& position : positions) {
        const CFakeKeyList::Entry& entry = list.Entries().at(static_cast<std::size_t>(position.index));
        EXPECT_EQ(entry.text, position.text) << "position " << position.index;
        EXPECT_EQ(entry.data, position.code) << "position " << position.index;
    }
}

std::wstring Letters(wchar_t first) {
    std::wstring letters;
    for (int i = 0; i < LETTER_COUNT; ++i) {
        letters += static_cast<wchar_t>(first + i);
    }
    return letters;
}

std::vector<std::uint32_t> LetterKeyCodes() {
    std::vector<std::uint32_t> codes;
    for (std::uint32_t vk = 0x41; vk <= 0x5A; ++vk) {
        codes.push_back(vk);
    }
    return codes;
}

} // namespace

TEST_F(KeyTable, FillsNinetyTwoKeysAndFourModifiers) {
    Fill();
    EXPECT_EQ(keys.Entries().size(), static_cast<std::size_t>(CKeyTable::KEY_LIST_COUNT));
    EXPECT_EQ(keys.Entries().size(), 92u);
    EXPECT_EQ(modifiers.Entries().size(), 4u);
}

TEST_F(KeyTable, KeyPositionsHoldTheirTextsAndCodes) {
    Fill();
    ExpectPositions(keys, KEY_POSITIONS);
}

TEST_F(KeyTable, ModifierPositionsHoldTheirTextsAndCodes) {
    Fill();
    ExpectPositions(modifiers, MODIFIER_POSITIONS);
}

TEST_F(KeyTable, EveryKeyCodeAppearsOnce) {
    Fill();
    std::set<std::uint32_t> codes;
    for (const CFakeKeyList::Entry& entry : keys.Entries()) {
        EXPECT_TRUE(codes.insert(entry.data).second) << "code " << entry.data << " twice";
    }
}

// A one-unit text is typed as a character; the fixed names must never be taken for one.
TEST_F(KeyTable, OnlyLetterAndDigitEntriesAreOneUnitLong) {
    Fill();
    for (std::size_t i = 0; i < keys.Entries().size(); ++i) {
        const bool letterOrDigit = (i >= 46 && i <= 71) || i >= 82;
        EXPECT_EQ(keys.Entries()[i].text.size() == 1, letterOrDigit) << "position " << i;
    }
}

TEST_F(KeyTable, EachListIsEmptiedBeforeItIsFilled) {
    Fill();
    Fill();
    EXPECT_EQ(keys.Entries().size(), 92u);
    EXPECT_EQ(modifiers.Entries().size(), 4u);
    EXPECT_EQ(keys.Log().Entries().at(0), "ResetContent");
    EXPECT_EQ(modifiers.Log().Entries().at(0), "ResetContent");
    EXPECT_EQ(keys.Log().Count("ResetContent"), 2u);
}

TEST_F(KeyTable, AddKeyItemSetsTheDataOfTheIndexTheListReturned) {
    CFakeKeyList sorted(true);
    CKeyTable::AddKeyItem(sorted, L"Tab", VK_TAB);
    CKeyTable::AddKeyItem(sorted, L"Enter", VK_RETURN);
    EXPECT_TRUE(SequenceMatches(sorted.Log(), {
                                                  "AddString Tab -> 0",
                                                  "SetItemData 0 0x09",
                                                  "AddString Enter -> 0",
                                                  "SetItemData 0 0x0D",
                                              }));
    ASSERT_EQ(sorted.Entries().size(), 2u);
    EXPECT_EQ(sorted.Entries()[0].data, VK_RETURN);
    EXPECT_EQ(sorted.Entries()[1].data, VK_TAB);
}

TEST_F(KeyTable, LettersAreNamedFromTheLayoutAndCapturedState) {
    keyboardState[VK_CAPITAL] = 0x01;
    Fill();
    EXPECT_EQ(LetterTexts(), Letters(L'A'));

    // The owner re-captures into the same members; the next fill follows them.
    keyboardState[VK_CAPITAL] = 0x00;
    Fill();
    EXPECT_EQ(LetterTexts(), Letters(L'a'));
    EXPECT_EQ(LetterCodes(), LetterKeyCodes());
}

TEST_F(KeyTable, CapsLockKeyDownWithoutToggleGivesSmallLetters) {
    keyboardState[VK_CAPITAL] = 0x80;
    Fill();
    EXPECT_EQ(LetterTexts(), Letters(L'a'));
}

TEST_F(KeyTable, NonLatinLayoutKeepsTheLetterCodes) {
    keyboardLayout = CFakeKeyboardLayout::CYRILLIC_LAYOUT;
    Fill();
    EXPECT_EQ(keys.Entries().at(46).text, L"\x0444");
    EXPECT_EQ(keys.Entries().at(62).text, L"\x0439");
    EXPECT_EQ(keys.Entries().at(62).data, 0x51u);
    EXPECT_EQ(LetterCodes(), LetterKeyCodes());
}

TEST_F(KeyTable, CharacterNameAsksTheCapturedLayoutWithAZeroedTenUnitBuffer) {
    table.GetCharacterKeyName(0x51);
    EXPECT_TRUE(SequenceMatches(layout.Log(), {
                                                  "MapVirtualKeyEx 0x51 2 0x04090409",
                                                  "ToUnicodeEx 0x51 0x51 10 0x0 0x04090409 zeroed",
                                              }));
}

struct ScriptedKey {
    const char* name;
    std::wstring units;
    int result;
    std::wstring expectedName;
};

TEST_F(KeyTable, CharacterNameIsWhatTheLayoutWrote) {
    const ScriptedKey cases[] = {
        {"dead key gives its accent", L"\x00B4", -1, L"\x00B4"},
        {"key producing nothing gives an empty name", L"", 0, L""},
        {"two units", L"\x0644\x0627", 2, L"\x0644\x0627"},
        {"a full buffer is not read past", L"0123456789AB", 12, L"0123456789"},
    };
    keyboardLayout = SCRIPTED_LAYOUT;
    for (const ScriptedKey& item : cases) {
        layout.SetKeyOutput(SCRIPTED_LAYOUT, 0x45, item.units, item.result);
        EXPECT_EQ(table.GetCharacterKeyName(0x45), item.expectedName) << item.name;
    }
}

TEST_F(KeyTable, KeyProducingNothingStaysInTheListWithItsCode) {
    keyboardLayout = SCRIPTED_LAYOUT;
    layout.SetKeyOutput(SCRIPTED_LAYOUT, 0x45, L"", 0);
    Fill();
    EXPECT_EQ(keys.Entries().size(), 92u);
    EXPECT_EQ(keys.Entries().at(50).text, L"");
    EXPECT_EQ(keys.Entries().at(50).data, 0x45u);
}
