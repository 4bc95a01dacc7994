#include <gtest/gtest.h>

#include "fakes/CallLog.h"

namespace {

std::string FailureText(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    const ::testing::AssertionResult result = SequenceMatches(actual, expected);
    EXPECT_FALSE(result);
    return result.message();
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(CallLogSequence, EqualSequencesMatch) {
    EXPECT_TRUE(SequenceMatches({"A", "B", "C"}, {"A", "B", "C"}));
    EXPECT_TRUE(SequenceMatches(std::vector<std::string>{}, {}));
}

TEST(CallLogSequence, MissingEntryIsReportedWithItsExpectedPosition) {
    const std::string text = FailureText({"A", "C"}, {"A", "B", "C"});
    EXPECT_TRUE(Contains(text, "missing  at expected #1: B")) << text;
    EXPECT_FALSE(Contains(text, "spurious")) << text;
}

TEST(CallLogSequence, SpuriousEntryIsReportedWithItsActualPosition) {
    const std::string text = FailureText({"A", "X", "B"}, {"A", "B"});
    EXPECT_TRUE(Contains(text, "spurious at actual   #1: X")) << text;
    EXPECT_FALSE(Contains(text, "missing")) << text;
}

TEST(CallLogSequence, ChangedEntryIsBothMissingAndSpurious) {
    const std::string text = FailureText({"A", "Sleep 0", "C"}, {"A", "Sleep 20", "C"});
    EXPECT_TRUE(Contains(text, "missing  at expected #1: Sleep 20")) << text;
    EXPECT_TRUE(Contains(text, "spurious at actual   #1: Sleep 0")) << text;
}

TEST(CallLogSequence, SwappedEntriesAreReported) {
    const std::string text = FailureText({"B", "A"}, {"A", "B"});
    EXPECT_TRUE(Contains(text, "missing")) << text;
    EXPECT_TRUE(Contains(text, "spurious")) << text;
}

TEST(CallLogSequence, FailureListsTheWholeActualSequence) {
    const std::string text = FailureText({"first", "second"}, {});
    EXPECT_TRUE(Contains(text, "#0 first")) << text;
    EXPECT_TRUE(Contains(text, "#1 second")) << text;
}

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
