#include <gtest/gtest.h>

#include "fakes/CallLog.h"

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

struct SequenceCase {
    const char* name;
    std::vector<std::string> actual;
    std::vector<std::string> expected;
    std::vector<std::string> reported;    // parts of the failure text; none: the sequences match
    std::vector<std::string> notReported; // parts the failure text must not have
};

class CallLogSequence : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(CallLogSequence, MatchesOrReportsTheDifference) {
    const SequenceCase& c = GetParam();
    const ::testing::AssertionResult result = SequenceMatches(c.actual, c.expected);
    ASSERT_EQ(static_cast<bool>(result), c.reported.empty()) << result.message();
    for (const std::string& part : c.reported) {
        EXPECT_TRUE(Contains(result.message(), part)) << result.message();
    }
    for (const std::string& part : c.notReported) {
        EXPECT_FALSE(Contains(result.message(), part)) << result.message();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CallLogSequence,
    ::testing::Values(
        SequenceCase{"Equal", {"A", "B", "C"}, {"A", "B", "C"}, {}, {}},
        SequenceCase{"BothEmpty", {}, {}, {}, {}},
        SequenceCase{"Missing", {"A", "C"}, {"A", "B", "C"}, {"missing  at expected #1: B"}, {"spurious"}},
        SequenceCase{"Spurious", {"A", "X", "B"}, {"A", "B"}, {"spurious at actual   #1: X"}, {"missing"}},
        SequenceCase{"Changed",
                     {"A", "Sleep 0", "C"},
                     {"A", "Sleep 20", "C"},
                     {"missing  at expected #1: Sleep 20", "spurious at actual   #1: Sleep 0"},
                     {}},
        SequenceCase{"Swapped", {"B", "A"}, {"A", "B"}, {"missing", "spurious"}, {}},
        SequenceCase{"ListsTheWholeActualSequence", {"first", "second"}, {}, {"#0 first", "#1 second"}, {}},
        SequenceCase{"WildcardFieldMatchesAnyOneField",
                     {"PostMessage 0x1 WM_KEYUP 0x0D 0xC01C0001"},
                     {"PostMessage * WM_KEYUP 0x0D *"},
                     {},
                     {}},
        SequenceCase{"WildcardFieldMatchesNoMoreThanOneField",
                     {"Sleep 20 ms"},
                     {"Sleep *"},
                     {"missing  at expected #0: Sleep *"},
                     {}},
        SequenceCase{"WildcardLeavesTheOtherFieldsExact", {"Sleep 20"}, {"Slept *"}, {"spurious"}, {}},
        SequenceCase{"OptionalEntryMayBeThere", {"A", "Sleep 0", "B"}, {"A", "? Sleep *", "B"}, {}, {}},
        SequenceCase{"OptionalEntryMayBeAbsent", {"A", "B"}, {"A", "? Sleep *", "B"}, {}, {}},
        SequenceCase{"OptionalEntryIsNeverReportedMissing",
                     {"A"},
                     {"A", "? Sleep *", "B"},
                     {"missing  at expected #2: B"},
                     {"Sleep"}},
        SequenceCase{"OptionalEntryKeepsItsPlace",
                     {"Sleep 0", "A"},
                     {"A", "? Sleep *"},
                     {"spurious at actual   #0"},
                     {}}),
    [](const ::testing::TestParamInfo<SequenceCase>& info) { return info.param.name; });

TEST(CallLog, SelectKeepsOrderOfEntriesWithTheGivenPrefixes) {
    CCallLog log;
    log.Add("Sleep 20");
    log.Add("PostMessage 0x1 WM_KEYDOWN");
    log.Add("AttachThreadInput 1 2 TRUE");
    log.Add("PostMessage 0x1 WM_KEYUP");
    EXPECT_EQ(log.Select({"PostMessage"}),
              (std::vector<std::string>{"PostMessage 0x1 WM_KEYDOWN", "PostMessage 0x1 WM_KEYUP"}));
    EXPECT_EQ(log.Count("PostMessage"), 2u);
    EXPECT_EQ(log.Count("Sleep"), 1u);
    log.Clear();
    EXPECT_TRUE(log.Empty());
}

TEST(CallLogFormat, HexPadsToTheRequestedDigits) {
    EXPECT_EQ(Hex(0x1C), "0x1C");
    EXPECT_EQ(Hex(0x0D, 2), "0x0D");
    EXPECT_EQ(Hex(0xC04B0001u, 8), "0xC04B0001");
    EXPECT_EQ(Hex(0x61, 4), "0x0061");
}

TEST(CallLogFormat, NarrowEncodesUtf8) {
    EXPECT_EQ(Narrow(L"Edit"), "Edit");
    EXPECT_EQ(Narrow(L"\x0439"), "\xD0\xB9");
    EXPECT_EQ(Narrow(L"\x20AC"), "\xE2\x82\xAC");
}
