#include <gtest/gtest.h>

#include "core/KeyRecordBuilder.h"
#include "core/KeyTable.h"
#include "fakes/FakeKeyList.h"
#include "fakes/FakeKeyboardInput.h"
#include "fakes/FakeKeyboardLayout.h"

namespace {

// What a US keyboard sends for each entry of the lists, in list order: the scan code, "+" for an
// extended key.
const char* const KEY_LIST_SCAN_CODES[] = {
    "3B", "3C", "3D", "3E", "3F", "40", "41", "42", "43", "44", "57", "58", // F1-F12
    // Pause, Enter, Space, Left, Right, Up, Down, Delete, Num Lock, Scroll Lock, Backspace, Tab
    "45", "1C", "39", "4B+", "4D+", "48+", "50+", "53+", "45+", "46", "0E", "0F",
    // Ctrl, Shift, Esc, Multiply, Add, Substract, Decimal, Divide, Home, End, Page Up, Page Down
    "1D", "2A", "01", "37", "4E", "4A", "53", "35+", "47+", "4F+", "49+", "51+",
    // Insert, Prt Scr, Left and Right Shift, Ctrl, Menu, Help (no key on it), Refresh
    "52+", "37+", "2A", "36", "1D", "1D+", "38", "38+", "00", "67+", "1E", "30", "2E", "20", "12", "21", "22",
    "23", "17", "24", "25", "26", "32",                                           // a-m
    "31", "18", "19", "10", "13", "1F", "14", "16", "2F", "11", "2D", "15", "2C", // n-z
    "52", "4F", "50", "51", "4B", "4C", "4D", "47", "48", "49",                   // NumPad 0-9
    "0B", "02", "03", "04", "05", "06", "07", "08", "09", "0A",                   // 0-9
};
const char* const MODIFIER_LIST_SCAN_CODES[] = {"00", "1D", "38", "2A"}; // None, Ctrl, Alt, Shift

std::string ScanText(const KeyScanCode& code) {
    return Hex(code.scan, 2).substr(2) + (code.extended ? "+" : "");
}

} // namespace

TEST(KeyRecordBuilder, EveryListedKeyGetsTheScanCodeAndExtendedFlagOfItsKeyboardKey) {
    CFakeKeyboardInput input;
    const CKeyRecordBuilder builder(input);
    CFakeKeyboardLayout layout;
    const KeyboardState state{};
    const LayoutHandle usLayout = CFakeKeyboardLayout::US_LAYOUT;
    CFakeKeyList modifiers;
    CFakeKeyList keys;
    CKeyTable(layout, state, usLayout).FillKeyLists(modifiers, keys);
    ASSERT_EQ(keys.Entries().size(), std::size(KEY_LIST_SCAN_CODES));
    ASSERT_EQ(modifiers.Entries().size(), std::size(MODIFIER_LIST_SCAN_CODES));

    for (const auto& [list, expected] :
         {std::make_pair(&keys, KEY_LIST_SCAN_CODES), std::make_pair(&modifiers, MODIFIER_LIST_SCAN_CODES)}) {
        for (std::size_t i = 0; i < list->Entries().size(); ++i) {
            const std::uint16_t vk = static_cast<std::uint16_t>(list->Entries()[i].data);
            const KeyScanCode code = builder.ScanCodeOf(vk);
            EXPECT_EQ(ScanText(code), expected[i]) << Narrow(list->Entries()[i].text);
            // Records and messages carry the same.
            const InputRecord record = builder.Record(vk, KEYEVENTF_KEYUP);
            EXPECT_EQ(record.ki.wScan, code.scan);
            EXPECT_EQ(record.ki.dwFlags, KEYEVENTF_KEYUP | (code.extended ? KEYEVENTF_EXTENDEDKEY : 0));
            EXPECT_EQ(MakeLParam(builder.MessageParams(vk)),
                      LParam{1 | code.scan << 16 | code.extended << 24});
        }
    }
    // Messages name a left or right modifier by its generic code, as a keyboard's do.
    EXPECT_EQ(CKeyRecordBuilder::MessageVk(VK_RCONTROL), VK_CONTROL);
    EXPECT_EQ(CKeyRecordBuilder::MessageVk(VK_LMENU), VK_MENU);
    EXPECT_EQ(CKeyRecordBuilder::MessageVk(VK_RSHIFT), VK_SHIFT);
    EXPECT_EQ(CKeyRecordBuilder::MessageVk(VK_DIVIDE), VK_DIVIDE);
    // The bits a message adds (context code 29, previous state 30, transition state 31), as the
    // injector's rows see them; a key-up's lParam is negative, as a 32-bit one is.
    EXPECT_EQ(static_cast<std::uint32_t>(MakeLParam(KeyMessageParams{1, 0x3E, 0, 1, 1, 1})), 0xE03E0001u);
    EXPECT_LT(MakeLParam(KeyMessageParams{1, 0x3E, 0, 1, 1}), 0);
}
