// Reading a number from an edit: blanks around, a sign only for signed values, nothing else.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "fakes/CallLog.h"
#include "fw/DecimalText.h"

namespace {

struct IntCase {
    std::wstring text;
    bool ok;
    int value;
};

struct UIntCase {
    std::wstring text;
    bool ok;
    std::uint32_t value;
};

} // namespace

TEST(DecimalText, SignedParsingTable) {
    const IntCase cases[] = {
        {L"12", true, 12},
        {L" 12 ", true, 12},
        {L"\t7\t", true, 7},
        {L"-3", true, -3},
        {L"+4", true, 4},
        {L"007", true, 7},
        {L"-0", true, 0},
        {L"2147483647", true, 2147483647},
        {L"-2147483648", true, -2147483647 - 1},
        {L"", false, 0},
        {L"   ", false, 0},
        {L"-", false, 0},
        {L"+", false, 0},
        {L"1a", false, 0},
        {L"a1", false, 0},
        {L"1 2", false, 0},
        {L"- 3", false, 0},
        {L"--3", false, 0},
        {L"1.5", false, 0},
        {L"0x10", false, 0},
        {L"2147483648", false, 0},
        {L"-2147483649", false, 0},
        {L"99999999999", false, 0},
        {L"99999999999999999999999", false, 0},
        {L"\x0661", false, 0}, // a digit of another script
    };
    for (const IntCase& c : cases) {
        int value = 99;
        EXPECT_EQ(ParseDecimalInt(c.text, &value), c.ok) << "\"" << Narrow(c.text) << "\"";
        EXPECT_EQ(value, c.ok ? c.value : 99)
            << "\"" << Narrow(c.text) << "\" (a failure leaves the value alone)";
    }
}

TEST(DecimalText, UnsignedParsingTable) {
    const UIntCase cases[] = {
        {L"0", true, 0},
        {L" 12 ", true, 12},
        {L"9999999", true, 9999999},
        {L"4294967295", true, 4294967295u},
        {L"-1", false, 0},
        {L"+4", false, 0},
        {L"-0", false, 0},
        {L"", false, 0},
        {L"1a", false, 0},
        {L"4294967296", false, 0},
        {L"99999999999", false, 0},
    };
    for (const UIntCase& c : cases) {
        std::uint32_t value = 99;
        EXPECT_EQ(ParseDecimalUInt(c.text, &value), c.ok) << "\"" << Narrow(c.text) << "\"";
        EXPECT_EQ(value, c.ok ? c.value : 99u) << "\"" << Narrow(c.text) << "\"";
    }
}
