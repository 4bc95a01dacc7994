#include <gtest/gtest.h>

#include "fakes/CallLog.h"
#include "unit/TableRows.h"

namespace {

struct SequenceRow : NamedRow {
    std::vector<std::string> actual;
    std::vector<std::string> expected;
    std::vector<std::string> reported;    // parts of the failure text; none: the sequences match
    std::vector<std::string> notReported; // parts the failure text must not have
};
using CallLogSequence = TableTest<::testing::Test, SequenceRow>;

// clang-format off
const SequenceRow SEQUENCE_ROWS[] = {
    {{"equal"}, {"A", "B", "C"}, {"A", "B", "C"}, {}, {}},
    {{"both empty"}, {}, {}, {}, {}},
    {{"missing"}, {"A", "C"}, {"A", "B", "C"}, {"missing  at expected #1: B"}, {"spurious"}},
    {{"spurious"}, {"A", "X", "B"}, {"A", "B"}, {"spurious at actual   #1: X"}, {"missing"}},
    {{"changed"}, {"A", "Sleep 0", "C"}, {"A", "Sleep 20", "C"}, {"missing  at expected #1: Sleep 20", "spurious at actual   #1: Sleep 0"}, {}},
    {{"swapped"}, {"B", "A"}, {"A", "B"}, {"missing", "spurious"}, {}},
    {{"lists the whole actual sequence"}, {"first", "second"}, {}, {"#0 first", "#1 second"}, {}},
    {{"a wildcard field matches any one field"}, {"PostMessage 0x1 WM_KEYUP 0x0D 0xC01C0001"}, {"PostMessage * WM_KEYUP 0x0D *"}, {}, {}},
    {{"a wildcard field matches no more than one field"}, {"Sleep 20 ms"}, {"Sleep *"}, {"missing  at expected #0: Sleep *"}, {}},
    {{"a wildcard leaves the other fields exact"}, {"Sleep 20"}, {"Slept *"}, {"spurious"}, {}},
    {{"an optional entry may be there"}, {"A", "Sleep 0", "B"}, {"A", "? Sleep *", "B"}, {}, {}},
    {{"an optional entry may be absent"}, {"A", "B"}, {"A", "? Sleep *", "B"}, {}, {}},
    {{"an optional entry is never reported missing"}, {"A"}, {"A", "? Sleep *", "B"}, {"missing  at expected #2: B"}, {"Sleep"}},
    {{"an optional entry keeps its place"}, {"Sleep 0", "A"}, {"A", "? Sleep *"}, {"spurious at actual   #0"}, {}},
};
// clang-format on

} // namespace

TEST_P(CallLogSequence, MatchesOrReportsTheDifference) {
    const SequenceRow& row = GetParam();
    const ::testing::AssertionResult result = SequenceMatches(row.actual, row.expected);
    const std::string message = result.message();
    ASSERT_EQ(static_cast<bool>(result), row.reported.empty()) << message;
    for (const std::string& part : row.reported) {
        EXPECT_NE(message.find(part), std::string::npos) << message;
    }
    for (const std::string& part : row.notReported) {
        EXPECT_EQ(message.find(part), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, CallLogSequence, ::testing::ValuesIn(SEQUENCE_ROWS), RowName());

TEST(CallLog, SelectKeepsOrderOfEntriesWithTheGivenPrefixes) {
    CCallLog log;
    for (const char* line : {"Sleep 20", "PostMessage 0x1 WM_KEYDOWN", "AttachThreadInput 1 2 TRUE",
                             "PostMessage 0x1 WM_KEYUP"}) {
        log.Add(line);
    }
    EXPECT_EQ(log.Select({"PostMessage"}),
              (std::vector<std::string>{"PostMessage 0x1 WM_KEYDOWN", "PostMessage 0x1 WM_KEYUP"}));
    EXPECT_EQ(log.Count("PostMessage"), 2u);
    EXPECT_EQ(log.Count("Sleep"), 1u);
    log.Clear();
    EXPECT_TRUE(log.Empty());
}

TEST(CallLog, FormatsHexPaddedAndTextAsUtf8) {
    EXPECT_EQ(Hex(0x1C) + " " + Hex(0x0D, 2) + " " + Hex(0xC04B0001u, 8) + " " + Hex(0x61, 4),
              "0x1C 0x0D 0xC04B0001 0x0061");
    EXPECT_EQ(Narrow(L"Edit") + Narrow(L"\x0439") + Narrow(L"\x20AC"), "Edit\xD0\xB9\xE2\x82\xAC");
}
