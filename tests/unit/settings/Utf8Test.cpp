// The one UTF-8 codec of the settings file and the profiles: strict on reading, whole on writing.
#include <gtest/gtest.h>

#include <string>

#include "settings/Utf8.h"
#include "unit/TableRows.h"

namespace {

struct Utf8Row : NamedRow {
    std::string bytes;
    bool bValid;
    std::wstring text; // UTF-16 units; for an invalid row, what the caller had
};

const Utf8Row UTF8_ROWS[] = {
    {{"ascii"}, "Tapwell 1", true, L"Tapwell 1"},
    {{"two, three and four bytes"},
     "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",
     true,
     L"\u00E9\u20AC\xD83D\xDE00"},
    {{"overlong"}, "\xC0\xAF", false, L"kept"},
    {{"surrogate"}, "\xED\xA0\x80", false, L"kept"},
    {{"past U+10FFFF"}, "\xF4\x90\x80\x80", false, L"kept"},
    {{"cut short"}, "a\xE2\x82", false, L"kept"},
    {{"no continuation byte"}, "\xC3(", false, L"kept"},
    {{"no lead byte"}, "\xFF", false, L"kept"},
};

using Utf8Codec = TableTest<::testing::Test, Utf8Row>;

} // namespace

TEST_P(Utf8Codec, DecodesOnlyValidTextAndEncodesItBack) {
    std::wstring text = GetParam().bValid ? L"" : GetParam().text;
    EXPECT_EQ(DecodeUtf8(GetParam().bytes, text), GetParam().bValid);
    EXPECT_EQ(text, GetParam().text) << "a refused text changes nothing";
    if (GetParam().bValid) {
        EXPECT_EQ(EncodeUtf8(text), GetParam().bytes);
    }
}
INSTANTIATE_TEST_SUITE_P(Rows, Utf8Codec, ::testing::ValuesIn(UTF8_ROWS), RowName());

TEST(Utf8Encode, ALoneSurrogateIsWrittenAsTheReplacementCharacterSoTheFileReadsBack) {
    const std::string bytes = EncodeUtf8(L"a\xD800z");
    EXPECT_EQ(bytes, "a\xEF\xBF\xBDz");
    std::wstring text;
    EXPECT_TRUE(DecodeUtf8(bytes, text));
}
